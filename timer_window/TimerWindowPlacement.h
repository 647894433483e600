// Where the timer window goes, and which of its geometry is the user's. The rule: what is stored
// is what the user chose. The window is placed from the store (or centred where nothing is
// stored), placed again once the window manager has framed it and whenever the screens change,
// always wholly on a screen; none of that is the user's choice and none of it is stored. A move
// or a resize the user makes is: the place goes into the store on the way out (closing, Exit, the
// end of the session), the size at once.
//
// The arithmetic is the core's (WindowGeometry): client area in logical pixels, frame in device
// pixels, store in twips. This class keeps the state between the events that drive it and talks
// to Qt; it reads the window system only when it places the window, so that what it tells about
// the place can be asked when the display is already gone.
#pragma once

#include "WindowGeometry.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace tavrio {

class SettingsWriter;
enum class Key;
struct RegionalSettings;

class TimerWindowPlacement : public QObject {
    Q_OBJECT

public:
    // The client size where no size is stored, for the frame (in device pixels) as far as it is
    // known: asked again whenever the frame changes.
    using UnstoredClient = std::function<QSize(const std::optional<FrameExtents>& frame)>;

    // Follows the window's frame and the screens from the start: a monitor added or removed, a
    // resolution changed.
    // The place and size are stored in the group of the window's countdown.
    TimerWindowPlacement(QWidget& window, SettingsWriter& writer, std::string group,
                         const RegionalSettings& regional);

    // Takes what the store holds and places the window by it, with the frame as far as it is
    // known yet.
    void restore(const StoredGeometry& stored, UnstoredClient unstoredClient);

    // The window manager has framed the window: its place is final until the user or the screens
    // change it.
    bool settled() const { return frame_.has_value(); }

    // Places the window anew as the user chose it, wholly on a screen, when the user asks for it
    // back. A place the user moved the window to is kept as the user's, even when it must be
    // left for now.
    void placeAgain();

    // Places the window, frame included, beside `source` and clear of the corners of `others`
    // (ScreenFit's placeForNewWindow), as a place the user chose: it is stored on the way out.
    void placeBeside(const QRect& source, const std::vector<QRect>& others);

    // The window is being dragged by the program's own hand: a move of the user's, also where no
    // window manager says where the window is.
    void noteUserDrag() { dragged_ = true; }
    // The user moved the window since it was last placed.
    bool movedByUser() const;

    // After a size change: Width and Height are stored when the user made it, not when the
    // placement did. A failed write is told once, and tried again with the next size change.
    void storeUserResize();

    // Gives the client area this size about its centre, the whole window kept on a screen and
    // shrunk to it where it does not fit. The size is the user's where `theUsers` says so, or
    // where the user had a size (stored, resized, or given here before): then, as after a resize
    // by the frame, it is the size to store (storeSize), and the place moved about the centre is
    // the one to store on the way out, if the user had chosen one. Otherwise it stays the size
    // the window needs, not stored, as at a start where no size is stored. True when the user's
    // size changed.
    bool resizeAboutCentre(QSize client, bool theUsers);
    // The client area would get this size about its centre, and not be shrunk to the screen.
    bool fitsAboutCentre(QSize client) const;
    // Stores Width and Height as the user has them now.
    void storeSize();
    // On the way out: Left and Top are stored when the user moved the window since it was placed
    // (or had moved it before it had to be placed elsewhere), and only then.
    void storePlaceIfMoved();

    // The window with its frame, in logical pixels, as it would be stored (rounded outward).
    QRect outerGeometry() const;
    // The same in twips, as it is stored.
    TwipsRect outerTwips() const;

protected:
    // Until the window manager has framed the window, every show and move of it may be the
    // moment; later the window manager announces a new frame itself (WindowEffects::watchFrame).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks the window manager for the frame. When it is known for the first time, or changed,
    // the window is placed again with it and true is returned.
    bool noticeFrame();
    // placeAgain() after the screens changed, when the window manager may have moved the window
    // for the same change: a move away from a place no longer on the screens is taken for the
    // window manager's, not the user's.
    void followScreens();
    // The outer geometry in twips after a size change the user made; none after the placement's.
    std::optional<TwipsRect> takeUserResize();
    // The outer geometry whose Left and Top are to be stored on the way out: where the window is
    // when the user moved it since it was placed, or the place the user had moved it to before
    // it had to be placed elsewhere; none when the user has not moved it (the store holds the
    // user's place already, or none was ever chosen).
    std::optional<TwipsRect> placeToStore() const;
    // That place is in the store now: the user's, and not to be stored again until moved again.
    void notePlaceStored(const TwipsRect& stored);
    void save(Key key, std::int32_t twips);
    // A move of the user's becomes the place the user chose, before the window is placed anew.
    void keepUserMove();
    void place();
    // Puts the client area there, as the placement's own geometry rather than the user's.
    void setClientGeometry(const QRect& geometry);
    Rect resizedClient(QSize client) const;
    // The user moved the window, or has a place of their own stored or kept.
    bool hasUserPlace() const;
    // A size the user chose, stored or resized, is in force.
    bool hasUserSize() const { return chosen_.sizeApplied(); }
    // The outer geometry of a client area in the frame, rounded outward.
    QRect outerOf(const QRect& client) const;
    double devicePixelRatio() const;

    QWidget& window_;
    SettingsWriter& writer_;
    const std::string group_;
    const RegionalSettings& regional_;
    // What the user chose, in twips: as stored, then as moved or resized.
    StoredGeometry chosen_;
    UnstoredClient unstoredClient_;
    QSize unstored_;
    std::optional<FrameExtents> frame_;
    // Where the placement last put the client area, and every size it asked for since the user
    // last resized the window.
    std::optional<QRect> placed_;
    std::vector<QSize> ownSizes_;
    bool dragged_ = false;
    // The user moved the window, and the window was placed elsewhere since.
    bool userPlaceKept_ = false;
};

} // namespace tavrio
