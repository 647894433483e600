// The requests to stop that come as signals: SIGTERM (the session ending, a service manager,
// kill), SIGHUP (the terminal or session going away) and SIGINT (Ctrl+C). A signal handler may do
// almost nothing safely, so each request reaches the event loop instead, as a call of `stop`,
// and the program ends there the ordinary way (unix/). Nothing on Windows, which has none of them
// (windows/).
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tavrio {

class StopSignals : public QObject {
public:
    // Takes over the three signals for as long as it lives; `stop` runs on the event loop.
    explicit StopSignals(std::function<void()> stop);
    ~StopSignals() override;

    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    std::function<void()> stop_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tavrio
