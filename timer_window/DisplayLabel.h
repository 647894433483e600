// The timer window's display label: a label that sizes itself to its text whenever the text or
// the font changes, with a transparent background, and whose font properties refuse values a
// label cannot take (a setter then returns false and nothing changes). For a screen reader it is
// named by the countdown in words.
#pragma once

#include "FontSpec.h"
#include "SpokenCountdown.h"

#include <QLabel>

#include <cstdint>
#include <optional>

namespace tavrio {

class DisplayLabel : public QLabel {
    Q_OBJECT

public:
    explicit DisplayLabel(QWidget* parent);

    void setCaption(const QString& text);
    // The accessible name for the countdown shown, the words for the digits, as often as they may
    // change (spokenTextDue); the fixed texts say what they show.
    void speak(const Countdown& countdown, std::int64_t now);

    QString FontName() const;
    bool setFontName(const QString& family); // refuses the empty name

    float FontSize() const;
    bool setFontSize(float points); // refuses sizes outside 1 to 2048 points

    std::int32_t ForeColor() const;        // red + 256 × green + 65536 × blue
    bool setForeColor(std::int32_t color); // refuses values outside 0 to 0xFFFFFF

    bool FontBold() const;
    void setFontBold(bool bold);

    bool FontItalic() const;
    void setFontItalic(bool italic);

    // The font as the font dialog starts from it: the size rounded to whole points.
    FontSpec fontSpec() const;
    // Takes each value in turn; one it refuses leaves its own.
    void setFontSpec(const FontSpec& spec);

private:
    void setLabelFont(const QFont& font);

    std::optional<SpokenMoment> spoken_;
};

} // namespace tavrio
