#include "WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBoundaryFinder>

namespace tavrio {

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {}

QSize WrappingCheckBox::sizeFor(const QString& caption) const {
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = caption;
    const QSize text =
        style()->itemTextRect(fontMetrics(), QRect(), Qt::TextShowMnemonic, false, caption).size();
    return style()->sizeFromContents(QStyle::CT_CheckBox, &option, text, this);
}

QString WrappingCheckBox::linesFor(int width) const {
    const QString caption = text();
    QStringList lines;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, caption);
    qsizetype lineStart = 0;
    // The last place to break at that still leaves the line within the width.
    qsizetype lastFit = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        const QString line = caption.mid(lineStart, at - lineStart).trimmed();
        if (lastFit > lineStart && sizeFor(line).width() > width) {
            lines << caption.mid(lineStart, lastFit - lineStart).trimmed();
            lineStart = lastFit;
        }
        lastFit = at;
    }
    lines << caption.mid(lineStart).trimmed();
    return lines.join(u'\n');
}

QSize WrappingCheckBox::minimumSizeHint() const {
    const QString caption = text();
    QSize narrowest = sizeFor(QString());
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, caption);
    qsizetype pieceStart = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        narrowest =
            narrowest.expandedTo(sizeFor(caption.mid(pieceStart, at - pieceStart).trimmed()));
        pieceStart = at;
    }
    return narrowest;
}

int WrappingCheckBox::heightForWidth(int width) const {
    return sizeFor(linesFor(width)).height();
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = linesFor(width());
    painter.drawControl(QStyle::CE_CheckBox, option);
}

} // namespace tavrio
