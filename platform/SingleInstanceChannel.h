// The system's side of one Tavrio per user and display: a claim that one process at a time holds
// and that the system gives up with the process, and a channel on which later starts reach the
// holder, one request and one answer per connection (each a message of texts, see
// InstanceMessage.h). On Linux a lock file and a Unix-domain socket beside it; on Windows a named
// pipe, whose first instance is the claim. Either channel wakes the event loop only when a later
// start connects or writes.
#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrio {

class SingleInstanceChannel {
public:
    using Texts = std::vector<std::string>;
    // The answer to a request, or nothing to refuse it (the connection is closed unanswered).
    using Answerer = std::function<std::optional<Texts>(const Texts& request)>;
    using Deadline = std::chrono::steady_clock::time_point;

    explicit SingleInstanceChannel(const QString& endpoint);
    ~SingleInstanceChannel();
    SingleInstanceChannel(const SingleInstanceChannel&) = delete;
    SingleInstanceChannel& operator=(const SingleInstanceChannel&) = delete;

    // Takes the claim and opens the channel, where requests wait until listen(). False while
    // another process holds the claim.
    bool claim();
    // As a later start: sends `request` to the holder and returns its answer. Nothing when no one
    // listens, or no whole answer came by `deadline`.
    std::optional<Texts> ask(const Texts& request, Deadline deadline);

    // As the holder, with an event loop: answers each request. False without a channel.
    bool listen(Answerer answer);
    // Closes the channel; the claim stays until the object ends.
    void stopListening();

private:
    struct System;
    std::unique_ptr<System> system_;
};

} // namespace tavrio
