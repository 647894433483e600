// tavrio-probe: reads the screen of the X display in $DISPLAY as a user would see it, for the
// end-to-end tests and the benchmark, which cannot tell colours apart with the X tools alone.
//
//   tavrio-probe pixel X Y                    colour of one screen pixel, as RRGGBB
//   tavrio-probe count X Y W H RRGGBB         how many pixels of the rectangle have that colour
//   tavrio-probe dominant X Y W H             the rectangle's most frequent colour
//   tavrio-probe find X Y W H RRGGBB          a pixel "X Y" of that colour whose eight
//                                             neighbours have it too, something to click on
//   tavrio-probe bounds X Y W H RRGGBB        "X Y W H" around the pixels of that colour
//   tavrio-probe blend X Y W H TEXT BEHIND    how the pixels lie between two colours, as
//                                             "OUTLIERS PARTIAL STRONGEST": how many are no blend
//                                             of the two, how many are one strictly between
//                                             them (edges), and the largest share of TEXT in
//                                             any pixel, in percent
//   tavrio-probe shot FILE.png [X Y W H]      a screenshot of the screen or of a rectangle
//   tavrio-probe changes X Y W H MS           watches the rectangle for MS milliseconds and
//                                             prints the wall-clock time (ms since the epoch,
//                                             with a fraction) of every change it sees
//   tavrio-probe button-face                  the button-face colour Qt gives a program started
//                                             in the same environment, as RRGGBB
//   tavrio-probe map-time CLASS MS            prints "ready" once it watches the screen, then
//                                             the wall-clock time at which a window of that
//                                             WM_CLASS gets mapped (waiting at most MS ms)
//   tavrio-probe input-to-map WINDOW CLASS MS prints "ready" once it watches, then how many ms
//                                             after the last mouse or key press in WINDOW a
//                                             window of that WM_CLASS got mapped (waiting at most
//                                             MS ms), both as the X server's clock tells
//   tavrio-probe keys-and-caption KEYS CAPTION MS
//                                             prints "ready" once it watches, then for MS ms
//                                             "key T" for each key pressed in window KEYS and
//                                             "caption T" for each change of the _NET_WM_NAME
//                                             of window CAPTION, T the X server's time in ms
//
// Colours are read from the root window, so with a compositor they are the composited result.
#include <QApplication>
#include <QImage>
#include <QPalette>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <poll.h>
#include <string>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace {

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

// One screen grab: 0xRRGGBB per pixel, row by row.
struct Grab {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool operator==(const Grab&) const = default;
};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "tavrio-probe: %s\n", message.c_str());
    std::exit(2);
}

int number(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < -100000 || value > 100000) {
        fail(std::string("not a number: ") + text);
    }
    return static_cast<int>(value);
}

std::uint32_t colour(const char* text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 16);
    if (std::strlen(text) != 6 || *end != '\0') {
        fail(std::string("not an RRGGBB colour: ") + text);
    }
    return static_cast<std::uint32_t>(value);
}

std::string colourText(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", rgb & 0xFFFFFFu);
    return text;
}

Rect rectFrom(char** args) {
    const Rect rect{number(args[0]), number(args[1]), number(args[2]), number(args[3])};
    if (rect.width <= 0 || rect.height <= 0) {
        fail("the rectangle is empty");
    }
    return rect;
}

class Screen {
public:
    Screen() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) {
            fail("cannot connect to the X display in $DISPLAY");
        }
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        root_ = screen->root;
        size_ = {0, 0, screen->width_in_pixels, screen->height_in_pixels};
    }
    ~Screen() { xcb_disconnect(connection_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Rect size() const { return size_; }
    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return root_; }

    Grab grab(const Rect& rect) const {
        if (rect.x < 0 || rect.y < 0 || rect.x + rect.width > size_.width ||
            rect.y + rect.height > size_.height) {
            fail("the rectangle is not inside the screen");
        }
        const auto cookie = xcb_get_image(
            connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<std::int16_t>(rect.x),
            static_cast<std::int16_t>(rect.y), static_cast<std::uint16_t>(rect.width),
            static_cast<std::uint16_t>(rect.height), ~0u);
        const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply{
            xcb_get_image_reply(connection_, cookie, nullptr), &std::free};
        if (!reply) {
            fail("the X server refused the screen grab");
        }
        const auto length = static_cast<std::size_t>(xcb_get_image_data_length(reply.get()));
        const std::size_t count = static_cast<std::size_t>(rect.width) * rect.height;
        // Depth 24 and 32 come as 32 bits per pixel, blue in the lowest byte.
        if (reply->depth < 24 || length != count * 4) {
            fail("only 24- and 32-bit displays are supported");
        }
        Grab grab{rect.width, rect.height, std::vector<std::uint32_t>(count)};
        std::memcpy(grab.pixels.data(), xcb_get_image_data(reply.get()), length);
        for (std::uint32_t& pixel : grab.pixels) {
            pixel &= 0xFFFFFFu;
        }
        return grab;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
    Rect size_;
};

double nowMilliseconds() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(since).count();
}

int pixel(char** args) {
    const Screen screen;
    const Grab grab = screen.grab({number(args[0]), number(args[1]), 1, 1});
    std::printf("%s\n", colourText(grab.pixels[0]).c_str());
    return 0;
}

int count(char** args) {
    const Screen screen;
    const Grab grab = screen.grab(rectFrom(args));
    const std::uint32_t wanted = colour(args[4]);
    std::size_t matches = 0;
    for (const std::uint32_t pixel : grab.pixels) {
        matches += pixel == wanted ? 1 : 0;
    }
    std::printf("%zu\n", matches);
    return 0;
}

int dominant(char** args) {
    const Screen screen;
    const Grab grab = screen.grab(rectFrom(args));
    std::map<std::uint32_t, std::size_t> counts;
    for (const std::uint32_t pixel : grab.pixels) {
        ++counts[pixel];
    }
    auto most = counts.begin();
    for (auto entry = counts.begin(); entry != counts.end(); ++entry) {
        if (entry->second > most->second) {
            most = entry;
        }
    }
    std::printf("%s\n", colourText(most->first).c_str());
    return 0;
}

int find(char** args) {
    const Screen screen;
    const Rect rect = rectFrom(args);
    const Grab grab = screen.grab(rect);
    const std::uint32_t wanted = colour(args[4]);
    const auto at = [&](int x, int y) {
        return grab.pixels[static_cast<std::size_t>(y) * grab.width + x] == wanted;
    };
    for (int y = 1; y + 1 < grab.height; ++y) {
        for (int x = 1; x + 1 < grab.width; ++x) {
            bool solid = true;
            for (int dy = -1; dy <= 1 && solid; ++dy) {
                for (int dx = -1; dx <= 1 && solid; ++dx) {
                    solid = at(x + dx, y + dy);
                }
            }
            if (solid) {
                std::printf("%d %d\n", rect.x + x, rect.y + y);
                return 0;
            }
        }
    }
    return 1;
}

int bounds(char** args) {
    const Screen screen;
    const Rect rect = rectFrom(args);
    const Grab grab = screen.grab(rect);
    const std::uint32_t wanted = colour(args[4]);
    int left = grab.width, top = grab.height, right = -1, bottom = -1;
    for (int y = 0; y < grab.height; ++y) {
        for (int x = 0; x < grab.width; ++x) {
            if (grab.pixels[static_cast<std::size_t>(y) * grab.width + x] == wanted) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return 1;
    }
    std::printf("%d %d %d %d\n", rect.x + left, rect.y + top, right - left + 1, bottom - top + 1);
    return 0;
}

// A pixel farther than this from every blend of the two colours (in any channel) is none: a
// rounding compositor stays well inside it, a fringe of a third colour does not.
constexpr double kBlendTolerance = 12;

int blend(char** args) {
    const Screen screen;
    const Grab grab = screen.grab(rectFrom(args));
    const std::uint32_t text = colour(args[4]);
    const std::uint32_t behind = colour(args[5]);
    const auto channel = [](std::uint32_t rgb, int index) {
        return static_cast<double>((rgb >> (16 - 8 * index)) & 0xFFu);
    };
    double span = 0;
    for (int index = 0; index < 3; ++index) {
        span += std::pow(channel(text, index) - channel(behind, index), 2);
    }
    if (span == 0) {
        fail("the two colours are the same");
    }
    int outliers = 0;
    int partial = 0;
    double strongest = 0;
    for (const std::uint32_t pixel : grab.pixels) {
        double along = 0;
        for (int index = 0; index < 3; ++index) {
            along += (channel(pixel, index) - channel(behind, index)) *
                     (channel(text, index) - channel(behind, index));
        }
        const double share = std::clamp(along / span, 0.0, 1.0);
        double off = 0;
        for (int index = 0; index < 3; ++index) {
            const double blended =
                channel(behind, index) + share * (channel(text, index) - channel(behind, index));
            off = std::max(off, std::abs(channel(pixel, index) - blended));
        }
        if (off > kBlendTolerance) {
            ++outliers;
        } else {
            partial += share > 0.1 && share < 0.9 ? 1 : 0;
            strongest = std::max(strongest, share);
        }
    }
    std::printf("%d %d %.0f\n", outliers, partial, strongest * 100);
    return 0;
}

int shot(int argc, char** args) {
    const Screen screen;
    const Rect rect = argc >= 5 ? rectFrom(args + 1) : screen.size();
    const Grab grab = screen.grab(rect);
    QImage image(grab.width, grab.height, QImage::Format_RGB32);
    for (int y = 0; y < grab.height; ++y) {
        std::memcpy(image.scanLine(y),
                    grab.pixels.data() + static_cast<std::size_t>(y) * grab.width,
                    static_cast<std::size_t>(grab.width) * 4);
    }
    if (!image.save(QString::fromLocal8Bit(args[0]), "PNG")) {
        fail(std::string("cannot write ") + args[0]);
    }
    return 0;
}

int changes(char** args) {
    const Screen screen;
    const Rect rect = rectFrom(args);
    const int duration = number(args[4]);
    const double end = nowMilliseconds() + duration;
    Grab last = screen.grab(rect);
    // A millisecond between grabs keeps the resolution well below the lags worth measuring
    // without taking a core from the program being watched.
    while (nowMilliseconds() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Grab current = screen.grab(rect);
        const double seen = nowMilliseconds();
        if (current != last) {
            std::printf("%.1f\n", seen);
            std::fflush(stdout);
            last = std::move(current);
        }
    }
    return 0;
}

// Whether the window, or a window inside it (a window manager's frame holds the client), has
// the WM_CLASS instance or class name.
bool hasClass(xcb_connection_t* connection, xcb_window_t window, const std::string& name,
              int depth) {
    const auto cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property{
        xcb_get_property_reply(connection, cookie, nullptr), &std::free};
    if (property && property->format == 8) {
        const char* text = static_cast<const char*>(xcb_get_property_value(property.get()));
        const std::string classes(
            text, static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
        const std::size_t split = classes.find('\0');
        if (classes.substr(0, split) == name ||
            (split != std::string::npos && classes.substr(split + 1).c_str() == name)) {
            return true;
        }
    }
    if (depth == 0) {
        return false;
    }
    const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree{
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free};
    if (!tree) {
        return false;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (hasClass(connection, children[i], name, depth - 1)) {
            return true;
        }
    }
    return false;
}

int mapTime(char** args) {
    const Screen screen;
    xcb_connection_t* connection = screen.connection();
    const std::string name = args[0];
    const double end = nowMilliseconds() + number(args[1]);
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen.root(), XCB_CW_EVENT_MASK, &mask);
    // A round trip: once it returns, the server reports every map from now on.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    std::printf("ready\n");
    std::fflush(stdout);

    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (nowMilliseconds() < end) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const double seen = nowMilliseconds();
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned{event,
                                                                                   &std::free};
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (hasClass(connection, map->window, name, 3)) {
                std::printf("%.1f\n", seen);
                return 0;
            }
        }
        if (xcb_connection_has_error(connection)) {
            fail("lost the X display");
        }
        poll(&descriptor, 1, 50);
    }
    fail("no window of class " + name + " was mapped in time");
}

xcb_window_t windowId(const char* text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (end == text || *end != '\0' || value == 0 || value > 0xFFFFFFFFul) {
        fail(std::string("not a window id: ") + text);
    }
    return static_cast<xcb_window_t>(value);
}

xcb_atom_t atomNamed(xcb_connection_t* connection, const std::string& name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom{
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
            nullptr),
        &std::free};
    if (!atom) {
        fail("the X server gave no atom " + name);
    }
    return atom->atom;
}

// The X server's time now: the time stamp of a property change of a window of our own.
std::uint32_t serverTime(xcb_connection_t* connection, xcb_window_t own, xcb_atom_t atom) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, own, atom, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(connection);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned{event, &std::free};
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (change->window == own && change->atom == atom) {
                return change->time;
            }
        }
    }
    fail("lost the X display");
}

// Qt stamps every press of a mouse button or key into its window's _NET_WM_USER_TIME, with the
// time of the press's own event: clicks, exclusive to the program, are timed from there.
int inputToMap(char** args) {
    const Screen screen;
    xcb_connection_t* connection = screen.connection();
    const xcb_window_t window = windowId(args[0]);
    const std::string name = args[1];
    const double end = nowMilliseconds() + number(args[2]);
    const xcb_atom_t userTime = atomNamed(connection, "_NET_WM_USER_TIME");
    const xcb_atom_t stamp = atomNamed(connection, "TAVRIO_PROBE_TIME");

    const xcb_window_t own = xcb_generate_id(connection);
    const std::uint32_t ownMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, 0, own, screen.root(), -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &ownMask);
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen.root(), XCB_CW_EVENT_MASK, &rootMask);
    const std::uint32_t windowMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &windowMask);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    std::printf("ready\n");
    std::fflush(stdout);

    std::uint32_t lastInput = 0;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (nowMilliseconds() < end) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned{event,
                                                                                   &std::free};
            const int type = event->response_type & 0x7F;
            if (type == XCB_PROPERTY_NOTIFY) {
                const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                if (change->window != window || change->atom != userTime) {
                    continue;
                }
                const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> value{
                    xcb_get_property_reply(
                        connection,
                        xcb_get_property(connection, 0, window, userTime, XCB_ATOM_CARDINAL, 0, 1),
                        nullptr),
                    &std::free};
                if (value && xcb_get_property_value_length(value.get()) == 4) {
                    std::memcpy(&lastInput, xcb_get_property_value(value.get()), 4);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                if (lastInput != 0 && hasClass(connection, map->window, name, 3)) {
                    const std::uint32_t mapped = serverTime(connection, own, stamp);
                    std::printf("%u\n", mapped - lastInput);
                    return 0;
                }
            }
        }
        if (xcb_connection_has_error(connection)) {
            fail("lost the X display");
        }
        poll(&descriptor, 1, 20);
    }
    fail("no window of class " + name + " was mapped after a press in time");
}

// Key events are not exclusive to the client that asks for them, so the keys typed into another
// program's window are seen here with the server's own time stamps, as its property changes are.
int keysAndCaption(char** args) {
    const Screen screen;
    xcb_connection_t* connection = screen.connection();
    const xcb_window_t keys = windowId(args[0]);
    const xcb_window_t caption = windowId(args[1]);
    const double end = nowMilliseconds() + number(args[2]);
    const xcb_atom_t name = atomNamed(connection, "_NET_WM_NAME");
    const std::uint32_t keyMask = XCB_EVENT_MASK_KEY_PRESS;
    const std::uint32_t propertyMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, keys, XCB_CW_EVENT_MASK, &keyMask);
    xcb_change_window_attributes(connection, caption, XCB_CW_EVENT_MASK, &propertyMask);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    std::printf("ready\n");
    std::fflush(stdout);

    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (nowMilliseconds() < end) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned{event,
                                                                                   &std::free};
            const int type = event->response_type & 0x7F;
            if (type == XCB_KEY_PRESS) {
                const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
                std::printf("key %u\n", key->time);
            } else if (type == XCB_PROPERTY_NOTIFY) {
                const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                if (change->window == caption && change->atom == name) {
                    std::printf("caption %u\n", change->time);
                }
            }
            std::fflush(stdout);
        }
        if (xcb_connection_has_error(connection)) {
            fail("lost the X display");
        }
        poll(&descriptor, 1, 20);
    }
    return 0;
}

int buttonFace(int argc, char** argv) {
    const QApplication application(argc, argv);
    const QColor face = QApplication::palette().color(QPalette::Button);
    std::printf("%s\n", colourText(static_cast<std::uint32_t>(face.rgb())).c_str());
    return 0;
}

void usage() {
    std::fputs("usage: tavrio-probe pixel X Y | count X Y W H RRGGBB | dominant X Y W H |\n"
               "       find X Y W H RRGGBB | bounds X Y W H RRGGBB | blend X Y W H TEXT BEHIND |\n"
               "       shot FILE.png [X Y W H] | changes X Y W H MS |\n"
               "       button-face | map-time CLASS MS | input-to-map WINDOW CLASS MS |\n"
               "       keys-and-caption KEYS CAPTION MS\n",
               stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
    }
    const std::string command = argv[1];
    char** args = argv + 2;
    const int given = argc - 2;
    if (command == "pixel" && given == 2) {
        return pixel(args);
    }
    if (command == "count" && given == 5) {
        return count(args);
    }
    if (command == "dominant" && given == 4) {
        return dominant(args);
    }
    if (command == "find" && given == 5) {
        return find(args);
    }
    if (command == "bounds" && given == 5) {
        return bounds(args);
    }
    if (command == "blend" && given == 6) {
        return blend(args);
    }
    if (command == "shot" && (given == 1 || given == 5)) {
        return shot(given, args);
    }
    if (command == "changes" && given == 5) {
        return changes(args);
    }
    if (command == "map-time" && given == 2) {
        return mapTime(args);
    }
    if (command == "input-to-map" && given == 3) {
        return inputToMap(args);
    }
    if (command == "keys-and-caption" && given == 3) {
        return keysAndCaption(args);
    }
    if (command == "button-face" && given == 0) {
        return buttonFace(argc, argv);
    }
    usage();
}
