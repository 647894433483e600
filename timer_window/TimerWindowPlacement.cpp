#include "TimerWindowPlacement.h"

#include "Conversions.h"
#include "QtRects.h"
#include "SettingsWriter.h"
#include "Twips.h"
#include "WindowEffects.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tavrio {

namespace {

// Between a new countdown's window and the one it was made from, in logical pixels.
constexpr int kGapBesideAnother = 12;

// The screens' available areas, the primary screen's first: it is the one to centre on.
std::vector<Rect> screenAreas() {
    std::vector<Rect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        areas.push_back(rectOf(primary->availableGeometry()));
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary) {
            areas.push_back(rectOf(screen->availableGeometry()));
        }
    }
    return areas;
}

} // namespace

TimerWindowPlacement::TimerWindowPlacement(QWidget& window, SettingsWriter& writer,
                                           std::string group, const RegionalSettings& regional)
    : window_(window)
    , writer_(writer)
    , group_(std::move(group))
    , regional_(regional) {
    window_.installEventFilter(this);
    WindowEffects::current().watchFrame(window_, [this] { noticeFrame(); });
    const auto follow = [this] {
        followScreens();
    };
    const auto watch = [this, follow](QScreen* screen) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, &window_, follow);
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    QObject::connect(qApp, &QGuiApplication::screenAdded, &window_,
                     [watch, follow](QScreen* screen) {
                         watch(screen);
                         follow();
                     });
    // Qt moves the window's handle to another screen before this arrives, but not the window.
    QObject::connect(qApp, &QGuiApplication::screenRemoved, &window_, follow, Qt::QueuedConnection);
}

void TimerWindowPlacement::restore(const StoredGeometry& stored, UnstoredClient unstoredClient) {
    chosen_ = stored;
    unstoredClient_ = std::move(unstoredClient);
    unstored_ = unstoredClient_(frame_);
    place();
}

void TimerWindowPlacement::placeBeside(const QRect& source, const std::vector<QRect>& others) {
    std::vector<Rect> corners;
    for (const QRect& other : others) {
        corners.push_back(rectOf(other));
    }
    const QScreen* screen = QGuiApplication::screenAt(source.center());
    const QRect area = (screen != nullptr ? screen : window_.screen())->availableGeometry();
    const QRect outer = outerGeometry();
    const Rect placed = placeForNewWindow(rectOf(source), outer.width(), outer.height(),
                                          rectOf(area), corners, kGapBesideAnother);
    chosen_.left = placed.left * kTwipsPerPixel;
    chosen_.top = placed.top * kTwipsPerPixel;
    userPlaceKept_ = true;
    place();
}

bool TimerWindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && !settled() &&
        (event->type() == QEvent::Show || event->type() == QEvent::Move)) {
        noticeFrame();
    }
    return QObject::eventFilter(watched, event);
}

bool TimerWindowPlacement::noticeFrame() {
    const std::optional<FrameExtents> frame = WindowEffects::current().frameExtents(window_);
    if (!frame || frame == frame_) {
        return false;
    }
    keepUserMove();
    frame_ = frame;
    unstored_ = unstoredClient_(frame_);
    place();
    return true;
}

void TimerWindowPlacement::placeAgain() {
    if (!noticeFrame()) {
        keepUserMove();
        place();
    }
}

void TimerWindowPlacement::followScreens() {
    // A window manager moves the windows of a screen taken away onto the others on its own. A
    // move from a place that is gone is taken for its; a move from a place still on the screens
    // (or the program's own drag) for the user's.
    if (!dragged_ && placed_ && movedByUser() &&
        !liesOnScreens(rectOf(outerOf(*placed_)), screenAreas())) {
        placed_->moveTopLeft(window_.geometry().topLeft());
    }
    placeAgain();
}

bool TimerWindowPlacement::movedByUser() const {
    // Before the frame is known the window manager may still shift the window as it frames it;
    // only the program's own drag is sure to be the user's then.
    return dragged_ || (frame_ && placed_ && window_.geometry().topLeft() != placed_->topLeft());
}

std::optional<TwipsRect> TimerWindowPlacement::takeUserResize() {
    if (!frame_ || !placed_ || window_.size() == placed_->size()) {
        return std::nullopt;
    }
    // A size the placement asked for may come back late, after a later one, from the window
    // manager's replies to earlier requests: that is not the user's.
    if (std::find(ownSizes_.begin(), ownSizes_.end(), window_.size()) != ownSizes_.end()) {
        return std::nullopt;
    }
    ownSizes_.clear();
    placed_->setSize(window_.size());
    const TwipsRect outer = outerTwips();
    chosen_.width = outer.width;
    chosen_.height = outer.height;
    return outer;
}

void TimerWindowPlacement::storeUserResize() {
    if (const std::optional<TwipsRect> outer = takeUserResize()) {
        save(Key::Width, outer->width);
        save(Key::Height, outer->height);
    }
}

bool TimerWindowPlacement::resizeAboutCentre(QSize client, bool theUsers) {
    const bool usersSize = theUsers || hasUserSize();
    const bool userPlace = hasUserPlace();
    if (!usersSize) {
        keepUserMove();
    }
    const QSize before = window_.size();
    const Rect resized = resizedClient(client);
    setClientGeometry(qRectOf(resized));
    if (!usersSize) {
        unstored_ = qRectOf(resized).size();
        return false;
    }
    // From what was asked for: the window manager may not have answered yet.
    const TwipsRect outer =
        tavrio::outerTwips(resized, frame_.value_or(FrameExtents{}), devicePixelRatio());
    chosen_.width = outer.width;
    chosen_.height = outer.height;
    if (userPlace) {
        chosen_.left = outer.left;
        chosen_.top = outer.top;
        userPlaceKept_ = true;
    }
    return qRectOf(resized).size() != before;
}

bool TimerWindowPlacement::fitsAboutCentre(QSize client) const {
    const Rect resized = resizedClient(client);
    return resized.width == client.width() && resized.height == client.height();
}

Rect TimerWindowPlacement::resizedClient(QSize client) const {
    return resizedAboutCentre(rectOf(window_.geometry()), {client.width(), client.height()},
                              frame_.value_or(FrameExtents{}), devicePixelRatio(), screenAreas());
}

bool TimerWindowPlacement::hasUserPlace() const {
    return movedByUser() || userPlaceKept_ || chosen_.placeApplied();
}

void TimerWindowPlacement::storeSize() {
    if (chosen_.width && chosen_.height) {
        save(Key::Width, *chosen_.width);
        save(Key::Height, *chosen_.height);
    }
}

void TimerWindowPlacement::storePlaceIfMoved() {
    if (const std::optional<TwipsRect> outer = placeToStore()) {
        save(Key::Left, outer->left);
        save(Key::Top, outer->top);
        notePlaceStored(*outer);
    }
}

void TimerWindowPlacement::save(Key key, std::int32_t twips) {
    writer_.save(group_, key, singleText(static_cast<float>(twips), regional_));
}

std::optional<TwipsRect> TimerWindowPlacement::placeToStore() const {
    if (movedByUser()) {
        return outerTwips();
    }
    if (userPlaceKept_) {
        TwipsRect kept = outerTwips();
        kept.left = chosen_.left.value_or(kept.left);
        kept.top = chosen_.top.value_or(kept.top);
        return kept;
    }
    return std::nullopt;
}

void TimerWindowPlacement::notePlaceStored(const TwipsRect& stored) {
    chosen_.left = stored.left;
    chosen_.top = stored.top;
    userPlaceKept_ = false;
    dragged_ = false;
    if (placed_) {
        placed_->moveTopLeft(window_.geometry().topLeft());
    }
}

QRect TimerWindowPlacement::outerGeometry() const {
    return frame_ ? outerOf(window_.geometry()) : window_.frameGeometry();
}

QRect TimerWindowPlacement::outerOf(const QRect& client) const {
    const FrameExtents frame = frame_.value_or(FrameExtents{});
    const double ratio = devicePixelRatio();
    const int left = static_cast<int>(std::floor(client.x() - frame.left / ratio));
    const int top = static_cast<int>(std::floor(client.y() - frame.top / ratio));
    const int right =
        static_cast<int>(std::ceil(client.x() + client.width() + frame.right / ratio));
    const int bottom =
        static_cast<int>(std::ceil(client.y() + client.height() + frame.bottom / ratio));
    return {left, top, right - left, bottom - top};
}

void TimerWindowPlacement::keepUserMove() {
    if (movedByUser()) {
        const TwipsRect outer = outerTwips();
        chosen_.left = outer.left;
        chosen_.top = outer.top;
        userPlaceKept_ = true;
    }
}

void TimerWindowPlacement::place() {
    const Rect client =
        placedClient(chosen_, {unstored_.width(), unstored_.height()},
                     frame_.value_or(FrameExtents{}), devicePixelRatio(), screenAreas());
    setClientGeometry(qRectOf(client));
}

void TimerWindowPlacement::setClientGeometry(const QRect& geometry) {
    placed_ = geometry;
    dragged_ = false;
    ownSizes_.push_back(geometry.size());
    // A window kept at a fixed size keeps it, at the new size.
    if (window_.minimumSize() == window_.maximumSize()) {
        window_.setFixedSize(geometry.size());
    }
    if (frame_) {
        window_.setGeometry(geometry);
    } else {
        // The frame is not known yet: the window manager puts the frame's corner where a window
        // is moved to before it is shown (and the frame is then fitted once it is known).
        window_.resize(geometry.size());
        window_.move(geometry.topLeft());
    }
}

TwipsRect TimerWindowPlacement::outerTwips() const {
    return tavrio::outerTwips(rectOf(window_.geometry()), frame_.value_or(FrameExtents{}),
                              devicePixelRatio());
}

double TimerWindowPlacement::devicePixelRatio() const {
    return window_.devicePixelRatioF();
}

} // namespace tavrio
