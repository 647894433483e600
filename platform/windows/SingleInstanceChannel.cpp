// The claim is the pipe's first instance (Windows removes a pipe with the last handle to it, and
// refuses a second first instance); the channel is that one instance, open to the user alone,
// serving one later start at a time with overlapped I/O whose event wakes the event loop. A later
// start finding it busy waits for it.
#include "SingleInstanceChannel.h"

#include "InstanceMessage.h"

#include <QTimer>
#include <QWinEventNotifier>

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>
// After windows.h, whose types it uses.
#include <sddl.h>

namespace tavrio {

namespace {

using Deadline = SingleInstanceChannel::Deadline;

// A later start that keeps the pipe longer is cut off, so that it cannot block the next.
constexpr std::chrono::seconds kConnectionLimit{15};

DWORD millisecondsUntil(Deadline deadline) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<DWORD>(std::clamp<long long>(left.count(), 0, 0x7FFFFFFF));
}

// The current user's security identifier, as text.
std::wstring userSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<char> user(size);
    wchar_t* text = nullptr;
    std::wstring sid;
    if (size > 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size) &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

// One read or write of the later start, given up at the deadline: the bytes moved, or nothing.
std::optional<DWORD> transfer(HANDLE pipe, bool write, char* data, DWORD size, Deadline deadline) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (overlapped.hEvent == nullptr) {
        return std::nullopt;
    }
    const BOOL started = write ? WriteFile(pipe, data, size, nullptr, &overlapped)
                               : ReadFile(pipe, data, size, nullptr, &overlapped);
    DWORD moved = 0;
    bool done = false;
    if (started || GetLastError() == ERROR_IO_PENDING) {
        if (WaitForSingleObject(overlapped.hEvent, millisecondsUntil(deadline)) != WAIT_OBJECT_0) {
            CancelIoEx(pipe, &overlapped);
        }
        done = GetOverlappedResult(pipe, &overlapped, &moved, TRUE);
    }
    CloseHandle(overlapped.hEvent);
    return done ? std::optional(moved) : std::nullopt;
}

} // namespace

struct SingleInstanceChannel::System {
    enum class Step { Connecting, Reading, Writing, Closing };

    explicit System(const QString& endpoint)
        : name(QString(QStringLiteral("\\\\.\\pipe\\") + endpoint).toStdWString()) {}

    void awaitClient();
    void done();
    void read();
    void answerRequest();
    void drop();

    std::wstring name;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    OVERLAPPED overlapped{};
    std::unique_ptr<QWinEventNotifier> notifier;
    std::unique_ptr<QTimer> limit;
    Step step = Step::Connecting;
    std::string received;
    std::string sending;
    char buffer[4096] = {};
    Answerer answer;
};

SingleInstanceChannel::SingleInstanceChannel(const QString& endpoint)
    : system_(std::make_unique<System>(endpoint)) {}

SingleInstanceChannel::~SingleInstanceChannel() {
    stopListening();
    if (system_->pipe != INVALID_HANDLE_VALUE) {
        CloseHandle(system_->pipe);
    }
}

// Open to the user alone, from this machine only. Until listen() a later start may connect and
// write its request, which waits in the pipe.
bool SingleInstanceChannel::claim() {
    if (system_->pipe != INVALID_HANDLE_VALUE) {
        return true;
    }
    const std::wstring access = L"D:P(A;;GA;;;" + userSid() + L")";
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    const bool secured = ConvertStringSecurityDescriptorToSecurityDescriptorW(
        access.c_str(), SDDL_REVISION_1, &security.lpSecurityDescriptor, nullptr);
    system_->pipe = CreateNamedPipeW(
        system_->name.c_str(),
        PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
        kInstanceMessageLimit, kInstanceMessageLimit, 0, secured ? &security : nullptr);
    if (secured) {
        LocalFree(security.lpSecurityDescriptor);
    }
    return system_->pipe != INVALID_HANDLE_VALUE;
}

std::optional<SingleInstanceChannel::Texts> SingleInstanceChannel::ask(const Texts& request,
                                                                       Deadline deadline) {
    std::optional<std::string> message = instanceMessage(request);
    HANDLE pipe = INVALID_HANDLE_VALUE;
    while (message) {
        // Identification only: whoever serves the pipe cannot act as this user.
        pipe = CreateFileW(
            system_->name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
            FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
        // Busy with another later start: wait for it to be done.
        if (pipe != INVALID_HANDLE_VALUE || GetLastError() != ERROR_PIPE_BUSY ||
            !WaitNamedPipeW(system_->name.c_str(),
                            std::max<DWORD>(millisecondsUntil(deadline), 1))) {
            break;
        }
    }
    if (pipe == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    // The running one may then take the foreground, which Windows otherwise keeps for the
    // program the user last worked with: this start.
    AllowSetForegroundWindow(ASFW_ANY);
    ReceivedMessage answer;
    if (transfer(pipe, true, message->data(), static_cast<DWORD>(message->size()), deadline) ==
        message->size()) {
        std::string received;
        char buffer[4096];
        while (answer.state == ReceivedMessage::State::Incomplete) {
            const std::optional<DWORD> got = transfer(pipe, false, buffer, sizeof buffer, deadline);
            if (!got || *got == 0) {
                break;
            }
            received.append(buffer, *got);
            answer = readInstanceMessage(received);
        }
    }
    CloseHandle(pipe);
    if (answer.state != ReceivedMessage::State::Whole) {
        return std::nullopt;
    }
    return answer.texts;
}

bool SingleInstanceChannel::listen(Answerer answer) {
    System& system = *system_;
    if (system.pipe == INVALID_HANDLE_VALUE || system.notifier) {
        return system.notifier != nullptr;
    }
    system.overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (system.overlapped.hEvent == nullptr) {
        return false;
    }
    system.answer = std::move(answer);
    system.notifier = std::make_unique<QWinEventNotifier>(system.overlapped.hEvent);
    QObject::connect(system.notifier.get(), &QWinEventNotifier::activated, system.notifier.get(),
                     [&system] { system.done(); });
    system.limit = std::make_unique<QTimer>();
    system.limit->setSingleShot(true);
    QObject::connect(system.limit.get(), &QTimer::timeout, system.limit.get(),
                     [&system] { system.drop(); });
    system.awaitClient();
    return true;
}

void SingleInstanceChannel::System::awaitClient() {
    step = Step::Connecting;
    received.clear();
    if (!ConnectNamedPipe(pipe, &overlapped)) {
        switch (GetLastError()) {
        case ERROR_IO_PENDING:
            return;
        case ERROR_PIPE_CONNECTED: // before this call
            limit->start(kConnectionLimit);
            read();
            return;
        default:
            // Tried again after a pause rather than at once, should the error last.
            ResetEvent(overlapped.hEvent);
            limit->start(std::chrono::seconds(1));
            return;
        }
    }
}

// The step under way has ended.
void SingleInstanceChannel::System::done() {
    DWORD moved = 0;
    const BOOL succeeded = GetOverlappedResult(pipe, &overlapped, &moved, FALSE);
    if (!succeeded && GetLastError() == ERROR_IO_INCOMPLETE) {
        return; // the event of a step that was given up
    }
    switch (step) {
    case Step::Connecting:
        if (succeeded) {
            limit->start(kConnectionLimit);
            read();
            return;
        }
        break;
    case Step::Reading:
        if (succeeded && moved > 0) {
            received.append(buffer, moved);
            answerRequest();
            return;
        }
        break;
    case Step::Writing:
        if (succeeded && moved == sending.size()) {
            // Disconnecting now would throw the answer away: the later start closes first.
            step = Step::Closing;
            if (ReadFile(pipe, buffer, sizeof buffer, nullptr, &overlapped) ||
                GetLastError() == ERROR_IO_PENDING) {
                return;
            }
        }
        break;
    case Step::Closing:
        break;
    }
    drop();
}

void SingleInstanceChannel::System::read() {
    step = Step::Reading;
    if (!ReadFile(pipe, buffer, sizeof buffer, nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        drop();
    }
}

void SingleInstanceChannel::System::answerRequest() {
    const ReceivedMessage request = readInstanceMessage(received);
    if (request.state == ReceivedMessage::State::Incomplete) {
        read();
        return;
    }
    const std::optional<Texts> answered =
        request.state == ReceivedMessage::State::Whole ? answer(request.texts) : std::nullopt;
    const std::optional<std::string> reply = answered ? instanceMessage(*answered) : std::nullopt;
    if (!reply) {
        drop();
        return;
    }
    sending = *reply;
    step = Step::Writing;
    if (!WriteFile(pipe, sending.data(), static_cast<DWORD>(sending.size()), nullptr,
                   &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        drop();
    }
}

// Ends the connection, whatever it is doing, and waits for the next.
void SingleInstanceChannel::System::drop() {
    limit->stop();
    DWORD moved = 0;
    if (CancelIoEx(pipe, &overlapped)) {
        GetOverlappedResult(pipe, &overlapped, &moved, TRUE);
    }
    DisconnectNamedPipe(pipe);
    awaitClient();
}

// The pipe stays, and with it the claim: a later start meanwhile waits for it to go.
void SingleInstanceChannel::stopListening() {
    System& system = *system_;
    if (!system.notifier) {
        return;
    }
    system.limit.reset();
    system.notifier.reset();
    DWORD moved = 0;
    if (CancelIoEx(system.pipe, &system.overlapped)) {
        GetOverlappedResult(system.pipe, &system.overlapped, &moved, TRUE);
    }
    CloseHandle(system.overlapped.hEvent);
    system.overlapped.hEvent = nullptr;
}

} // namespace tavrio
