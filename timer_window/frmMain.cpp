#include "frmMain.h"

#include "ApplyWindowAlpha.h"
#include "BorderStyleFlags.h"
#include "Conversions.h"
#include "DisplayLabel.h"
#include "FirstStartFit.h"
#include "LabelLayout.h"
#include "Program.h"
#include "ProgramTexts.h"
#include "RemainingTime.h"
#include "SettingKeys.h"
#include "StoredLook.h"
#include "TimerWindowAccessible.h"
#include "Twips.h"
#include "WindowEffects.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

namespace tavrio {

namespace {

constexpr QSize kDesignClientSize{4680 / kTwipsPerPixel, 1410 / kTwipsPerPixel};
constexpr QRect kDesignLabelGeometry{615 / kTwipsPerPixel, 360 / kTwipsPerPixel,
                                     1335 / kTwipsPerPixel, 360 / kTwipsPerPixel};
constexpr int kDesignBorderStyle = 5;

QFont designFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(15.75);
    font.setBold(true);
    font.setItalic(false);
    return font;
}

} // namespace

QIcon frmMain::programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 128}) {
        icon.addFile(QStringLiteral(":/icons/tavrio-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

frmMain::frmMain(Program& program)
    : QWidget(nullptr, windowFlagsFor(kDesignBorderStyle))
    , program_(program)
    , Label1(new DisplayLabel(this))
    , placement_(*this)
    , input_(*this, placement_, program) {
    installTimerWindowAccessibility();
    setAttribute(Qt::WA_DeleteOnClose);
    // Clicking the window or the window manager's activation gives it the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(timerCaption(QStringLiteral("??")));
    setWindowIcon(programIcon());
    resize(kDesignClientSize);
    setAutoFillBackground(true);
    // Before the window exists: a compositor that runs, now or later, can then show a hidden
    // background as true transparency.
    WindowEffects::current().offerAlphaChannel(*this);
    QPalette background = palette();
    background.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(background);

    Q_SET_OBJECT_NAME(Label1);
    Label1->setFont(designFont());
    Label1->setGeometry(kDesignLabelGeometry);
    Label1->setText(QStringLiteral("3:01:23:45"));
    Label1->installEventFilter(this);

    placement_.restore({}, kDesignClientSize);
    WindowEffects::current().watchFrame(*this, [this] { noticeFrame(); });
    connect(&Timer1, &SecondTicker::tick, this, &frmMain::Timer1_Timer);
}

void frmMain::showForm() {
    Form_Activate();
    if (!isVisible()) {
        placeTopmost();
    }
}

void frmMain::refreshNow() {
    Timer1_Timer();
}

void frmMain::setTitle(const QString& title) {
    setWindowTitle(timerCaption(title));
}

void frmMain::showTranslucency(std::uint8_t opacity, bool hideBackground) {
    ApplyWindowAlpha(*this, opacity, hideBackground);
}

FontSpec frmMain::labelFont() const {
    return Label1->fontSpec();
}

void frmMain::showFont(const FontSpec& font) {
    Label1->setFontSpec(font);
}

void frmMain::activate() {
    if (isVisible()) {
        WindowEffects::current().activate(*this);
    }
}

void frmMain::bringBack() {
    program_.shared.Opacity = 255;
    showTranslucency(program_.shared.Opacity, program_.shared.HideBackground);
    // A window minimised by the window manager (whose frame may offer a minimise button) has no
    // taskbar entry to come back from.
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    placement_.placeAgain();
    show();
    raise();
    activate();
}

void frmMain::Form_Activate() {
    if (!program_.shared.SettingsLoaded) {
        loadSettings();
    }
    Timer1_Timer();
}

// Each value the store gives is applied; one it does not give (its text does not convert) or that
// the window refuses leaves what was there.
void frmMain::loadSettings() {
    SharedValues& shared = program_.shared;
    const StoredLook look =
        readStoredLook(program_.store, program_.regional, Label1->FontName().toStdString());
    if (look.borderStyle) {
        setBorderStyle(*look.borderStyle);
    }
    setTitle(QString::fromStdString(look.title));
    shared.TargetDate = look.targetDate.value_or(shared.TargetDate);
    shared.TargetTime = look.targetTime.value_or(shared.TargetTime);
    shared.Opacity = look.opacity;
    shared.HideBackground = look.hideBackground.value_or(shared.HideBackground);
    if (look.fontSize) {
        Label1->setFontSize(*look.fontSize);
    }
    Label1->setFontName(QString::fromStdString(look.fontName));
    if (look.fontColor) {
        Label1->setForeColor(*look.fontColor);
    }
    if (look.fontBold) {
        Label1->setFontBold(*look.fontBold);
    }
    if (look.fontItalic) {
        Label1->setFontItalic(*look.fontItalic);
    }
    Form_Resize();
    restorePlace(look);

    shared.SettingsLoaded = true;
    showTranslucency(shared.Opacity, shared.HideBackground);
    placeTopmost();
}

void frmMain::restorePlace(const StoredLook& look) {
    firstStart_ = look.firstStart;
    QSize unstoredClient = kDesignClientSize;
    if (firstStart_) {
        // Measured on the text the window is about to show.
        Label1->setCaption(RemainingTimeText(program_.shared.TargetDate, program_.shared.TargetTime,
                                             program_.now()));
        unstoredClient =
            fitToText(*Label1, placement_.frame(), devicePixelRatioF(), kDesignClientSize);
    }
    placement_.restore(look.place, unstoredClient);
}

void frmMain::noticeFrame() {
    if (placement_.noticeFrame() && firstStart_) {
        // The text is fitted again with the frame it now has.
        placement_.setUnstoredClient(
            fitToText(*Label1, placement_.frame(), devicePixelRatioF(), kDesignClientSize));
        placement_.placeAgain();
    }
}

bool frmMain::setBorderStyle(int style) {
    if (!keyInfo(Key::BS).range->contains(style)) {
        return false;
    }
    borderStyle_ = style;
    setWindowFlags(windowFlagsFor(style));
    keepSizeFixedIfStyled();
    return true;
}

void frmMain::keepSizeFixedIfStyled() {
    if (hasFixedSize(borderStyle_)) {
        setFixedSize(size());
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void frmMain::placeTopmost() {
    winId();
    WindowEffects::current().keepOutOfTaskbar(*this);
    show();
    raise();
    WindowEffects::current().flush();
}

// Stores the size when the user changed it: the placement's own changes (restoring the stored
// size, fitting it to the frame, bringing the window onto a screen) are not the user's choice.
void frmMain::Form_Resize() {
    centreLabel();
    if (!program_.shared.SettingsLoaded) {
        return;
    }
    if (const std::optional<TwipsRect> outer = placement_.takeUserResize()) {
        // A failed write is told once, and tried again with the next size change.
        program_.writer.save(Key::Width,
                             singleText(static_cast<float>(outer->width), program_.regional));
        program_.writer.save(Key::Height,
                             singleText(static_cast<float>(outer->height), program_.regional));
    }
}

void frmMain::Timer1_Timer() {
    const SharedValues& shared = program_.shared;
    const DateValue now = program_.now();
    Label1->setCaption(RemainingTimeText(shared.TargetDate, shared.TargetTime, now));
    centreLabel();
    Label1->speak(countdownAt(shared.TargetDate, shared.TargetTime, now), linearSeconds(now));
    emit displayed(Label1->text());
}

void frmMain::centreLabel() {
    const TwipsPoint place = centredLabelPosition(
        static_cast<float>(twipsFromPixels(width())), static_cast<float>(twipsFromPixels(height())),
        static_cast<float>(twipsFromPixels(Label1->width())),
        static_cast<float>(twipsFromPixels(Label1->height())));
    Label1->move(pixelsFromTwips(place.left), pixelsFromTwips(place.top));
}

void frmMain::Form_QueryUnload() {
    storePlaceIfMoved();
    if (!program_.shared.Updating) {
        program_.forms->endProgram();
    }
}

void frmMain::storePlaceIfMoved() {
    if (const std::optional<TwipsRect> outer = placement_.placeToStore()) {
        program_.writer.save(Key::Left,
                             singleText(static_cast<float>(outer->left), program_.regional));
        program_.writer.save(Key::Top,
                             singleText(static_cast<float>(outer->top), program_.regional));
        placement_.notePlaceStored(*outer);
    }
}

void frmMain::hideAtEnd() {
    storePlaceIfMoved();
    Timer1.stop();
    hide();
}

void frmMain::Form_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    input_.press(button, globalPosition);
}

void frmMain::Label1_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    Form_MouseDown(button, globalPosition);
}

void frmMain::Form_DblClick() {
    input_.doubleClick();
}

void frmMain::Label1_DblClick() {
    Form_DblClick();
}

bool frmMain::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    return input_.keyDown(key, modifiers);
}

TwipsRect frmMain::outerGeometryTwips() const {
    const QRect client = geometry();
    return outerTwips({client.x(), client.y(), client.width(), client.height()},
                      placement_.frame().value_or(FrameExtents{}), devicePixelRatioF());
}

QRect frmMain::outerGeometry() const {
    return placement_.outerGeometry();
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QWidget::event(event);
}

// Until the window manager has framed the window, every move and show may be the moment; later
// the window manager announces a new frame itself (WindowEffects::watchFrame).
void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placement_.settled()) {
        noticeFrame();
    }
}

void frmMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!placement_.settled()) {
        noticeFrame();
    }
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The resize Qt delivers when the window is first shown changes no size, and comes before
    // the window manager has added the frame whose outer size would be stored.
    if (event->oldSize().isValid()) {
        Form_Resize();
    } else {
        centreLabel();
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    QWidget::closeEvent(event);
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->globalPosition().toPoint());
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    input_.pointerMoved(event->buttons(), event->globalPosition().toPoint());
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
    input_.release(event->button());
}

void frmMain::mouseDoubleClickEvent(QMouseEvent*) {
    Form_DblClick();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (Form_KeyDown(event->key(), event->modifiers())) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// The label's own presses and double-clicks; its moves and releases reach the window anyway.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            Label1_MouseDown(press->button(), press->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            Label1_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavrio
