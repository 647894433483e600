// The timer window's display label: a label that sizes itself to its text whenever the text or
// the font changes, with a transparent background, and whose font properties refuse values a
// label cannot take (a setter then returns false and nothing changes). For a screen reader it is
// named by the countdown in words.
#pragma once

#include "FontSpec.h"
#include "SpokenCountdown.h"
#include "StoredLook.h"

#include <QLabel>

#include <cstdint>
#include <optional>

namespace tavrio {

class DisplayLabel : public QLabel {
    Q_OBJECT

public:
    // As designed: Arial, 15.75 points, bold, in the window's upper left.
    explicit DisplayLabel(QWidget* parent);

    void setCaption(const QString& text);
    // Centred in the window, in twips, at the size it has; a label larger than the window is cut
    // off equally on both sides.
    void centre();
    // The client size that shows the whole text with room around it.
    QSize wholeTextClient() const;
    // The text reaches past the window's client area.
    bool cutOff() const;
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

    // Each value of the font the store gives; one it does not give or the label refuses leaves
    // what was there.
    void setStoredFont(const StoredLook& look);
    // The font as the font dialog starts from it: the size rounded to whole points.
    FontSpec fontSpec() const;
    // Takes each value in turn; one it refuses leaves its own.
    void setFontSpec(const FontSpec& spec);

signals:
    // The label's own presses and double-clicks; its moves and releases reach the window.
    void MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setLabelFont(const QFont& font);

    std::optional<SpokenMoment> spoken_;
};

} // namespace tavrio
