// A check box whose caption breaks into lines where one line does not fit its width, as the
// design's check box was drawn: its height holds two lines. It breaks where the language allows
// (between words, between CJK characters); its text and accessible name stay one line.
#pragma once

#include <QCheckBox>

namespace tavrio {

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    WrappingCheckBox(const QString& text, QWidget* parent);

    // The narrowest width: its longest unbreakable piece of text on a line.
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The caption as drawn at the given width, its lines joined by line breaks.
    QString linesFor(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The size of the check box with this caption: indicator, spacing and text.
    QSize sizeFor(const QString& caption) const;
};

} // namespace tavrio
