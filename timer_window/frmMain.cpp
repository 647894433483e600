#include "frmMain.h"

#include "ApplyWindowAlpha.h"
#include "BackgroundKey.h"
#include "Conversions.h"
#include "LabelLayout.h"
#include "Program.h"
#include "ProgramTexts.h"
#include "RemainingTime.h"
#include "ScreenFit.h"
#include "Twips.h"
#include "WindowEffects.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>

#include <vector>

namespace tavrio {

namespace {

constexpr QSize kDesignClientSize{4680 / kTwipsPerPixel, 1410 / kTwipsPerPixel};
constexpr QRect kDesignLabelGeometry{615 / kTwipsPerPixel, 360 / kTwipsPerPixel,
                                     1335 / kTwipsPerPixel, 360 / kTwipsPerPixel};
constexpr int kDesignBorderStyle = 5;
// Larger than any screen, and within what X11 can take.
constexpr int kLargestOuterSize = 32767;

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

std::vector<Rect> screenAreas() {
    std::vector<Rect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(rectOf(screen->availableGeometry()));
    }
    return areas;
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
    , program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(qs(std::string{kTimerCaptionPrefix}) + QStringLiteral("??"));
    setWindowIcon(programIcon());
    resize(kDesignClientSize);
    setAutoFillBackground(true);
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

    move(centredFramePosition({}));

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

// Each read applies its key or, when the text does not convert or the window refuses the value,
// leaves what was there and goes on with the next key.
void frmMain::loadSettings() {
    SettingsStore& store = program_.store;
    const RegionalSettings& regional = program_.regional;
    SharedValues& shared = program_.shared;

    if (const auto style = toInt16(readSetting(store, Key::BS), regional)) {
        setBorderStyle(*style);
    }
    setWindowTitle(qs(std::string{kTimerCaptionPrefix} + readSetting(store, Key::What)));
    if (const auto date = toDate(readSetting(store, Key::tvDate), regional)) {
        shared.TargetDate = *date;
    }
    if (const auto time = toDate(readSetting(store, Key::tvTime), regional)) {
        shared.TargetTime = *time;
    }
    // A stored opacity that does not convert would leave the window invisible and unclickable
    // with no way back but the settings file; it falls back to opaque instead.
    shared.Opacity = toByte(readSetting(store, Key::tvTrans), regional).value_or(255);
    if (const auto hide = toBoolean(readSetting(store, Key::tvHide), regional)) {
        shared.HideBackground = *hide;
    }
    if (const auto size = toSingle(readSetting(store, Key::FontSize), regional)) {
        Label1->setFontSize(*size);
    }
    Label1->setFontName(qs(readSetting(store, Key::FontName, Label1->FontName().toStdString())));
    if (const auto color = toInt32(readSetting(store, Key::FontColor), regional)) {
        Label1->setForeColor(*color);
    }
    if (const auto bold = toBoolean(readSetting(store, Key::FontBold), regional)) {
        Label1->setFontBold(*bold);
    }
    if (const auto italic = toBoolean(readSetting(store, Key::FontItalic), regional)) {
        Label1->setFontItalic(*italic);
    }
    Form_Resize();
    restorePlace();

    shared.SettingsLoaded = true;
    ApplyWindowAlpha(*this, shared.Opacity, shared.HideBackground);
    placeTopmost();
}

void frmMain::restorePlace() {
    SettingsStore& store = program_.store;
    const RegionalSettings& regional = program_.regional;

    const auto left = toInt32(readSetting(store, Key::Left), regional);
    const auto top = toInt32(readSetting(store, Key::Top), regional);
    if ((left && *left != 0) || (top && *top != 0)) {
        centredByDesign_ = false;
    }
    if (left && *left != 0) {
        move(pixelsFromTwips(*left), pos().y());
    }
    if (top && *top != 0) {
        move(pos().x(), pixelsFromTwips(*top));
    }
    const auto width = toInt32(readSetting(store, Key::Width), regional);
    const auto height = toInt32(readSetting(store, Key::Height), regional);
    const bool widthRestored =
        width && *width != 0 && setOuterSize(pixelsFromTwips(*width), frameGeometry().height());
    const bool heightRestored =
        height && *height != 0 && setOuterSize(frameGeometry().width(), pixelsFromTwips(*height));
    // Before the window manager has framed the window its frame is unknown: the restored outer
    // size is applied again once it is, for the dimensions that were stored (-1 for the others).
    if ((widthRestored || heightRestored) && borderStyle_ != 0 &&
        frameGeometry().size() == size()) {
        pendingOuterSize_ = QSize{widthRestored ? frameGeometry().width() : -1,
                                  heightRestored ? frameGeometry().height() : -1};
    }

    // A place stored while another monitor was attached must not leave the window unreachable.
    broughtBack_ = bringOnScreen();
    intendedPlace_ = pos();
}

QPoint frmMain::centredFramePosition(const QMargins& frame) const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() - QRect{{}, size().grownBy(frame)}.center()
                  : pos();
}

void frmMain::keepOnScreen() {
    (void)bringOnScreen();
}

bool frmMain::bringOnScreen() {
    const Rect frame = rectOf(frameGeometry());
    const Rect reachable = keepReachable(frame, screenAreas());
    if (reachable == frame) {
        return false;
    }
    move(reachable.left, reachable.top);
    return true;
}

void frmMain::watchScreens() {
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &frmMain::keepOnScreen);
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
        watch(screen);
        keepOnScreen();
    });
    // Qt moves the window's handle to another screen before this arrives, but not the window.
    connect(qApp, &QGuiApplication::screenRemoved, this, &frmMain::keepOnScreen,
            Qt::QueuedConnection);
}

bool frmMain::setOuterSize(int width, int height) {
    if (width <= 0 || height <= 0 || width > kLargestOuterSize || height > kLargestOuterSize) {
        return false;
    }
    const QSize frameExtra = frameGeometry().size() - size();
    setClientSize({width - frameExtra.width(), height - frameExtra.height()});
    return true;
}

void frmMain::setClientSize(QSize client) {
    client = client.expandedTo({1, 1});
    if (hasFixedSize(borderStyle_)) {
        setFixedSize(client);
    } else {
        resize(client);
    }
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
    // Some platforms frame the window as it is created, and no move follows. Not at once: on
    // X11 the geometry Qt holds right after showing is not yet the one the server has.
    QTimer::singleShot(0, this, &frmMain::noticeFrame);
}

void frmMain::Form_Resize() {
    centreLabel();
    if (program_.shared.SettingsLoaded) {
        // A failed write is retried with the next size change; nothing else depends on it.
        (void)saveSetting(program_.store, Key::Width,
                          singleText(static_cast<float>(outerWidthTwips()), program_.regional));
        (void)saveSetting(program_.store, Key::Height,
                          singleText(static_cast<float>(outerHeightTwips()), program_.regional));
    }
}

void frmMain::Timer1_Timer() {
    const std::string text =
        RemainingTimeText(program_.shared.TargetDate, program_.shared.TargetTime, program_.now());
    Label1->setCaption(qs(text));
    centreLabel();
    emit displayed(Label1->text());
}

void frmMain::centreLabel() {
    const TwipsPoint place = centredLabelPosition(
        static_cast<float>(twipsFromPixels(width())), static_cast<float>(twipsFromPixels(height())),
        static_cast<float>(twipsFromPixels(Label1->width())),
        static_cast<float>(twipsFromPixels(Label1->height())));
    Label1->move(pixelsFromTwips(place.left), pixelsFromTwips(place.top));
    BackgroundKey::refresh(*this);
}

void frmMain::armTimer() {
    const auto intoSecond = static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
    // One millisecond past the boundary, so the tick never reads the second that is ending.
    Timer1.start(1001 - intoSecond);
}

void frmMain::Form_QueryUnload() {
    program_.writer.save(Key::Left, singleText(static_cast<float>(leftTwips()), program_.regional));
    program_.writer.save(Key::Top, singleText(static_cast<float>(topTwips()), program_.regional));
    if (!program_.shared.Updating) {
        program_.forms->endProgram();
    }
}

void frmMain::Form_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    switch (button) {
    case Qt::RightButton:
        program_.forms->showPopupMenu(globalPosition);
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

double frmMain::leftTwips() const {
    return twipsFromPixels(frameGeometry().x());
}
double frmMain::topTwips() const {
    return twipsFromPixels(frameGeometry().y());
}
double frmMain::outerWidthTwips() const {
    return twipsFromPixels(frameGeometry().width());
}
double frmMain::outerHeightTwips() const {
    return twipsFromPixels(frameGeometry().height());
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
    noticeFrame();
}

void frmMain::noticeFrame() {
    if (framed_) {
        return;
    }
    // Qt's own frame geometry is unreliable while X11 reparents the window; the window manager's
    // word is not.
    const std::optional<QMargins> frame = WindowEffects::current().frameExtents(*this);
    if (!frame || frame->isNull()) {
        return;
    }
    // The window manager has just framed the window: the design centring, the restored place and
    // size and a window brought back on screen were all placed without the frame. The place is
    // set again from what was intended, not from where Qt thinks the window is at this moment.
    framed_ = true;
    if (pendingOuterSize_) {
        const QSize outer = *pendingOuterSize_;
        pendingOuterSize_.reset();
        const QSize extra{frame->left() + frame->right(), frame->top() + frame->bottom()};
        setClientSize({outer.width() < 0 ? width() : outer.width() - extra.width(),
                       outer.height() < 0 ? height() : outer.height() - extra.height()});
    }
    // Placed as a client area inside the known frame: Qt would convert a frame position with the
    // frame it believes in, which at this moment may still be none.
    const QPoint frameTopLeft = centredByDesign_ ? centredFramePosition(*frame) : intendedPlace_;
    Rect outer = rectOf(QRect{frameTopLeft, size().grownBy(*frame)});
    // A window brought back on screen without its frame is brought wholly on screen with it,
    // rather than left with the frame's edge off the screen.
    if (broughtBack_) {
        outer = moveOntoNearest(outer, screenAreas());
    }
    setGeometry(QRect{QPoint{outer.left + frame->left(), outer.top + frame->top()}, size()});
}

} // namespace tavrio
