// Runs a function as the widget is next shown, once Qt has made its native window and before it
// maps it.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <functional>
#include <utility>

namespace tavrio {

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

} // namespace tavrio
