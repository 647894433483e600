#include "EntryBox.h"

#include <QAction>
#include <QStyle>

namespace tavrio {

namespace {

// A pale red under dark text, legible whatever colours the theme gives the box otherwise.
constexpr QColor kUnreadableBase{255, 222, 222};
constexpr QColor kUnreadableText{0, 0, 0};

} // namespace

EntryBox::EntryBox(QString notReadable, QWidget* parent)
    : QLineEdit(parent)
    , notReadable_(std::move(notReadable))
    , warning_(addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                         QLineEdit::TrailingPosition)) {
    warning_->setToolTip(notReadable_);
    // The sign's name for screen readers, which list it beside the box.
    warning_->setText(notReadable_);
    warning_->setVisible(false);
    connect(this, &QLineEdit::returnPressed, this, &EntryBox::textBegun);
}

void EntryBox::setUnreadable(bool unreadable) {
    if (unreadable == unreadable_) {
        return;
    }
    unreadable_ = unreadable;
    warning_->setVisible(unreadable);
    setToolTip(unreadable ? notReadable_ : QString());
    // Qt tells assistive technology of the change, so a screen reader can announce it.
    setAccessibleDescription(unreadable ? notReadable_ : QString());
    if (unreadable) {
        QPalette tinted = palette();
        tinted.setColor(QPalette::Base, kUnreadableBase);
        tinted.setColor(QPalette::Text, kUnreadableText);
        setPalette(tinted);
    } else {
        // Back to the colours the window and the theme give it.
        setPalette(QPalette());
    }
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit textBegun();
}

} // namespace tavrio
