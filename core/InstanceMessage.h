// What a later start and the running Tavrio say to each other: a list of texts (the later start's
// arguments; the running one's exit status and the text to print). Each message is framed by its
// length, so the reader knows where it ends without waiting for the writer to close, and bounded,
// so that whatever connects cannot make the running one hold more than a little memory.
//
// On the wire: the length of the rest as four bytes, most significant first, then each text
// followed by a NUL character (a command line's arguments hold none).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio {

// The largest message, its length included: far more than any command line needs.
inline constexpr std::size_t kInstanceMessageLimit = 64 * 1024;

// The message that carries `texts`; nothing when one of them holds a NUL character or the
// message would pass the limit.
std::optional<std::string> instanceMessage(const std::vector<std::string>& texts);

// What the bytes received so far on one connection hold.
struct ReceivedMessage {
    enum class State {
        Incomplete, // more is to come
        Whole,
        Malformed, // too long, not ended by a NUL, or followed by more
    };
    State state = State::Incomplete;
    std::vector<std::string> texts; // when whole
};

ReceivedMessage readInstanceMessage(std::string_view received);

} // namespace tavrio
