// The character scanning every reader of stored and typed text shares: what counts as a blank and
// as a digit, trimming, and comparing words without regard to letter case. Only ASCII counts, so
// that the readers behave the same whatever locale the C library was left in.
#pragma once

#include <string_view>

namespace tavrio {

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An ASCII capital as its small letter; every other byte as it is.
constexpr char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text without the blanks at either end.
std::string_view trimBlanks(std::string_view text);

// Equal when ASCII letters are folded to one case; other bytes must match exactly.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Removes the prefix from the front of the text when the text starts with it; an empty prefix is
// never taken.
bool takePrefix(std::string_view& text, std::string_view prefix);

} // namespace tavrio
