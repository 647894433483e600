#include "frmMain.h"

#include "ApplyWindowAlpha.h"
#include "Conversions.h"
#include "LabelLayout.h"
#include "Program.h"
#include "ProgramTexts.h"
#include "RemainingTime.h"
#include "ScreenFit.h"
#include "SpokenCountdownText.h"
#include "StoredLook.h"
#include "TimerWindowAccessible.h"
#include "Twips.h"
#include "WindowEffects.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

namespace tavrio {

namespace {

constexpr QSize kDesignClientSize{4680 / kTwipsPerPixel, 1410 / kTwipsPerPixel};
constexpr QRect kDesignLabelGeometry{615 / kTwipsPerPixel, 360 / kTwipsPerPixel,
                                     1335 / kTwipsPerPixel, 360 / kTwipsPerPixel};
constexpr int kDesignBorderStyle = 5;

Qt::WindowFlags windowFlagsFor(int style) {
    const Qt::WindowFlags captioned = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    Qt::WindowFlags flags;
    switch (style) {
    case 0:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case 1:
    case 2:
        flags = Qt::Window | captioned;
        break;
    case 3:
        flags = Qt::Dialog | captioned;
        break;
    default:
        flags = Qt::Tool | captioned;
        break;
    }
    return flags | Qt::WindowStaysOnTopHint;
}

bool hasFixedSize(int style) {
    return style == 1 || style == 3 || style == 4;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
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
    , Label1(new DisplayLabel(this))
    , program_(program)
    , placement_(*this) {
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

    QFont designFont(QStringLiteral("Arial"));
    designFont.setPointSizeF(15.75);
    designFont.setBold(true);
    designFont.setItalic(false);
    Label1->setFont(designFont);
    Label1->setGeometry(kDesignLabelGeometry);
    Label1->setText(QStringLiteral("3:01:23:45"));
    Label1->installEventFilter(this);

    placement_.restore({}, kDesignClientSize);
    WindowEffects::current().watchFrame(*this, [this] { noticeFrame(); });

    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1_Timer();
        armTimer();
    });
    armTimer();
    watchScreens();
}

void frmMain::showForm() {
    Form_Activate();
    if (!isVisible()) {
        placeTopmost();
    }
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
    setWindowTitle(timerCaption(qs(look.title)));
    shared.TargetDate = look.targetDate.value_or(shared.TargetDate);
    shared.TargetTime = look.targetTime.value_or(shared.TargetTime);
    shared.Opacity = look.opacity;
    shared.HideBackground = look.hideBackground.value_or(shared.HideBackground);
    if (look.fontSize) {
        Label1->setFontSize(*look.fontSize);
    }
    Label1->setFontName(qs(look.fontName));
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
    ApplyWindowAlpha(*this, shared.Opacity, shared.HideBackground);
    placeTopmost();
}

void frmMain::restorePlace(const StoredLook& look) {
    firstStart_ = look.firstStart;
    QSize unstoredClient = kDesignClientSize;
    if (firstStart_) {
        // Measured on the text the window is about to show.
        Label1->setCaption(RemainingTimeText(program_.shared.TargetDate, program_.shared.TargetTime,
                                             program_.now()));
        unstoredClient = fitToText(placement_.frame());
    }
    placement_.restore(look.place, unstoredClient);
}

QSize frmMain::fitToText(const std::optional<FrameExtents>& frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return kDesignClientSize;
    }
    const Rect area = rectOf(screen->availableGeometry());
    // The text's width is not quite proportional to its size: a few rounds close the gap.
    TextFit fit;
    for (int round = 0; round < 4; ++round) {
        fit = fitText({Label1->width(), Label1->height()}, frame.value_or(FrameExtents{}),
                      devicePixelRatioF(), area);
        if (fit.textScale >= 1.0 ||
            !Label1->setFontSize(static_cast<float>(Label1->FontSize() * fit.textScale))) {
            break;
        }
    }
    return {fit.client.width, fit.client.height};
}

void frmMain::keepOnScreen() {
    placement_.placeAgain();
}

void frmMain::watchScreens() {
    const auto follow = [this] {
        placement_.followScreens();
    };
    const auto watch = [this, follow](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, follow);
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qApp, &QGuiApplication::screenAdded, this, [watch, follow](QScreen* screen) {
        watch(screen);
        follow();
    });
    // Qt moves the window's handle to another screen before this arrives, but not the window.
    connect(qApp, &QGuiApplication::screenRemoved, this, follow, Qt::QueuedConnection);
}

bool frmMain::setBorderStyle(int style) {
    if (style < 0 || style > 5) {
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
    speak(countdownAt(shared.TargetDate, shared.TargetTime, now), linearSeconds(now));
    emit displayed(Label1->text());
}

void frmMain::speak(const Countdown& countdown, std::int64_t now) {
    if (!spokenTextDue(spoken_, countdown, now)) {
        return;
    }
    spoken_ = SpokenMoment{countdown, now};
    // The fixed texts say what they show.
    const QString spoken = countdown.state == Countdown::State::Running
                               ? spokenTimeLeft(countdown.remaining)
                               : Label1->text();
    // Every new name is announced to the screen reader, also an unchanged one.
    if (Label1->accessibleName() != spoken) {
        Label1->setAccessibleName(spoken);
    }
}

void frmMain::centreLabel() {
    const TwipsPoint place = centredLabelPosition(
        static_cast<float>(twipsFromPixels(width())), static_cast<float>(twipsFromPixels(height())),
        static_cast<float>(twipsFromPixels(Label1->width())),
        static_cast<float>(twipsFromPixels(Label1->height())));
    Label1->move(pixelsFromTwips(place.left), pixelsFromTwips(place.top));
}

void frmMain::armTimer() {
    const auto intoSecond = static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
    // One millisecond past the boundary, so the tick never reads the second that is ending.
    Timer1.start(1001 - intoSecond);
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

void frmMain::Form_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    switch (button) {
    case Qt::RightButton:
        program_.forms->showPopupMenu(globalPosition, false);
        break;
    case Qt::LeftButton:
        // Moved by hand rather than by a window-manager move: that one, started on a press,
        // can stick to the pointer after a quick click and swallows double-clicks.
        dragOffset_ = globalPosition - frameGeometry().topLeft();
        break;
    default:
        break;
    }
}

void frmMain::Label1_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    Form_MouseDown(button, globalPosition);
}

void frmMain::Form_DblClick() {
    program_.forms->showSettingsWindow();
}

void frmMain::Label1_DblClick() {
    Form_DblClick();
}

bool frmMain::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const int step = shift ? 10 : 1;
    QPoint by;
    switch (key) {
    case Qt::Key_F10:
        if (!shift) {
            return false;
        }
        [[fallthrough]];
    case Qt::Key_Menu:
        program_.forms->showPopupMenu(mapToGlobal(rect().center()), true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Form_DblClick();
        return true;
    case Qt::Key_Left:
        by = {-step, 0};
        break;
    case Qt::Key_Right:
        by = {step, 0};
        break;
    case Qt::Key_Up:
        by = {0, -step};
        break;
    case Qt::Key_Down:
        by = {0, step};
        break;
    default:
        return false;
    }
    placement_.noteUserDrag();
    move(pos() + by);
    return true;
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
    if (dragOffset_ && event->buttons().testFlag(Qt::LeftButton)) {
        placement_.noteUserDrag();
        move(event->globalPosition().toPoint() - *dragOffset_);
    }
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragOffset_.reset();
    }
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

void frmMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!placement_.settled()) {
        noticeFrame();
    }
}

void frmMain::noticeFrame() {
    if (placement_.noticeFrame() && firstStart_) {
        // The text is fitted again with the frame it now has.
        placement_.setUnstoredClient(fitToText(placement_.frame()));
        placement_.placeAgain();
    }
}

} // namespace tavrio
