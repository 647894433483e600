#include "BorderStyleList.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QWheelEvent>

#include <iterator>

namespace tavrio {

namespace {

// The settings window's texts, translated with it.
const char* const kBorderStyleNames[] = {
    //: Border style 0 of the timer window: no frame and no caption bar.
    QT_TRANSLATE_NOOP("tavrio::frmSettings", "None"),
    //: Border style 1 of the timer window: a thin frame with a caption bar; the window keeps
    //: its size.
    QT_TRANSLATE_NOOP("tavrio::frmSettings", "Fixed Single"),
    //: Border style 2 of the timer window: a frame the user can drag to resize the window.
    QT_TRANSLATE_NOOP("tavrio::frmSettings", "Sizable"),
    //: Border style 3 of the timer window: a dialog's frame; the window keeps its size.
    QT_TRANSLATE_NOOP("tavrio::frmSettings", "Fixed Dialog"),
    //: Border style 4 of the timer window: a tool window (small caption bar) that keeps its
    //: size.
    QT_TRANSLATE_NOOP("tavrio::frmSettings", "Fixed Toolwindow"),
    //: Border style 5 of the timer window: a tool window (small caption bar) the user can resize.
    QT_TRANSLATE_NOOP("tavrio::frmSettings", "Sizable Toolwindow"),
};

} // namespace

BorderStyleList::BorderStyleList(QWidget* parent)
    : QComboBox(parent) {
    for (int style = 0; style < static_cast<int>(std::size(kBorderStyleNames)); ++style) {
        addItem(QStringLiteral("%1 %2").arg(style).arg(
            QCoreApplication::translate("tavrio::frmSettings", kBorderStyleNames[style])));
    }
    setCurrentIndex(-1);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + 8);
}

void BorderStyleList::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace tavrio
