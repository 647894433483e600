#include "SettingsWindowDesign.h"

#include "BorderStyleList.h"
#include "ControlFit.h"
#include "DonationPicture.h"
#include "EntryBox.h"
#include "MomentGroup.h"
#include "MonthCalendar.h"
#include "ScrollSlider.h"
#include "SettingsWindowAccessible.h"
#include "Twips.h"
#include "WrappingCheckBox.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace tavrio {

namespace {

// Between controls side by side, as the desktops' dialogs space them.
constexpr int kGap = 6;

struct Place {
    const char* control;
    int left, top, width, height; // a width of 0 keeps the control's own size
};

const Place kPlaces[] = {
    {"txtWhat", 240, 480, 4215, 375},   {"txtDate", 240, 1320, 2055, 375},
    {"txtTime", 2400, 1320, 2055, 375}, {"Calendar1", 240, 1800, 4335, 2895},
    {"sldTrans", 240, 5160, 4335, 555}, {"Label1", 360, 4920, 2895, 255},
    {"Label2", 240, 1080, 2055, 255},   {"Label3", 2400, 1080, 2055, 255},
    {"Label4", 240, 240, 2055, 255},    {"Label5", 360, 7320, 2895, 255},
    {"Label6", 480, 7560, 2895, 255},   {"Combo1", 360, 6720, 2175, 315},
    {"Label9", 360, 6480, 1095, 255},   {"chkHide", 2640, 6600, 1935, 495},
    {"cmdFont", 360, 5880, 4095, 375},  {"Picture1", 3480, 7320, 0, 0},
};

// The captions, each with the control under it that it names, if any.
const std::pair<const char*, const char*> kCaptions[] = {
    {"Label1", "sldTrans"}, {"Label2", "txtDate"}, {"Label3", "txtTime"}, {"Label4", "txtWhat"},
    {"Label5", nullptr},    {"Label6", nullptr},   {"Label9", "Combo1"},
};

const char* const kTabOrder[] = {"txtWhat", "txtDate", "txtTime", "Calendar1", "sldTrans",
                                 "Combo1",  "chkHide", "cmdFont", "Picture1"};

template <class Control = QWidget>
Control& named(const QWidget& page, const char* name) {
    return *page.findChild<Control*>(QString::fromLatin1(name));
}

template <class Control>
Control* add(Control* control, const char* name) {
    control->setObjectName(QLatin1StringView(name));
    return control;
}

// Made in the design's order, which a screen reader reads the page in.
void addControls(QWidget& page) {
    add(new QLineEdit(&page), "txtWhat");
    //: What the date box says (tooltip, screen reader) while its text is not a date.
    add(new EntryBox(designText(QT_TRANSLATE_NOOP("tavrio::frmSettings",
                                                  "Not a date: the target stays as it was")),
                     &page),
        "txtDate");
    //: What the time box says (tooltip, screen reader) while its text is not a time.
    add(new EntryBox(designText(QT_TRANSLATE_NOOP("tavrio::frmSettings",
                                                  "Not a time: the target stays as it was")),
                     &page),
        "txtTime");
    add(new MonthCalendar(&page), "Calendar1");
    add(new ScrollSlider(&page), "sldTrans");
    const auto caption = [&page](const char* name, const char* text) {
        add(new QLabel(designText(text), &page), name);
    };
    //: Above the slider for the timer window's opacity.
    caption("Label1", QT_TRANSLATE_NOOP("tavrio::frmSettings", "Opacity:"));
    //: Above the box for the target date: the date Tavrio counts down to.
    caption("Label2", QT_TRANSLATE_NOOP("tavrio::frmSettings", "Tavrio To Date:"));
    //: Above the box for the target time of day.
    caption("Label3", QT_TRANSLATE_NOOP("tavrio::frmSettings", "Tavrio To Time:"));
    //: Above the box for the title: what Tavrio counts down to, the event. The timer window's
    //: caption reads "Tavrio To " and the title.
    caption("Label4", QT_TRANSLATE_NOOP("tavrio::frmSettings", "Tavrio To What:"));
    //: Above the credit line at the bottom of the settings window.
    caption("Label5", QT_TRANSLATE_NOOP("tavrio::frmSettings", "Developed By:"));
    //: The credit line, under "Developed By:".
    caption("Label6", QT_TRANSLATE_NOOP("tavrio::frmSettings", "The Tavrio developers"));
    add(new BorderStyleList(&page), "Combo1");
    //: Above the list of the timer window's border styles.
    caption("Label9", QT_TRANSLATE_NOOP("tavrio::frmSettings", "Border Style:"));
    //: Check box: the timer window's background becomes transparent, only the text shows.
    add(new WrappingCheckBox(
            designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Hide Background")), &page),
        "chkHide");
    //: Button that opens the font dialog for the timer window's text. "&&" shows as one "&";
    //: no letter is underlined.
    add(new QPushButton(
            designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Change Font Name, Size && Color")),
            &page),
        "cmdFont");
    add(new DonationPicture(&page), "Picture1");
}

void nameControls(const QWidget& page) {
    for (const auto& [caption, control] : kCaptions) {
        if (control != nullptr) {
            auto& label = named<QLabel>(page, caption);
            label.setBuddy(&named(page, control));
            named(page, control).setAccessibleName(spokenCaption(label.text()));
        }
    }
    for (const char* button : {"chkHide", "cmdFont"}) {
        auto& control = named<QAbstractButton>(page, button);
        control.setAccessibleName(spokenCaption(control.text()));
    }
    auto& calendar = named<MonthCalendar>(page, "Calendar1");
    //: What a screen reader calls the month calendar in which the target date is picked.
    calendar.setAccessibleName(
        designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Target date calendar")));
    //: The calendar's grid of days, where the user picks the day of the awaited event
    calendar.setDayGridName(designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Target date")));
    QWidget& picture = named(page, "Picture1");
    //: What a screen reader calls the donation picture (a button).
    picture.setAccessibleName(designText(QT_TRANSLATE_NOOP("tavrio::frmSettings", "Donate")));
    picture.setAccessibleDescription(designText(
        //: What a screen reader says of the donation picture, after its name.
        QT_TRANSLATE_NOOP("tavrio::frmSettings", "Opens the donation page in the web browser")));
    for (std::size_t i = 1; i < std::size(kTabOrder); ++i) {
        QWidget::setTabOrder(&named(page, kTabOrder[i - 1]), &named(page, kTabOrder[i]));
    }
}

// The border-style list takes the width of its longest entry, so the chosen one shows whole, and
// the check box beside it takes the rest of the row, on two lines when one is too long. Where the
// row holds no room for the check box even so, it moves up beside the list's caption, and the
// list may take the whole row.
void fitBorderStyleRow(const QWidget& page) {
    auto& list = named<QComboBox>(page, "Combo1");
    QWidget& box = named(page, "chkHide");
    const int right = page.width() - kDesignMargin;
    list.resize(std::clamp(list.sizeHint().width(), list.width(), right - list.x()), list.height());
    const int besideList = std::max(box.x(), list.geometry().right() + 1 + kGap);
    box.setGeometry(besideList, box.y(), right - besideList, box.height());
    const int lines = box.heightForWidth(box.width());
    if (box.minimumSizeHint().width() <= box.width() &&
        lines <= roomBelow(box, kGap, kDesignMargin) - box.y()) {
        box.resize(box.width(), std::max(box.height(), lines));
        return;
    }
    const QSize oneLine = box.sizeHint();
    box.setGeometry(right - oneLine.width(), list.y() - oneLine.height(), oneLine.width(),
                    oneLine.height());
}

// The captions above the controls sit right on them, one pixel over in the design, and give that
// pixel back.
void fitTexts(const QWidget& page) {
    fitBorderStyleRow(page);
    for (const auto& names : kCaptions) {
        QWidget& caption = named(page, names.first);
        growToFit(caption, kGap, kDesignMargin);
        caption.resize(caption.width(),
                       std::min(caption.height(), roomBelow(caption, 0, 0) - caption.y()));
    }
    growToFit(named(page, "cmdFont"), kGap, kDesignMargin);
}

void layOut(QWidget& page) {
    for (const Place& place : kPlaces) {
        QWidget& control = named(page, place.control);
        control.move(pixelsFromTwips(place.left), pixelsFromTwips(place.top));
        if (place.width > 0) {
            control.resize(pixelsFromTwips(place.width), pixelsFromTwips(place.height));
        }
    }
    auto& slider = named<QSlider>(page, "sldTrans");
    slider.setRange(0, 255);
    slider.setPageStep(50);
    slider.setSingleStep(10);
    slider.setTickInterval(20);
    slider.setTickPosition(QSlider::TicksBelow);
    fitTexts(page);
    nameControls(page);
}

} // namespace

QString designText(const char* text) {
    return QCoreApplication::translate("tavrio::frmSettings", text);
}

QString spokenCaption(const QString& caption) {
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        name += caption[i];
    }
    name = name.trimmed();
    while (name.endsWith(u':') || name.endsWith(u'\uFF1A')) {
        name.chop(1);
    }
    return name.trimmed();
}

QWidget* makeDesignPage() {
    // A screen reader that runs asks for each control's accessible interface as the control is
    // made, and the first answer stays: the window's own are installed before the first control.
    installSettingsWindowAccessibility();
    auto* const page = new QWidget;
    addControls(*page);
    page->resize(kSettingsWindowSize);
    layOut(*page);
    addMomentGroup(*page, named(*page, kTabOrder[std::size(kTabOrder) - 1]));
    // Never smaller than what shows every control.
    const QRect controls = page->childrenRect();
    page->setMinimumSize(controls.right() + 1, controls.bottom() + 1);
    return page;
}

} // namespace tavrio
