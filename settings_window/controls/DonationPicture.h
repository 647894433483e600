// The donation picture: a borderless picture of a donation button, exactly as large as its image
// (one with twice the pixels, in the same room, at a higher scale of the screen), that reads as a
// link (pointing-hand cursor) and is clicked with the mouse or, once it has the focus, with Space
// or Enter.
#pragma once

#include <QLabel>

namespace tavrio {

class DonationPicture : public QLabel {
    Q_OBJECT

public:
    explicit DonationPicture(QWidget* parent);

    // As a click with the mouse; for assistive technology.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tavrio
