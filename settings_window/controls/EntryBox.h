// A text box for the target date or time. It tells when the user begins a new text (on entering
// the box, or after Return), so that a text which does not read can bring back what was in force
// before it; and it shows plainly when its text does not read: a tinted box with a warning sign
// for the eye, and an accessible description that says so for screen readers.
#pragma once

#include <QLineEdit>

class QAction;

namespace tavrio {

class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    // notReadable: what the description and the tooltip say while the text does not read.
    EntryBox(QString notReadable, QWidget* parent);

    void setUnreadable(bool unreadable);
    bool unreadable() const { return unreadable_; }

signals:
    void textBegun();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    const QString notReadable_;
    QAction* const warning_;
    bool unreadable_ = false;
};

} // namespace tavrio
