#include "frmMain.h"

#include "ApplyWindowAlpha.h"
#include "BorderStyle.h"
#include "CountdownState.h"
#include "DisplayLabel.h"
#include "FirstStartFit.h"
#include "Program.h"
#include "ProgramIcon.h"
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
constexpr int kDesignBorderStyle = 5;

} // namespace

frmMain::frmMain(Program& program, CountdownState& countdown)
    : QWidget(nullptr, windowFlagsFor(kDesignBorderStyle))
    , program_(program)
    , countdown_(countdown)
    , Label1(new DisplayLabel(this))
    , placement_(*this, program.writer, countdown.group, program.regional)
    , input_(*this, placement_, program, countdown) {
    installTimerWindowAccessibility();
    setAttribute(Qt::WA_DeleteOnClose);
    // Clicking the window or the window manager's activation gives it the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(timerCaption(QStringLiteral("??")));
    // The application's, where it has one: read once for all the windows.
    setWindowIcon(QApplication::windowIcon().isNull() ? programIcon() : QApplication::windowIcon());
    resize(kDesignClientSize);
    setAutoFillBackground(true);
    // Before the window exists: a compositor that runs, now or later, can then show a hidden
    // background as true transparency.
    WindowEffects::current().offerAlphaChannel(*this);
    QPalette background = palette();
    background.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    setPalette(background);

    Q_SET_OBJECT_NAME(Label1);
    connect(Label1, &DisplayLabel::MouseDown, this, &frmMain::Label1_MouseDown);
    connect(Label1, &DisplayLabel::DblClick, this, &frmMain::Label1_DblClick);

    placement_.restore({}, [](const auto&) { return kDesignClientSize; });
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
    countdown_.Opacity = 255;
    showTranslucency(countdown_.Opacity, countdown_.HideBackground);
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
    if (!countdown_.SettingsLoaded) {
        loadSettings();
    }
    Timer1_Timer();
}

// Each value the store gives is applied; one it does not give (its text does not convert) or that
// the window refuses leaves what was there.
void frmMain::loadSettings() {
    CountdownState& shared = countdown_;
    const StoredLook look = readStoredLook(program_.store, countdown_.group, program_.regional,
                                           Label1->FontName().toStdString());
    if (look.borderStyle) {
        setBorderStyle(*look.borderStyle);
    }
    setTitle(QString::fromStdString(look.title));
    shared.TargetDate = look.targetDate.value_or(shared.TargetDate);
    shared.TargetTime = look.targetTime.value_or(shared.TargetTime);
    shared.Opacity = look.opacity;
    shared.HideBackground = look.hideBackground.value_or(shared.HideBackground);
    Label1->setStoredFont(look);
    Form_Resize();
    restorePlace(look);

    shared.SettingsLoaded = true;
    showTranslucency(shared.Opacity, shared.HideBackground);
    placeTopmost();
}

void frmMain::restorePlace(const StoredLook& look) {
    if (!look.firstStart) {
        placement_.restore(look.place, [](const auto&) { return kDesignClientSize; });
        return;
    }
    // Measured on the text the window is about to show, and again with each frame it gets.
    Label1->setCaption(
        RemainingTimeText(countdown_.TargetDate, countdown_.TargetTime, program_.now()));
    placement_.restore(look.place, [this](const std::optional<FrameExtents>& frame) {
        return fitToText(*Label1, frame, devicePixelRatioF(), kDesignClientSize);
    });
}

bool frmMain::setBorderStyle(int style) {
    if (!keyInfo(Key::BS).range->contains(style)) {
        return false;
    }
    borderStyle_ = style;
    applyBorderStyle(*this, style);
    return true;
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
    Label1->centre();
    if (!countdown_.SettingsLoaded) {
        return;
    }
    placement_.storeUserResize();
}

void frmMain::Timer1_Timer() {
    const CountdownState& shared = countdown_;
    const DateValue now = program_.now();
    Label1->setCaption(RemainingTimeText(shared.TargetDate, shared.TargetTime, now));
    Label1->centre();
    Label1->speak(countdownAt(shared.TargetDate, shared.TargetTime, now), linearSeconds(now));
    emit displayed(Label1->text());
}

void frmMain::Form_QueryUnload() {
    placement_.storePlaceIfMoved();
    if (!countdown_.Updating) {
        program_.forms->endProgram();
    }
}

void frmMain::hideAtEnd() {
    placement_.storePlaceIfMoved();
    hide();
}

void frmMain::placeBeside(const QRect& source, const std::vector<QRect>& others) {
    placement_.placeBeside(source, others);
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

QRect frmMain::outerGeometry() const {
    return placement_.outerGeometry();
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QWidget::event(event);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The resize Qt delivers when the window is first shown changes no size, and comes before
    // the window manager has added the frame whose outer size would be stored.
    if (event->oldSize().isValid()) {
        Form_Resize();
    } else {
        Label1->centre();
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
    if (input_.keyDown(event->key(), event->modifiers())) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace tavrio
