#include "X11WindowEffects.h"

#include "InputTransparency.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#ifdef TAVRIO_HAVE_XCB
#include "X11Atoms.h"
#include "X11CompositorWatch.h"

#include <QRegion>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>
#endif

namespace tavrio {

#ifdef TAVRIO_HAVE_XCB

namespace {

// Where a window keeps the input region it asked for, to have it back after Qt has reset the input
// shape: Qt gives a window that stops letting all input through a rectangle of its size.
const char* const kInputRegionProperty = "_tavrio_input_region";

std::vector<xcb_rectangle_t> rectanglesOf(const QRegion& region) {
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect& rect : region) {
        rectangles.push_back(
            {static_cast<std::int16_t>(rect.x()), static_cast<std::int16_t>(rect.y()),
             static_cast<std::uint16_t>(rect.width()), static_cast<std::uint16_t>(rect.height())});
    }
    return rectangles;
}

// How far beyond a window's edges its input region reaches, in device pixels: past any frame.
constexpr int kFrameReach = 1024;

// The region with a ring added around a window of the size given, where its frame lies. The
// server clips a shape to the window, so the ring takes nothing from the window itself. But a
// window manager may copy the window's shapes to its frame: openbox does, and then adds its title
// bar and handle to the frame's bounding shape only, so that without the ring its borders would
// be cut away and, where the window has an input shape, clicks on the frame would pass through
// to the window below.
QRegion withFrameRing(const QRegion& region, QSize size) {
    const QRect window(QPoint(0, 0), size);
    const QRect outer = window.adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach);
    return region + (QRegion(outer) - QRegion(window));
}

// The property change that an event given to a native event filter tells of, or null.
const xcb_property_notify_event_t* propertyChange(const QByteArray& eventType, void* message) {
    if (eventType != "xcb_generic_event_t") {
        return nullptr;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) {
        return nullptr;
    }
    return static_cast<const xcb_property_notify_event_t*>(message);
}

// Tells the watchers of a window when the window manager sets one of the window's properties, of
// which Qt takes no notice: _NET_FRAME_EXTENTS (nothing else marks the moment: the window manager
// may set it after its last move of the window, or before the window is even mapped), or WM_STATE
// (from then on the window manager manages the window).
class PropertyWatch : public QAbstractNativeEventFilter {
public:
    explicit PropertyWatch(xcb_atom_t property)
        : property_(property) {}

    void add(const QWidget& window, std::function<void()> changed) {
        if (watchers_.empty()) {
            qGuiApp->installNativeEventFilter(this);
        }
        watchers_.push_back({&window, std::move(changed)});
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* notify = propertyChange(eventType, message);
        if (notify == nullptr || notify->atom != property_) {
            return false;
        }
        std::erase_if(watchers_, [](const Watcher& watcher) { return watcher.window.isNull(); });
        for (const Watcher& watcher : watchers_) {
            // The window's id is read now: re-creating a native window gives it a new one.
            if (watcher.window->internalWinId() == notify->window) {
                // Once Qt has handled the events that came before it.
                QTimer::singleShot(0, watcher.window, watcher.changed);
            }
        }
        return false;
    }

private:
    struct Watcher {
        QPointer<const QWidget> window;
        std::function<void()> changed;
    };
    xcb_atom_t property_;
    std::vector<Watcher> watchers_;
};

// Runs a function as the widget is next shown, once Qt has made its native window and before it
// maps it.
class NextShow : public QObject {
public:
    NextShow(QWidget& widget, std::function<void()> shown)
        : QObject(&widget)
        , shown_(std::move(shown)) {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            shown_();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> shown_;
};

// Activates windows with the X server's present time. An application learns that time only from
// an event, so each request first changes a property of the window (by nothing), and the
// activation goes out when the server's notice of that change comes back with its time. Qt's own
// request carries the time of the last event the program saw, which may be long past when the
// request comes from elsewhere (a second start): a window manager that prevents focus stealing
// then only marks the window as wanting attention.
class Activations : public QAbstractNativeEventFilter {
public:
    Activations(xcb_connection_t* connection, xcb_atom_t probe, xcb_atom_t activeWindow)
        : connection_(connection)
        , probe_(probe)
        , activeWindow_(activeWindow) {}

    void request(QWidget& widget) {
        if (!installed_) {
            qGuiApp->installNativeEventFilter(this);
            installed_ = true;
        }
        const auto window = static_cast<xcb_window_t>(widget.winId());
        pending_.push_back({&widget, window});
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window, probe_, XCB_ATOM_INTEGER, 32,
                            0, nullptr);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (pending_.empty()) {
            return false;
        }
        const auto* notify = propertyChange(eventType, message);
        if (notify == nullptr || notify->atom != probe_) {
            return false;
        }
        const auto due = std::find_if(pending_.begin(), pending_.end(),
                                      [&](const Pending& p) { return p.window == notify->window; });
        if (due == pending_.end()) {
            return false;
        }
        const QPointer<QWidget> widget = due->widget;
        pending_.erase(due);
        if (!widget.isNull() && widget->isVisible() &&
            static_cast<xcb_window_t>(widget->winId()) == notify->window) {
            send(notify->window, notify->time);
        }
        return false;
    }

private:
    struct Pending {
        QPointer<QWidget> widget;
        xcb_window_t window;
    };

    void send(xcb_window_t window, xcb_timestamp_t time) {
        const QWindow* focus = QGuiApplication::focusWindow();
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = activeWindow_;
        message.data.data32[0] = 1; // from an application
        message.data.data32[1] = time;
        message.data.data32[2] = focus ? static_cast<std::uint32_t>(focus->winId()) : 0;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        xcb_send_event(connection_, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_;
    xcb_atom_t probe_;
    xcb_atom_t activeWindow_;
    bool installed_ = false;
    std::vector<Pending> pending_;
};

class X11WindowEffects : public WindowEffects {
public:
    explicit X11WindowEffects(xcb_connection_t* connection)
        : connection_(connection)
        , netWmState_(internAtom(connection, "_NET_WM_STATE"))
        , netWmWindowType_(internAtom(connection, "_NET_WM_WINDOW_TYPE"))
        , normalType_(internAtom(connection, "_NET_WM_WINDOW_TYPE_NORMAL"))
        , skipTaskbar_(internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"))
        , skipPager_(internAtom(connection, "_NET_WM_STATE_SKIP_PAGER"))
        , frameExtents_(internAtom(connection, "_NET_FRAME_EXTENTS"))
        , wmState_(internAtom(connection, "WM_STATE"))
        , frameWatch_(frameExtents_)
        , managedWatch_(wmState_)
        , activations_(connection, internAtom(connection, "_TAVRIO_ACTIVATION_TIME"),
                       internAtom(connection, "_NET_ACTIVE_WINDOW")) {}

    void keepOutOfTaskbar(QWidget& widget) override {
        const auto window = static_cast<xcb_window_t>(widget.winId());
        if (!widget.isVisible()) {
            if (widget.windowType() == Qt::Dialog && widget.parentWidget() == nullptr) {
                // mutter keeps a dialog that belongs to no other window in the taskbar and the
                // switcher, whatever it asks: such a dialog is announced as a normal window.
                xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, netWmWindowType_,
                                    XCB_ATOM_ATOM, 32, 1, &normalType_);
            }
            // Qt merges what it finds in _NET_WM_STATE when it maps the window.
            const std::array<xcb_atom_t, 2> states{skipTaskbar_, skipPager_};
            xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window, netWmState_,
                                XCB_ATOM_ATOM, 32, states.size(), states.data());
        } else {
            // A mapped window belongs to the window manager, which takes requests by message.
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = netWmState_;
            message.data.data32[0] = 1; // add
            message.data.data32[1] = skipTaskbar_;
            message.data.data32[2] = skipPager_;
            message.data.data32[3] = 1; // from a normal application
            const xcb_window_t root =
                xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
            xcb_send_event(connection_, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                               XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char*>(&message));
        }
        flush();
    }

    void setTransparentForInput(QWidget& widget, bool transparent) override {
        widget.winId();
        applyInputTransparency(widget, transparent,
                               [this, window = QPointer<QWindow>(widget.windowHandle())] {
                                   if (window != nullptr) {
                                       restoreInputRegion(*window);
                                       flush();
                                   }
                               });
        flush();
    }

    // Qt gives a translucent window a 32-bit visual when it creates it. It would also stop
    // painting the window's background, which stays as it was until the background is hidden.
    void offerAlphaChannel(QWidget& window) override {
        if (!window.testAttribute(Qt::WA_WState_Created)) {
            window.setAttribute(Qt::WA_TranslucentBackground);
            window.setAttribute(Qt::WA_NoSystemBackground, false);
        }
    }

    bool setColourKey(QWidget&, const std::optional<QColor>&) override { return false; }
    bool blendsWithDesktop(const QWidget& widget) const override {
        if (!widget.testAttribute(Qt::WA_WState_Created) || !compositor().running()) {
            return false;
        }
        const auto cookie =
            xcb_get_geometry(connection_, static_cast<xcb_window_t>(widget.winId()));
        const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply{
            xcb_get_geometry_reply(connection_, cookie, nullptr), &std::free};
        return reply && reply->depth == 32;
    }

    void watchCompositing(QObject& owner, std::function<void()> changed) override {
        compositor().watch(owner, std::move(changed));
    }

    void setShape(QWidget& widget, const std::optional<QRegion>& region) override {
        widget.winId();
        setShapeRegion(*widget.windowHandle(), XCB_SHAPE_SK_BOUNDING, region);
        flush();
    }

    void setInputRegion(QWidget& widget, const std::optional<QRegion>& region) override {
        widget.winId();
        QWindow* window = widget.windowHandle();
        window->setProperty(kInputRegionProperty, region ? QVariant(*region) : QVariant());
        restoreInputRegion(*window);
        flush();
    }

    // The window manager's own tie (ICCCM's WM_TRANSIENT_FOR), not Qt's transient parent: Qt
    // would then block the timer window while the font dialog is open. Window managers raise a
    // dialog or tool window tied so into its owner's layer (mutter only those types).
    void keepAbove(QWidget& widget, const QWidget* owner) override {
        tie(widget, owner);
        if (owner == nullptr) {
            return;
        }
        if (managed(*owner)) {
            standAlone(*owner);
            return;
        }
        // A window manager takes a tie to a window it does not manage yet (a timer window made
        // anew for a new border style) for a tie to none, and does not stack the window again
        // when the tie changes (kwin, openbox now and then): once the owner is managed, the window
        // is tied again and raised above it.
        managedWatch_.add(*owner, [this, window = QPointer<QWidget>(&widget),
                                   owner = QPointer<const QWidget>(owner)] {
            if (window != nullptr && owner != nullptr) {
                tie(*window, owner);
                standAlone(*owner);
                window->raise();
            }
        });
    }

    // Not by the user time of 0 that Qt gives a window shown without activation: kwin marks such
    // a window as demanding attention, and fluxbox gives it the keyboard all the same. None of
    // them gives the keyboard to a window that takes no input: the window takes none until it
    // is managed.
    void arriveWithoutActivation(QWidget& widget) override {
        new NextShow(widget, [this, window = QPointer<QWidget>(&widget)] {
            setInputHint(*window, false);
            managedWatch_.add(*window, [this, window, taken = std::make_shared<bool>(false)] {
                if (window != nullptr && !std::exchange(*taken, true)) {
                    setInputHint(*window, true);
                }
            });
        });
    }

    std::optional<FrameExtents> frameExtents(const QWidget& widget) const override {
        if (!widget.testAttribute(Qt::WA_WState_Created)) {
            return std::nullopt;
        }
        const auto window = static_cast<xcb_window_t>(widget.winId());
        const auto cookie =
            xcb_get_property(connection_, 0, window, frameExtents_, XCB_ATOM_CARDINAL, 0, 4);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply{
            xcb_get_property_reply(connection_, cookie, nullptr), &std::free};
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
            return std::nullopt;
        }
        // Left, right, top, bottom, in the screen's own pixels.
        const auto* extents =
            static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
        return FrameExtents{static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                            static_cast<int>(extents[1]), static_cast<int>(extents[3])};
    }

    void watchFrame(QWidget& window, std::function<void()> changed) override {
        frameWatch_.add(window, std::move(changed));
    }

    void activate(QWidget& window) override {
        // Qt's own request keeps its view of the window current, and is the one that works
        // without a window manager; ours follows it with the present time.
        window.activateWindow();
        activations_.request(window);
        flush();
    }

    void flush() override { xcb_flush(connection_); }

private:
    // Created on first use: only a hidden background asks whether a compositor runs.
    X11CompositorWatch& compositor() const {
        if (!compositor_) {
            // Qt puts its windows on the screen that $DISPLAY names.
            char* host = nullptr;
            int display = 0;
            int screen = 0;
            if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) {
                screen = 0;
            }
            std::free(host);
            compositor_ = std::make_unique<X11CompositorWatch>(connection_, screen);
        }
        return *compositor_;
    }

    // Ties the window to its owner for the window manager, or to none.
    void tie(const QWidget& widget, const QWidget* owner) {
        const auto window = static_cast<xcb_window_t>(widget.winId());
        if (owner == nullptr) {
            xcb_delete_property(connection_, window, XCB_ATOM_WM_TRANSIENT_FOR);
        } else {
            const auto ownerWindow = static_cast<xcb_window_t>(owner->winId());
            xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window,
                                XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerWindow);
        }
        flush();
    }

    // Qt ties a tool or dialog window to the program's group as it shows it, and kwin stacks such
    // a window of a group above the windows tied to an earlier one (the settings window below its
    // timer window made anew): once the windows kept above it are tied to it, an owner stands
    // alone. (That makes a dialog a dialog of the whole group to openbox, which would keep it
    // above them: but an owner is no dialog to the window manager, see keepOutOfTaskbar.)
    void standAlone(const QWidget& owner) { tie(owner, nullptr); }

    // The window manager manages the window: it has given it a WM_STATE.
    bool managed(const QWidget& widget) const {
        if (!widget.testAttribute(Qt::WA_WState_Created)) {
            return false;
        }
        const auto cookie =
            xcb_get_property(connection_, 0, static_cast<xcb_window_t>(widget.winId()), wmState_,
                             XCB_GET_PROPERTY_TYPE_ANY, 0, 0);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply{
            xcb_get_property_reply(connection_, cookie, nullptr), &std::free};
        return reply && reply->type != XCB_NONE;
    }

    // ICCCM's input hint of the window; the rest of its WM_HINTS stay as Qt set them.
    void setInputHint(const QWidget& widget, bool input) {
        const auto window = static_cast<xcb_window_t>(widget.winId());
        const auto cookie =
            xcb_get_property(connection_, 0, window, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply{
            xcb_get_property_reply(connection_, cookie, nullptr), &std::free};
        std::array<std::uint32_t, 9> hints{};
        if (reply && reply->format == 32) {
            const auto* values =
                static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            std::copy_n(values, std::min(xcb_get_property_value_length(reply.get()) / 4, 9),
                        hints.begin());
        }
        hints[0] |= 1; // the input field is set
        hints[1] = input ? 1 : 0;
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS,
                            XCB_ATOM_WM_HINTS, 32, hints.size(), hints.data());
        flush();
    }

    // The input region the window asked for, unless it lets all input through now.
    void restoreInputRegion(QWindow& window) {
        if (window.flags().testFlag(Qt::WindowTransparentForInput)) {
            return;
        }
        const QVariant region = window.property(kInputRegionProperty);
        setShapeRegion(window, XCB_SHAPE_SK_INPUT,
                       region.isValid() ? std::optional(region.value<QRegion>()) : std::nullopt);
    }

    // Sets one of the window's shapes, the frame around it left whole; none is the window's whole
    // rectangle.
    void setShapeRegion(QWindow& window, xcb_shape_kind_t kind,
                        const std::optional<QRegion>& region) {
        xcb_xfixes_region_t shape = XCB_NONE;
        if (region) {
            const qreal ratio = window.devicePixelRatio();
            const QSize size(qRound(window.width() * ratio), qRound(window.height() * ratio));
            const std::vector<xcb_rectangle_t> rectangles =
                rectanglesOf(withFrameRing(*region, size));
            shape = xcb_generate_id(connection_);
            xcb_xfixes_create_region(connection_, shape,
                                     static_cast<std::uint32_t>(rectangles.size()),
                                     rectangles.data());
        }
        xcb_xfixes_set_window_shape_region(connection_, static_cast<xcb_window_t>(window.winId()),
                                           kind, 0, 0, shape);
        if (shape != XCB_NONE) {
            xcb_xfixes_destroy_region(connection_, shape);
        }
    }

    xcb_connection_t* connection_;
    mutable std::unique_ptr<X11CompositorWatch> compositor_;
    xcb_atom_t netWmState_;
    xcb_atom_t netWmWindowType_;
    xcb_atom_t normalType_;
    xcb_atom_t skipTaskbar_;
    xcb_atom_t skipPager_;
    xcb_atom_t frameExtents_;
    xcb_atom_t wmState_;
    PropertyWatch frameWatch_;
    // Windows tied to an owner before the window manager managed it.
    PropertyWatch managedWatch_;
    Activations activations_;
};

} // namespace

WindowEffects* x11WindowEffects() {
    static const std::unique_ptr<X11WindowEffects> effects =
        []() -> std::unique_ptr<X11WindowEffects> {
        auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (x11 == nullptr || x11->connection() == nullptr) {
            return nullptr;
        }
        return std::make_unique<X11WindowEffects>(x11->connection());
    }();
    return effects.get();
}

#else

WindowEffects* x11WindowEffects() {
    return nullptr;
}

#endif

} // namespace tavrio
