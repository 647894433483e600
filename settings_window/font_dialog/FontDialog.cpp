#include "FontDialog.h"

#include "ColorValue.h"
#include "DialogsInReach.h"
#include "FontZoom.h"

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
#include <QScrollArea>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace tavrio {

namespace {

// The face the Windows font dialog is handed when no face was chosen.
constexpr char kFallbackFace[] = "Times New Roman";
constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kWeightRole = Qt::UserRole;
constexpr int kItalicRole = Qt::UserRole + 1;

const int kListedSizes[] = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The names are the tooltips and accessible names of the swatches.
const NamedColor kStandardColors[] = {
    //: A colour swatch in the font dialog (the sixteen standard colours), here #000000.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Black"), 0x000000},
    //: A colour swatch in the font dialog, here #800000 (dark red).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Maroon"), 0x800000},
    //: A colour swatch in the font dialog, here #008000 (dark green).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Green"), 0x008000},
    //: A colour swatch in the font dialog, here #808000 (dark yellow-green).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Olive"), 0x808000},
    //: A colour swatch in the font dialog, here #000080 (dark blue).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Navy"), 0x000080},
    //: A colour swatch in the font dialog, here #800080.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Purple"), 0x800080},
    //: A colour swatch in the font dialog, here #008080 (dark blue-green).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Teal"), 0x008080},
    //: A colour swatch in the font dialog, here #808080.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Gray"), 0x808080},
    //: A colour swatch in the font dialog, here #C0C0C0 (light grey).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Silver"), 0xC0C0C0},
    //: A colour swatch in the font dialog, here #FF0000.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Red"), 0xFF0000},
    //: A colour swatch in the font dialog, here #00FF00 (bright green).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Lime"), 0x00FF00},
    //: A colour swatch in the font dialog, here #FFFF00.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Yellow"), 0xFFFF00},
    //: A colour swatch in the font dialog, here #0000FF.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Blue"), 0x0000FF},
    //: A colour swatch in the font dialog, here #FF00FF (magenta).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Fuchsia"), 0xFF00FF},
    //: A colour swatch in the font dialog, here #00FFFF (cyan).
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "Aqua"), 0x00FFFF},
    //: A colour swatch in the font dialog, here #FFFFFF.
    {QT_TRANSLATE_NOOP("tavrio::FontDialog", "White"), 0xFFFFFF},
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

// Qt names a family that more than one foundry makes with the foundry ("P052 [urw]" beside
// "P052 [UKWN]"), where the desktop shows one family. Named alone, a family takes its styles
// from every foundry, and the label draws it as the desktop does.
QString desktopName(const QString& family) {
    const qsizetype foundry = family.lastIndexOf(QStringLiteral(" ["));
    return foundry > 0 && family.endsWith(u']') ? family.left(foundry) : family;
}

} // namespace

FontDialog::FontDialog(const FontSpec& initial, QWidget* parent)
    : QDialog(parent)
    , pickCustomColor([](QWidget* owner, QColor current) -> std::optional<QColor> {
        QColorDialog dialog(current, owner);
        //: The title of the colour dialog the font dialog opens for a colour of the user's own.
        dialog.setWindowTitle(tr("Color"));
        keptAboveAs(dialog, owner);
        return dialog.exec() == QDialog::Accepted ? std::optional{dialog.selectedColor()}
                                                  : std::nullopt;
    })
    , faceList(new QListWidget(this))
    , styleList(new QListWidget(this))
    , sizeEdit(new QLineEdit(this))
    , sizeList(new QListWidget(this))
    //: Font dialog: opens the colour dialog for a colour of the user's own.
    , customColorButton(new QPushButton(tr("C&ustom..."), this))
    , sizeRefusal(new QLabel(this))
    //: The sample text of the font dialog, drawn in the chosen font: a few letters of your
    //: script that show the font's look (Windows uses "AaBbYyZz" for the Latin script).
    , sample(new QLabel(tr("AaBbYyZz"), this))
    , buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , scroller_(new QScrollArea(this))
    , color_(qColorOf(initial.Color)) {
    //: The font dialog's caption.
    setWindowTitle(tr("Font"));
    layOut();

    fillFaces(
        QString::fromStdString(initial.Name.empty() ? std::string{kFallbackFace} : initial.Name));
    fillStyles(initial.Bold ? kBoldWeight : kRegularWeight, initial.Italic);
    // A size the dialog does not take (the timer window's 100-point default) starts as the
    // nearest it does, so that OK takes the dialog as it opens.
    sizeEdit->setText(
        QLocale().toString(std::clamp<int>(initial.Size, kSmallestChosenSize, kLargestChosenSize)));
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
    layOutPage(choicesGrid(), colorBox(), sampleBox());

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

// The face, style and size lists side by side, each under its caption.
QLayout* FontDialog::choicesGrid() {
    //: Font dialog: above the list of font families.
    auto* faceLabel = new QLabel(tr("&Font:"), this);
    //: Font dialog: above the list of the family's styles (Regular, Bold, Italic...).
    auto* styleLabel = new QLabel(tr("Font st&yle:"), this);
    //: Font dialog: above the box and the list of sizes in points.
    auto* sizeLabel = new QLabel(tr("&Size:"), this);
    faceLabel->setBuddy(faceList);
    styleLabel->setBuddy(styleList);
    sizeLabel->setBuddy(sizeEdit);
    //: What a screen reader calls the font dialog's list of font families.
    faceList->setAccessibleName(tr("Font"));
    //: What a screen reader calls the font dialog's list of styles.
    styleList->setAccessibleName(tr("Font style"));
    //: What a screen reader calls the font dialog's size box.
    sizeEdit->setAccessibleName(tr("Size"));
    //: What a screen reader says of the size box: the sizes it takes, in points.
    sizeEdit->setAccessibleDescription(tr("From %1 to %2 points")
                                           .arg(QLocale().toString(kSmallestChosenSize))
                                           .arg(QLocale().toString(kLargestChosenSize)));
    //: What a screen reader calls the font dialog's list of sizes.
    sizeList->setAccessibleName(tr("Sizes"));
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
    return choices;
}

// The sixteen swatches in two rows, and the button for a colour of the user's own.
QWidget* FontDialog::colorBox() {
    //: Font dialog: the group of colour swatches for the text.
    auto* box = new QGroupBox(tr("Color"), this);
    auto* swatches = new QGridLayout;
    swatches->setSpacing(2);
    for (const NamedColor& named : kStandardColors) {
        auto* swatch = new QToolButton(box);
        const QColor color(named.rgb);
        swatch->setIcon(swatchIcon(color));
        swatch->setCheckable(true);
        swatch->setAutoRaise(true);
        swatch->setToolTip(tr(named.name));
        swatch->setAccessibleName(tr(named.name));
        swatch->setProperty("swatchColor", color);
        connect(swatch, &QToolButton::clicked, this, [this, color] { chooseColor(color); });
        const auto index = static_cast<int>(colorSwatches.size());
        swatches->addWidget(swatch, index / 8, index % 8);
        colorSwatches.append(swatch);
    }
    //: What a screen reader calls the button for a colour of the user's own.
    customColorButton->setAccessibleName(tr("Custom color"));
    auto* row = new QHBoxLayout(box);
    row->addLayout(swatches);
    row->addWidget(customColorButton, 0, Qt::AlignTop);
    row->addStretch();
    return box;
}

QWidget* FontDialog::sampleBox() {
    //: Font dialog: the group that shows the sample text in the chosen font.
    auto* box = new QGroupBox(tr("Sample"), this);
    auto* column = new QVBoxLayout(box);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFixedHeight(110);
    sample->setMinimumWidth(240);
    sample->setAccessibleName(tr("Sample"));
    column->addWidget(sample);
    return box;
}

// Where the screen leaves the dialog less room than it would take (a small screen at a scale of
// 2), all but the buttons scrolls.
void FontDialog::layOutPage(QLayout* choices, QWidget* colors, QWidget* samples) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins({});
    column->addLayout(choices);
    column->addWidget(sizeRefusal);
    column->addWidget(colors);
    column->addWidget(samples);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);
    scroller_->setWidget(page);

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(scroller_);
    whole->addWidget(buttons);
}

// A scroll area asks for a share of the screen only; the dialog takes the whole page where the
// screen has room for it.
QSize FontDialog::sizeHint() const {
    const QSize missing = scroller_->widget()->sizeHint() - scroller_->sizeHint();
    return QDialog::sizeHint() + missing.expandedTo({0, 0});
}

QPushButton* FontDialog::okButton() const {
    return buttons->button(QDialogButtonBox::Ok);
}

void FontDialog::fillFaces(const QString& wanted) {
    const QSignalBlocker blocker(faceList);
    QSet<QString> listed;
    for (const QString& family : QFontDatabase::families()) {
        const QString name = desktopName(family);
        if (!QFontDatabase::isPrivateFamily(family) && !listed.contains(name)) {
            faceList->addItem(name);
            listed.insert(name);
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
    if (!ok || !(points >= kSmallestChosenSize && points <= kLargestChosenSize)) {
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
    sizeRefusal->setText(points ? QString{} //: Font dialog, under the size box while it holds a
                                            //: size out of range.
                                : tr("Size must be between %1 and %2 points.")
                                      .arg(QLocale().toString(kSmallestChosenSize))
                                      .arg(QLocale().toString(kLargestChosenSize)));
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
