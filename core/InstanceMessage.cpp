#include "InstanceMessage.h"

#include <cstdint>

namespace tavrio {

namespace {

constexpr std::size_t kLengthSize = 4;

} // namespace

std::optional<std::string> instanceMessage(const std::vector<std::string>& texts) {
    std::string body;
    for (const std::string& text : texts) {
        if (text.find('\0') != std::string::npos) {
            return std::nullopt;
        }
        body += text;
        body += '\0';
    }
    if (kLengthSize + body.size() > kInstanceMessageLimit) {
        return std::nullopt;
    }
    std::string message;
    for (int shift = 24; shift >= 0; shift -= 8) {
        message += static_cast<char>((body.size() >> shift) & 0xFF);
    }
    return message + body;
}

ReceivedMessage readInstanceMessage(std::string_view received) {
    using State = ReceivedMessage::State;
    if (received.size() > kInstanceMessageLimit) {
        return {State::Malformed, {}};
    }
    if (received.size() < kLengthSize) {
        return {};
    }
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < kLengthSize; ++i) {
        length = (length << 8) | static_cast<unsigned char>(received[i]);
    }
    if (length > kInstanceMessageLimit - kLengthSize) {
        return {State::Malformed, {}};
    }
    const std::string_view body = received.substr(kLengthSize);
    if (body.size() < length) {
        return {};
    }
    if (body.size() > length || (!body.empty() && body.back() != '\0')) {
        return {State::Malformed, {}};
    }
    ReceivedMessage message{State::Whole, {}};
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = body.find('\0', start);
        message.texts.emplace_back(body.substr(start, end - start));
        start = end + 1;
    }
    return message;
}

} // namespace tavrio
