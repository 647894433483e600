// Where a widget draws, found without the code under test: the widget and its children are
// rendered once over white and once over black. A pixel that comes out nearly the same over both
// is covered by what the widget draws; one that shows each background unchanged is left alone.
#pragma once

#include <QPoint>

#include <optional>

class QWidget;

namespace tavrio::test {

struct Ink {
    // The most covered pixel, if one is covered at least three quarters.
    std::optional<QPoint> inked;
    // A pixel the widget leaves alone, the one nearest its centre; none if it draws everywhere.
    std::optional<QPoint> blank;
};

// In the widget's own coordinates.
Ink findInk(QWidget& widget);

} // namespace tavrio::test
