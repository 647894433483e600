// The timer window's display label: a label that sizes itself to its text whenever the text or
// the font changes, with a transparent background, and whose font properties refuse values a
// label cannot take (a setter then returns false and nothing changes).
#pragma once

#include <QLabel>

#include <cstdint>

namespace tavrio {

class DisplayLabel : public QLabel {
    Q_OBJECT

public:
    explicit DisplayLabel(QWidget* parent);

    void setCaption(const QString& text);

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

private:
    void setLabelFont(const QFont& font);
};

} // namespace tavrio
