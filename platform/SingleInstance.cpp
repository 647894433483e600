#include "SingleInstance.h"

#include "InstanceMessage.h"
#include "SingleInstanceChannel.h"
#include "SingleInstancePlace.h"

#include <QStringDecoder>

#include <charconv>
#include <thread>

namespace tavrio {

namespace {

using Texts = SingleInstanceChannel::Texts;

Texts utf8(const QStringList& texts) {
    Texts bytes;
    for (const QString& text : texts) {
        bytes.push_back(text.toStdString());
    }
    return bytes;
}

// Nothing when a text is not UTF-8: whatever sent it is no Tavrio.
std::optional<QStringList> fromUtf8(const Texts& texts) {
    QStringList decoded;
    for (const std::string& text : texts) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decodedText =
            decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
        decoded << decodedText;
        if (decoder.hasError()) {
            return std::nullopt;
        }
    }
    return decoded;
}

// The answer is the exit status in decimal, then the text.
Texts answerTexts(const SingleInstance::Answer& answer) {
    return {std::to_string(answer.status), answer.text.toStdString()};
}

std::optional<SingleInstance::Answer> answerFrom(const Texts& texts) {
    if (texts.size() != 2) {
        return std::nullopt;
    }
    const std::string& digits = texts[0];
    int status = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), status);
    const std::optional<QStringList> text = fromUtf8({texts[1]});
    if (error != std::errc() || end != digits.data() + digits.size() || status < 0 ||
        status > 255 || !text) {
        return std::nullopt;
    }
    return SingleInstance::Answer{status, text->constFirst()};
}

} // namespace

QString SingleInstance::endpointFor(const QString& display) {
    return singleInstanceEndpoint(display);
}

SingleInstance::SingleInstance(QString endpoint)
    : endpoint_(std::move(endpoint))
    , channel_(std::make_unique<SingleInstanceChannel>(endpoint_)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Start SingleInstance::start(const QStringList& arguments,
                                            std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    const Texts request = utf8(arguments);
    for (;;) {
        if (channel_->claim()) {
            return Start::First;
        }
        if (std::chrono::steady_clock::now() >= deadline || !instanceMessage(request)) {
            return Start::Unanswered;
        }
        if (const std::optional<Texts> answer = channel_->ask(request, deadline)) {
            const std::optional<Answer> read = answerFrom(*answer);
            answer_ = read.value_or(Answer{});
            return read ? Start::Handed : Start::Unanswered;
        }
        // The one that holds the claim is not listening yet, or is ending.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool SingleInstance::awaitEnd(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!channel_->claim()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool SingleInstance::listen(Handler handle) {
    return channel_->listen(
        [handle = std::move(handle)](const Texts& request) -> std::optional<Texts> {
            const std::optional<QStringList> arguments = fromUtf8(request);
            if (!arguments) {
                return std::nullopt;
            }
            return answerTexts(handle(*arguments));
        });
}

void SingleInstance::stopListening() {
    channel_->stopListening();
}

} // namespace tavrio
