// The border-style list: the timer window's six border styles, each after its number, which is
// the style stored; none is selected until the program selects one. The open list may be wider
// than the box, so that every entry shows whole. The wheel over the closed list is left to the
// window: it would pick entry after entry, re-creating the timer window at every notch, where the
// user only meant to scroll past.
#pragma once

#include <QComboBox>

namespace tavrio {

class BorderStyleList : public QComboBox {
    Q_OBJECT

public:
    explicit BorderStyleList(QWidget* parent);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace tavrio
