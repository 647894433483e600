#include "DisplayLabel.h"

#include "ColorValue.h"
#include "LabelLayout.h"
#include "SpokenCountdownText.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPalette>

namespace tavrio {

namespace {

constexpr float kSmallestFontSize = 1.0f;
constexpr float kLargestFontSize = 2048.0f;

QFont designFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(15.75);
    font.setBold(true);
    font.setItalic(false);
    return font;
}

} // namespace

DisplayLabel::DisplayLabel(QWidget* parent)
    : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(false);
    setFont(designFont());
    setGeometry(pixelsFromTwips(615), pixelsFromTwips(360), pixelsFromTwips(1335),
                pixelsFromTwips(360));
    setText(QStringLiteral("3:01:23:45"));
}

void DisplayLabel::setCaption(const QString& text) {
    setText(text);
    adjustSize();
}

void DisplayLabel::centre() {
    const QWidget& window = *parentWidget();
    const TwipsPoint place =
        centredLabelPosition(static_cast<float>(twipsFromPixels(window.width())),
                             static_cast<float>(twipsFromPixels(window.height())),
                             static_cast<float>(twipsFromPixels(width())),
                             static_cast<float>(twipsFromPixels(height())));
    move(pixelsFromTwips(place.left), pixelsFromTwips(place.top));
}

void DisplayLabel::speak(const Countdown& countdown, std::int64_t now) {
    if (!spokenTextDue(spoken_, countdown, now)) {
        return;
    }
    spoken_ = SpokenMoment{countdown, now};
    QString spoken = text();
    if (countdown.state == Countdown::State::Running) {
        spoken = spokenTimeLeft(countdown.remaining);
    } else if (countdown.state == Countdown::State::CountingUp) {
        spoken = spokenTimeSince(countdown.since);
    }
    // Every new name is announced to the screen reader, also an unchanged one.
    if (accessibleName() != spoken) {
        setAccessibleName(spoken);
    }
}

QString DisplayLabel::FontName() const {
    return font().family();
}

bool DisplayLabel::setFontName(const QString& family) {
    if (family.isEmpty()) {
        return false;
    }
    QFont changed = font();
    changed.setFamily(family);
    setLabelFont(changed);
    return true;
}

float DisplayLabel::FontSize() const {
    return static_cast<float>(font().pointSizeF());
}

bool DisplayLabel::setFontSize(float points) {
    if (!(points >= kSmallestFontSize && points <= kLargestFontSize)) {
        return false;
    }
    QFont changed = font();
    changed.setPointSizeF(points);
    setLabelFont(changed);
    return true;
}

std::int32_t DisplayLabel::ForeColor() const {
    const QColor color = palette().color(QPalette::WindowText);
    return colorValue({static_cast<std::uint8_t>(color.red()),
                       static_cast<std::uint8_t>(color.green()),
                       static_cast<std::uint8_t>(color.blue())});
}

bool DisplayLabel::setForeColor(std::int32_t color) {
    const auto rgb = rgbOf(color);
    if (!rgb) {
        return false;
    }
    QPalette changed = palette();
    changed.setColor(QPalette::WindowText, QColor(rgb->red, rgb->green, rgb->blue));
    setPalette(changed);
    return true;
}

bool DisplayLabel::FontBold() const {
    return font().bold();
}

void DisplayLabel::setFontBold(bool bold) {
    QFont changed = font();
    changed.setBold(bold);
    setLabelFont(changed);
}

bool DisplayLabel::FontItalic() const {
    return font().italic();
}

void DisplayLabel::setFontItalic(bool italic) {
    QFont changed = font();
    changed.setItalic(italic);
    setLabelFont(changed);
}

void DisplayLabel::setStoredFont(const StoredLook& look) {
    if (look.fontSize) {
        setFontSize(*look.fontSize);
    }
    setFontName(QString::fromStdString(look.fontName));
    if (look.fontColor) {
        setForeColor(*look.fontColor);
    }
    if (look.fontBold) {
        setFontBold(*look.fontBold);
    }
    if (look.fontItalic) {
        setFontItalic(*look.fontItalic);
    }
}

FontSpec DisplayLabel::fontSpec() const {
    FontSpec spec;
    spec.Name = FontName().toStdString();
    if (const auto size = wholePoints(FontSize())) {
        spec.Size = *size;
    }
    spec.Color = ForeColor();
    spec.Bold = FontBold();
    spec.Italic = FontItalic();
    return spec;
}

void DisplayLabel::setFontSpec(const FontSpec& spec) {
    setFontName(QString::fromStdString(spec.Name));
    setFontSize(spec.Size);
    setForeColor(spec.Color);
    setFontBold(spec.Bold);
    setFontItalic(spec.Italic);
}

void DisplayLabel::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->globalPosition().toPoint());
}

void DisplayLabel::mouseDoubleClickEvent(QMouseEvent*) {
    emit DblClick();
}

void DisplayLabel::setLabelFont(const QFont& font) {
    setFont(font);
    adjustSize();
}

} // namespace tavrio
