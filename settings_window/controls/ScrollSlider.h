// A slider that tells the user's moves (dragging, clicking, the keyboard, the wheel) apart from
// values set by the program: only the user's raise Scroll, continuously while the thumb moves.
#pragma once

#include <QSlider>

namespace tavrio {

class ScrollSlider : public QSlider {
    Q_OBJECT

public:
    explicit ScrollSlider(QWidget* parent);

signals:
    void Scroll();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A press held on the groove keeps paging by timer.
    void timerEvent(QTimerEvent* event) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* event) override;
#endif

private:
    template <typename Handler>
    void asUser(Handler&& handler);

    bool userInput_ = false;
};

} // namespace tavrio
