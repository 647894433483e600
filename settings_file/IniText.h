// The text of an INI settings file as Qt reads and writes it, edited in place: one value set,
// every other byte kept as it was (comments, order, layout), so that storing a value costs one
// new file and nothing of the user's is rewritten. Qt's own reader stays the judge: the store
// reads what comes out back before it puts it in place.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrio {

// The text with the key of the section set to the value, written as Qt writes it: the key's line
// replaced where the section has one, else a line added at the end of the section, else the
// section added at the end. None for the sections Qt names specially (the empty one and
// "General"), which this edit leaves to Qt.
std::optional<QByteArray> iniTextWithValue(const QByteArray& text, const QString& section,
                                           const QString& key, const QString& value);

// The text without the section: from its header to the next section's, each time it occurs, and
// a blank line left at the end of the text where it ended it. The text unchanged when it has no
// such section; none for the sections Qt names specially.
std::optional<QByteArray> iniTextWithoutSection(const QByteArray& text, const QString& section);

} // namespace tavrio
