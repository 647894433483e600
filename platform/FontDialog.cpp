#include "FontDialog.h"

#include "ColorValue.h"
#include "WindowsFontRecords.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace tavrio {

namespace {

// The limits the Windows dialog is given, so a font chosen here would be taken there too.
constexpr double kSmallestSize = kFontDialogSmallestSize;
constexpr double kLargestSize = kFontDialogLargestSize;
constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kWeightRole = Qt::UserRole;
constexpr int kItalicRole = Qt::UserRole + 1;

const int kListedSizes[] = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

struct NamedColor {
    const char* name;
    QRgb rgb;
};

const NamedColor kStandardColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

QIcon swatchIcon(QColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

QColor qColorOf(std::int32_t value) {
    const Rgb rgb = rgbOf(value).value_or(Rgb{});
    return QColor(rgb.red, rgb.green, rgb.blue);
}

std::int32_t colorValueOf(QColor color) {
    return colorValue({static_cast<std::uint8_t>(color.red()),
                       static_cast<std::uint8_t>(color.green()),
                       static_cast<std::uint8_t>(color.blue())});
}

QListWidgetItem* findItem(const QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchFixedString);
    return found.isEmpty() ? nullptr : found.first();
}

// How far a style is from the weight and slant wanted: a change of slant or of bold versus
// regular weighs more than any difference of weight within them.
int styleDistance(const QString& family, const QString& style, int weight, bool italic) {
    const int styleWeight = QFontDatabase::weight(family, style);
    int distance = std::abs(styleWeight - weight);
    if (isBoldWeight(styleWeight) != isBoldWeight(weight)) {
        distance += 1000;
    }
    if (QFontDatabase::italic(family, style) != italic) {
        distance += 2000;
    }
    return distance;
}

} // namespace

FontDialog::FontDialog(const FontSpec& initial, QWidget* parent)
    : QDialog(parent)
    , pickCustomColor([](QWidget* owner, QColor current) -> std::optional<QColor> {
        const QColor picked = QColorDialog::getColor(current, owner, QStringLiteral("Color"));
        return picked.isValid() ? std::optional{picked} : std::nullopt;
    })
    , faceList(new QListWidget(this))
    , styleList(new QListWidget(this))
    , sizeEdit(new QLineEdit(this))
    , sizeList(new QListWidget(this))
    , customColorButton(new QPushButton(QStringLiteral("C&ustom..."), this))
    , sizeRefusal(new QLabel(this))
    , sample(new QLabel(QStringLiteral("AaBbYyZz"), this))
    , buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , color_(qColorOf(initial.Color)) {
    setWindowTitle(QStringLiteral("Font"));
    layOut();

    fillFaces(
        QString::fromStdString(initial.Name.empty() ? std::string{kFallbackFace} : initial.Name));
    fillStyles(initial.Bold ? kBoldWeight : kRegularWeight, initial.Italic);
    sizeEdit->setText(QLocale().toString(initial.Size));
    selectListedSize();
    chooseColor(color_);

    connect(faceList, &QListWidget::currentRowChanged, this, [this] {
        // A new face keeps the weight and slant chosen so far as nearly as it has them.
        const QListWidgetItem* style = styleList->currentItem();
        fillStyles(style ? style->data(kWeightRole).toInt() : kRegularWeight,
                   style && style->data(kItalicRole).toBool());
    });
    connect(styleList, &QListWidget::currentRowChanged, this, &FontDialog::refresh);
    connect(sizeEdit, &QLineEdit::textChanged, this, [this] {
        selectListedSize();
        refresh();
    });
    connect(sizeList, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) {
            sizeEdit->setText(text);
        }
    });
    connect(customColorButton, &QPushButton::clicked, this, &FontDialog::chooseCustomColor);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontDialog::reject);
    refresh();
}

void FontDialog::layOut() {
    auto* faceLabel = new QLabel(QStringLiteral("&Font:"), this);
    auto* styleLabel = new QLabel(QStringLiteral("Font st&yle:"), this);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), this);
    faceLabel->setBuddy(faceList);
    styleLabel->setBuddy(styleList);
    sizeLabel->setBuddy(sizeEdit);
    faceList->setAccessibleName(QStringLiteral("Font"));
    styleList->setAccessibleName(QStringLiteral("Font style"));
    sizeEdit->setAccessibleName(QStringLiteral("Size"));
    sizeEdit->setAccessibleDescription(QStringLiteral("From 10 to 72 points"));
    sizeList->setAccessibleName(QStringLiteral("Sizes"));
    sizeList->setFocusPolicy(Qt::ClickFocus);
    for (const int size : kListedSizes) {
        sizeList->addItem(QLocale().toString(size));
    }
    faceList->setMinimumWidth(200);
    styleList->setMinimumWidth(130);
    sizeList->setMaximumWidth(80);
    sizeEdit->setMaximumWidth(80);

    auto* choices = new QGridLayout;
    choices->addWidget(faceLabel, 0, 0);
    choices->addWidget(styleLabel, 0, 1);
    choices->addWidget(sizeLabel, 0, 2);
    choices->addWidget(faceList, 1, 0, 2, 1);
    choices->addWidget(styleList, 1, 1, 2, 1);
    choices->addWidget(sizeEdit, 1, 2);
    choices->addWidget(sizeList, 2, 2);

    auto* colorBox = new QGroupBox(QStringLiteral("Color"), this);
    auto* swatches = new QGridLayout;
    swatches->setSpacing(2);
    for (const NamedColor& named : kStandardColors) {
        auto* swatch = new QToolButton(colorBox);
        const QColor color(named.rgb);
        swatch->setIcon(swatchIcon(color));
        swatch->setCheckable(true);
        swatch->setAutoRaise(true);
        swatch->setToolTip(QString::fromLatin1(named.name));
        swatch->setAccessibleName(QString::fromLatin1(named.name));
        swatch->setProperty("swatchColor", color);
        connect(swatch, &QToolButton::clicked, this, [this, color] { chooseColor(color); });
        const auto index = static_cast<int>(colorSwatches.size());
        swatches->addWidget(swatch, index / 8, index % 8);
        colorSwatches.append(swatch);
    }
    customColorButton->setAccessibleName(QStringLiteral("Custom color"));
    auto* colorRow = new QHBoxLayout(colorBox);
    colorRow->addLayout(swatches);
    colorRow->addWidget(customColorButton, 0, Qt::AlignTop);
    colorRow->addStretch();

    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFixedHeight(110);
    sample->setMinimumWidth(240);
    sample->setAccessibleName(QStringLiteral("Sample"));
    sampleLayout->addWidget(sample);

    auto* column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addWidget(sizeRefusal);
    column->addWidget(colorBox);
    column->addWidget(sampleBox);
    column->addWidget(buttons);

    setTabOrder(faceList, styleList);
    setTabOrder(styleList, sizeEdit);
    QWidget* previous = sizeEdit;
    for (QToolButton* swatch : colorSwatches) {
        setTabOrder(previous, swatch);
        previous = swatch;
    }
    setTabOrder(previous, customColorButton);
    setTabOrder(customColorButton, buttons);
}

QPushButton* FontDialog::okButton() const {
    return buttons->button(QDialogButtonBox::Ok);
}

void FontDialog::fillFaces(const QString& wanted) {
    const QSignalBlocker blocker(faceList);
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family)) {
            faceList->addItem(family);
        }
    }
    // A face that is not installed starts as the one the system draws in its place, which is
    // what the label shows.
    QListWidgetItem* item = findItem(faceList, wanted);
    if (!item) {
        item = findItem(faceList, QFontInfo(QFont(wanted)).family());
    }
    if (item) {
        faceList->setCurrentItem(item);
        faceList->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }
}

void FontDialog::fillStyles(int weight, bool italic) {
    {
        const QSignalBlocker blocker(styleList);
        styleList->clear();
        if (const QListWidgetItem* face = faceList->currentItem()) {
            const QString family = face->text();
            // Lightest first, upright before slanted: Regular, Italic, Bold, Bold Italic.
            QStringList styles = QFontDatabase::styles(family);
            std::stable_sort(styles.begin(), styles.end(),
                             [&family](const QString& left, const QString& right) {
                                 return std::pair{QFontDatabase::weight(family, left),
                                                  QFontDatabase::italic(family, left)} <
                                        std::pair{QFontDatabase::weight(family, right),
                                                  QFontDatabase::italic(family, right)};
                             });
            int bestDistance = std::numeric_limits<int>::max();
            for (const QString& style : styles) {
                auto* item = new QListWidgetItem(style, styleList);
                item->setData(kWeightRole, QFontDatabase::weight(family, style));
                item->setData(kItalicRole, QFontDatabase::italic(family, style));
                const int distance = styleDistance(family, style, weight, italic);
                if (distance < bestDistance) {
                    bestDistance = distance;
                    styleList->setCurrentItem(item);
                }
            }
        }
    }
    refresh();
}

void FontDialog::selectListedSize() {
    const QSignalBlocker blocker(sizeList);
    if (QListWidgetItem* item = findItem(sizeList, sizeEdit->text().trimmed())) {
        sizeList->setCurrentItem(item);
        sizeList->scrollToItem(item);
    } else {
        sizeList->setCurrentRow(-1);
    }
}

void FontDialog::chooseColor(QColor color) {
    color_ = color;
    for (QToolButton* swatch : colorSwatches) {
        swatch->setChecked(swatch->property("swatchColor").value<QColor>() == color);
    }
    customColorButton->setIcon(swatchIcon(color));
    refresh();
}

void FontDialog::chooseCustomColor() {
    if (const auto picked = pickCustomColor(this, color_)) {
        chooseColor(*picked);
    }
}

std::optional<double> FontDialog::size() const {
    const QString text = sizeEdit->text().trimmed();
    bool ok = false;
    double points = QLocale().toDouble(text, &ok);
    if (!ok) {
        points = QLocale::c().toDouble(text, &ok);
    }
    if (!ok || !(points >= kSmallestSize && points <= kLargestSize)) {
        return std::nullopt;
    }
    return points;
}

std::optional<FontSpec> FontDialog::chosen() const {
    const QListWidgetItem* face = faceList->currentItem();
    const QListWidgetItem* style = styleList->currentItem();
    const auto points = size();
    if (!face || !style || !points) {
        return std::nullopt;
    }
    FontSpec spec;
    spec.Name = face->text().toStdString();
    spec.Size = wholePoints(*points).value_or(0);
    spec.Color = colorValueOf(color_);
    spec.Italic = style->data(kItalicRole).toBool();
    spec.Bold = isBoldWeight(style->data(kWeightRole).toInt());
    return spec;
}

void FontDialog::refresh() {
    const auto points = size();
    sizeRefusal->setText(points ? QString{}
                                : QStringLiteral("Size must be between 10 and 72 points."));
    okButton()->setEnabled(chosen().has_value());

    const QListWidgetItem* face = faceList->currentItem();
    const QListWidgetItem* style = styleList->currentItem();
    if (face && style) {
        QFont font = QFontDatabase::font(face->text(), style->text(), 12);
        font.setPointSizeF(points.value_or(sample->font().pointSizeF()));
        sample->setFont(font);
    }
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, color_);
    sample->setPalette(palette);
}

// Enter in the size box reaches here even while the size is out of range.
void FontDialog::accept() {
    if (!chosen()) {
        sizeEdit->setFocus();
        sizeEdit->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace tavrio
