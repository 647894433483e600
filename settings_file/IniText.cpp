#include "IniText.h"

#include <QByteArrayView>

#include <vector>

namespace tavrio {

namespace {

#ifdef Q_OS_WIN
constexpr QByteArrayView kEndOfLine = "\r\n";
#else
constexpr QByteArrayView kEndOfLine = "\n";
#endif

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

bool isHexDigit(char16_t ch) {
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

QByteArray hex(unsigned value) {
    return QByteArray::number(value, 16);
}

// A key or section name as Qt writes it: letters, digits, "_", "-" and "." as they are, "/"
// (Qt's group separator) as "\", and every other character as %XX or %UXXXX.
QByteArray escapedName(const QString& name) {
    QByteArray result;
    for (const QChar character : name) {
        const char16_t ch = character.unicode();
        if (ch == u'/') {
            result += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
                   (ch >= u'0' && ch <= u'9') || ch == u'_' || ch == u'-' || ch == u'.') {
            result += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            result += '%' + hex(ch).toUpper().rightJustified(2, '0');
        } else {
            result += "%U" + hex(ch).toUpper().rightJustified(4, '0');
        }
    }
    return result;
}

// The escape Qt writes for a character that has a named one; none for the others.
const char* namedEscape(char16_t ch) {
    switch (ch) {
    case u'\0':
        return "\\0";
    case u'\a':
        return "\\a";
    case u'\b':
        return "\\b";
    case u'\f':
        return "\\f";
    case u'\n':
        return "\\n";
    case u'\r':
        return "\\r";
    case u'\t':
        return "\\t";
    case u'\v':
        return "\\v";
    case u'"':
        return "\\\"";
    case u'\\':
        return "\\\\";
    default:
        return nullptr;
    }
}

// A leading "@" would start a typed value, so it is doubled; a text holding a null character is
// typed as a text.
QString untypedText(const QString& value) {
    if (value.contains(QChar::Null)) {
        return QStringLiteral("@String(") + value + u')';
    }
    return value.startsWith(u'@') ? u'@' + value : value;
}

// A text value as Qt writes it: control characters, quotes and backslashes escaped, the rest as
// UTF-8; quoted when it holds a character that would split it (",", ";", "=") or starts or ends
// with a blank.
QByteArray escapedValue(const QString& value) {
    const QString text = untypedText(value);
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        needsQuotes = needsQuotes || ch == u';' || ch == u',' || ch == u'=';
        // After "\x.." or "\0" a hex digit would be read as part of the escape.
        if (escapeNextIfHexDigit && isHexDigit(ch)) {
            result += "\\x" + hex(ch);
            continue;
        }
        escapeNextIfHexDigit = ch == u'\0';
        if (const char* escape = namedEscape(ch)) {
            result += escape;
        } else if (ch <= 0x1F) {
            result += "\\x" + hex(ch);
            escapeNextIfHexDigit = true;
        } else if (QChar::isHighSurrogate(ch) && i + 1 < text.size()) {
            result += text.sliced(i, 2).toUtf8();
            ++i;
        } else {
            result += QString(QChar(ch)).toUtf8();
        }
    }
    if (needsQuotes || (!result.isEmpty() && (result.front() == ' ' || result.back() == ' '))) {
        result = '"' + result + '"';
    }
    return result;
}

struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // where its first "=" outside quotes is, if it has one
};

// The next line as Qt's reader sees it, from `position` on: blank lines and comments skipped, a
// quoted text and an escaped line break running on over the end of a line, and an unquoted ";"
// ending it. False at the end of the text.
bool nextLine(QByteArrayView data, qsizetype& position, Line& line) {
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = position;
    while (start < size && isBlank(data[start])) {
        ++start;
    }
    qsizetype i = start;
    while (i < size) {
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && line.equals == -1) {
                line.equals = i - 1;
            }
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n')) {
                        ++i;
                    }
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r') {
                    ++i;
                }
                while (i < size && isBlank(data[i])) {
                    ++i;
                }
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    position = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// Where the section's lines for the key are, and where the section's last line ends (-1 when the
// text has no such section).
struct KeyPlace {
    std::vector<Line> keyLines;
    qsizetype sectionEnd = -1;
};

// Where the text's first line starts: after a UTF-8 byte order mark.
qsizetype textStart(QByteArrayView data) {
    return data.startsWith("\xef\xbb\xbf") ? 3 : 0;
}

// Whether a line that starts with '[' heads the named section.
bool headsSection(QByteArrayView header, const QByteArray& sectionName) {
    const qsizetype close = header.indexOf(']');
    return close > 0 && header.sliced(1, close - 1).trimmed() == sectionName;
}

// The section's name as written, unless it is one Qt keeps apart (its "General" group).
std::optional<QByteArray> ownSectionName(const QString& section) {
    QByteArray name = escapedName(section);
    if (name.isEmpty() || name.compare("general", Qt::CaseInsensitive) == 0) {
        return std::nullopt;
    }
    return name;
}

KeyPlace findKey(QByteArrayView data, const QByteArray& sectionName, const QByteArray& keyName) {
    KeyPlace found;
    bool inSection = false;
    qsizetype position = textStart(data);
    Line line;
    while (nextLine(data, position, line)) {
        const QByteArrayView content = data.sliced(line.start, line.length);
        if (content.startsWith('[')) {
            inSection = headsSection(content, sectionName);
        } else if (inSection && line.equals >= 0 &&
                   data.sliced(line.start, line.equals - line.start).trimmed() == keyName) {
            found.keyLines.push_back(line);
        }
        if (inSection) {
            found.sectionEnd = line.start + line.length;
        }
    }
    return found;
}

QByteArray withKeyLinesReplaced(QByteArrayView data, const std::vector<Line>& keyLines,
                                const QByteArray& entry) {
    QByteArray result;
    qsizetype copied = 0;
    for (const Line& keyLine : keyLines) {
        result.append(data.sliced(copied, keyLine.start - copied));
        result.append(entry);
        // Blanks before a comment on the same line stay between the two.
        copied = keyLine.start + data.sliced(keyLine.start, keyLine.length).trimmed().size();
    }
    result.append(data.sliced(copied));
    return result;
}

QByteArray withLineAfter(QByteArrayView data, qsizetype sectionEnd, const QByteArray& entry) {
    // After a comment that ends the section's last line, not before it.
    while (sectionEnd < data.size() && data[sectionEnd] != '\n' && data[sectionEnd] != '\r') {
        ++sectionEnd;
    }
    QByteArray result = data.first(sectionEnd).toByteArray();
    return result.append(kEndOfLine).append(entry).append(data.sliced(sectionEnd));
}

QByteArray withSectionAdded(QByteArray text, const QByteArray& sectionName,
                            const QByteArray& entry) {
    if (!text.isEmpty()) {
        if (!text.endsWith('\n') && !text.endsWith('\r')) {
            text.append(kEndOfLine);
        }
        text.append(kEndOfLine);
    }
    return text.append('[')
        .append(sectionName)
        .append(']')
        .append(kEndOfLine)
        .append(entry)
        .append(kEndOfLine);
}

} // namespace

std::optional<QByteArray> iniTextWithValue(const QByteArray& text, const QString& section,
                                           const QString& key, const QString& value) {
    const std::optional<QByteArray> sectionName = ownSectionName(section);
    if (!sectionName) {
        return std::nullopt;
    }
    const QByteArray keyName = escapedName(key);
    const QByteArray entry = keyName + '=' + escapedValue(value);
    const KeyPlace found = findKey(text, *sectionName, keyName);
    if (!found.keyLines.empty()) {
        return withKeyLinesReplaced(text, found.keyLines, entry);
    }
    if (found.sectionEnd >= 0) {
        return withLineAfter(text, found.sectionEnd, entry);
    }
    return withSectionAdded(text, *sectionName, entry);
}

std::optional<QByteArray> iniTextWithoutSection(const QByteArray& text, const QString& section) {
    const std::optional<QByteArray> sectionName = ownSectionName(section);
    if (!sectionName) {
        return std::nullopt;
    }
    QByteArray result;
    qsizetype copied = 0;
    qsizetype removingFrom = -1;
    qsizetype position = textStart(text);
    Line line;
    while (nextLine(text, position, line)) {
        const QByteArrayView content = QByteArrayView(text).sliced(line.start, line.length);
        if (!content.startsWith('[')) {
            continue;
        }
        if (removingFrom >= 0) {
            copied = line.start;
            removingFrom = -1;
        }
        if (headsSection(content, *sectionName)) {
            result.append(QByteArrayView(text).sliced(copied, line.start - copied));
            removingFrom = line.start;
        }
    }
    if (removingFrom < 0) {
        return result.append(QByteArrayView(text).sliced(copied));
    }
    // The blank line that parted the section from the one before goes with it, in whichever line
    // ends the file was written with.
    for (;;) {
        if (result.endsWith("\r\n\r\n")) {
            result.chop(2);
        } else if (result.endsWith("\n\n")) {
            result.chop(1);
        } else {
            return result;
        }
    }
}

} // namespace tavrio
