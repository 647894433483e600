#include "frmSettings.h"

#include "ControlFit.h"
#include "Conversions.h"
#include "DateText.h"
#include "DonationAddress.h"
#include "DonationPicture.h"
#include "FontSpec.h"
#include "Program.h"
#include "ProgramTexts.h"
#include "SettingsWindowAccessible.h"
#include "StoredLook.h"
#include "Twips.h"
#include "Version.h"
#include "WindowEffects.h"
#include "WrappingCheckBox.h"
#include "frmMain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace tavrio {

namespace {

constexpr QSize kClientSize{4815 / kTwipsPerPixel, 7950 / kTwipsPerPixel};
// The design's margin at the window's left edge, kept at its right edge by controls that grow.
constexpr int kMargin = 240 / kTwipsPerPixel;
// Between controls side by side, as the desktops' dialogs space them.
constexpr int kGap = 6;

// The border styles' names, each after its number in the list: the index is the stored style.
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

// Places a control as the design gives it, in twips.
void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                         pixelsFromTwips(height));
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// A caption as a screen reader reads it: no mnemonic marks, a doubled ampersand as one.
QString spoken(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        text += caption[i];
    }
    return text;
}

// A control as its label names it, without the label's colon: a screen reader says the name and
// then what kind of control it is.
QString nameFrom(const QLabel& label) {
    QString name = label.text().trimmed();
    while (name.endsWith(u':') || name.endsWith(u'\uFF1A')) {
        name.chop(1);
    }
    return name.trimmed();
}

// The page the controls lie on. A screen reader that runs asks for each control's accessible
// interface as the control is made, and the first answer stays: the window's own are installed
// before the first control is.
QWidget* newPage() {
    installSettingsWindowAccessibility();
    return new QWidget;
}

} // namespace

frmSettings::frmSettings(Program& program)
    // Kept above the timer window, which is kept above all others (WindowEffects::keepAbove);
    // some window managers (xfwm4) keep a window above its owner only within the owner's layer.
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , page_(newPage())
    , scroller_(new QScrollArea(this))
    , txtWhat(new QLineEdit(page_))
    //: What the date box says (tooltip, screen reader) while its text is not a date.
    , txtDate(new EntryBox(tr("Not a date: the target stays as it was"), page_))
    //: What the time box says (tooltip, screen reader) while its text is not a time.
    , txtTime(new EntryBox(tr("Not a time: the target stays as it was"), page_))
    , Calendar1(new MonthCalendar(page_))
    , sldTrans(new ScrollSlider(page_))
    //: Above the slider for the timer window's opacity.
    , Label1(new QLabel(tr("Opacity:"), page_))
    //: Above the box for the target date: the date Tavrio counts down to.
    , Label2(new QLabel(tr("Tavrio To Date:"), page_))
    //: Above the box for the target time of day.
    , Label3(new QLabel(tr("Tavrio To Time:"), page_))
    //: Above the box for the title: what Tavrio counts down to, the event. The timer window's
    //: caption reads "Tavrio To " and the title.
    , Label4(new QLabel(tr("Tavrio To What:"), page_))
    //: Above the credit line at the bottom of the settings window.
    , Label5(new QLabel(tr("Developed By:"), page_))
    //: The credit line, under "Developed By:".
    , Label6(new QLabel(tr("The Tavrio developers"), page_))
    , Combo1(new QComboBox(page_))
    //: Above the list of the timer window's border styles.
    , Label9(new QLabel(tr("Border Style:"), page_))
    //: Check box: the timer window's background becomes transparent, only the text shows.
    , chkHide(new WrappingCheckBox(tr("Hide Background"), page_))
    //: Button that opens the font dialog for the timer window's text. "&&" shows as one "&";
    //: no letter is underlined.
    , cmdFont(new QPushButton(tr("Change Font Name, Size && Color"), page_))
    , Picture1(new DonationPicture(page_))
    //: The hidden menu that the timer window shows on a right-click; its title is not shown.
    , mnuFile(new QMenu(tr("File"), this))
    //: Pop-up menu of the timer window: opens the settings window.
    , mnuSettings(mnuFile->addAction(tr("&Settings")))
    //: Pop-up menu of the timer window: ends the program.
    , mnuExit(mnuFile->addAction(tr("E&xit")))
    , program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    //: The settings window's caption; the version follows (" v1.2.0").
    setWindowTitle(tr("Tavrio Settings"));
    setFixedSize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    page_->resize(kClientSize);
    layOut();
    scrollPage();
    connectHandlers();
    Form_Load();
}

// The page is never smaller than what shows every control: a window made smaller than that
// scrolls, and a scroll bar may take the margin.
void frmSettings::scrollPage() {
    const QRect controls = page_->childrenRect();
    page_->setMinimumSize(controls.right() + 1, controls.bottom() + 1);
    scroller_->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control; the area scrolls to the one with the focus.
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);
    scroller_->setWidget(page_);
    scroller_->resize(size());
}

void frmSettings::layOut() {
    place(txtWhat, 240, 480, 4215, 375);
    place(txtDate, 240, 1320, 2055, 375);
    place(txtTime, 2400, 1320, 2055, 375);
    place(Calendar1, 240, 1800, 4335, 2895);
    place(sldTrans, 240, 5160, 4335, 555);
    place(Label1, 360, 4920, 2895, 255);
    place(Label2, 240, 1080, 2055, 255);
    place(Label3, 2400, 1080, 2055, 255);
    place(Label4, 240, 240, 2055, 255);
    place(Label5, 360, 7320, 2895, 255);
    place(Label6, 480, 7560, 2895, 255);
    place(Combo1, 360, 6720, 2175, 315);
    place(Label9, 360, 6480, 1095, 255);
    place(chkHide, 2640, 6600, 1935, 495);
    place(cmdFont, 360, 5880, 4095, 375);
    Picture1->move(pixelsFromTwips(3480), pixelsFromTwips(7320));

    sldTrans->setRange(0, 255);
    sldTrans->setPageStep(50);
    sldTrans->setSingleStep(10);
    sldTrans->setTickInterval(20);
    sldTrans->setTickPosition(QSlider::TicksBelow);

    for (int style = 0; style < static_cast<int>(std::size(kBorderStyleNames)); ++style) {
        Combo1->addItem(QStringLiteral("%1 %2").arg(style).arg(tr(kBorderStyleNames[style])));
    }
    Combo1->setCurrentIndex(-1);
    // The list may be wider than the box, so that every entry shows whole.
    Combo1->view()->setMinimumWidth(Combo1->view()->sizeHintForColumn(0) +
                                    2 * Combo1->view()->frameWidth() + 8);
    fitTexts();

    // The labels name the controls under them, for screen readers and for keyboard users, who
    // reach each control with Tab in the order of the design.
    Label4->setBuddy(txtWhat);
    Label2->setBuddy(txtDate);
    Label3->setBuddy(txtTime);
    Label1->setBuddy(sldTrans);
    Label9->setBuddy(Combo1);
    txtWhat->setAccessibleName(nameFrom(*Label4));
    txtDate->setAccessibleName(nameFrom(*Label2));
    txtTime->setAccessibleName(nameFrom(*Label3));
    //: What a screen reader calls the month calendar in which the target date is picked.
    Calendar1->setAccessibleName(tr("Target date calendar"));
    //: The calendar's grid of days, where the user picks the day of the awaited event
    Calendar1->setDayGridName(tr("Target date"));
    sldTrans->setAccessibleName(nameFrom(*Label1));
    Combo1->setAccessibleName(nameFrom(*Label9));
    chkHide->setAccessibleName(chkHide->text());
    cmdFont->setAccessibleName(spoken(cmdFont->text()));
    //: What a screen reader calls the donation picture (a button).
    Picture1->setAccessibleName(tr("Donate"));
    //: What a screen reader says of the donation picture, after its name.
    Picture1->setAccessibleDescription(tr("Opens the donation page in the web browser"));

    QWidget* const tabOrder[] = {txtWhat, txtDate, txtTime, Calendar1, sldTrans,
                                 Combo1,  chkHide, cmdFont, Picture1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
}

// The design's sizes were made for English and a smaller dialog font than most desktops use: a
// text wider than its control grows the control into the room beside it. The captions above the
// controls sit right on them, one pixel over in the design, and give that pixel back.
void frmSettings::fitTexts() {
    fitBorderStyleRow();
    for (QLabel* caption : {Label1, Label2, Label3, Label4, Label5, Label6, Label9}) {
        growToFit(*caption, kGap, kMargin);
        caption->resize(caption->width(),
                        std::min(caption->height(), roomBelow(*caption, 0, 0) - caption->y()));
    }
    growToFit(*cmdFont, kGap, kMargin);
}

// The border-style list takes the width of its longest entry, so the chosen one shows whole, and
// the check box beside it takes the rest of the row, on two lines when one is too long. Where the
// row holds no room for the check box even so, it moves up beside the list's caption, and the list
// may take the whole row.
void frmSettings::fitBorderStyleRow() {
    const int right = page_->width() - kMargin;
    Combo1->resize(std::clamp(Combo1->sizeHint().width(), Combo1->width(), right - Combo1->x()),
                   Combo1->height());
    const int besideList = std::max(chkHide->x(), Combo1->geometry().right() + 1 + kGap);
    chkHide->setGeometry(besideList, chkHide->y(), right - besideList, chkHide->height());
    const int lines = chkHide->heightForWidth(chkHide->width());
    if (chkHide->minimumSizeHint().width() <= chkHide->width() &&
        lines <= roomBelow(*chkHide, kGap, kMargin) - chkHide->y()) {
        chkHide->resize(chkHide->width(), std::max(chkHide->height(), lines));
        return;
    }
    const QSize oneLine = chkHide->sizeHint();
    chkHide->setGeometry(right - oneLine.width(), Combo1->y() - oneLine.height(), oneLine.width(),
                         oneLine.height());
}

void frmSettings::connectHandlers() {
    connect(txtWhat, &QLineEdit::textChanged, this, &frmSettings::txtWhat_Change);
    connect(txtDate, &QLineEdit::textChanged, this, &frmSettings::txtDate_Change);
    connect(txtTime, &QLineEdit::textChanged, this, &frmSettings::txtTime_Change);
    connect(txtDate, &EntryBox::textBegun, this,
            [this] { date_.begin(program_.shared.TargetDate); });
    connect(txtTime, &EntryBox::textBegun, this,
            [this] { time_.begin(program_.shared.TargetTime); });
    connect(Calendar1, &MonthCalendar::AfterUpdate, this, &frmSettings::Calendar1_AfterUpdate);
    connect(sldTrans, &ScrollSlider::Scroll, this, &frmSettings::sldTrans_Scroll);
    // The user's pick, also of the entry already chosen; not the program's own selection.
    connect(Combo1, &QComboBox::activated, this, &frmSettings::Combo1_Click);
    // The wheel over the closed list would pick entry after entry, re-creating the timer window
    // at every notch, where the user only meant to scroll past.
    Combo1->installEventFilter(this);
    connect(chkHide, &QCheckBox::toggled, this, &frmSettings::chkHide_Click);
    connect(cmdFont, &QPushButton::clicked, this, &frmSettings::cmdFont_Click);
    connect(Picture1, &DonationPicture::clicked, this, &frmSettings::Picture1_Click);
    connect(mnuSettings, &QAction::triggered, this, &frmSettings::mnuSettings_Click);
    connect(mnuExit, &QAction::triggered, this, &frmSettings::mnuExit_Click);
}

void frmSettings::Form_Load() {
    SharedValues& shared = program_.shared;
    const RegionalSettings& regional = program_.regional;

    date_.begin(shared.TargetDate);
    time_.begin(shared.TargetTime);
    // Each assignment runs the box's change handler at once, which reads the text back.
    if (shared.TargetDate != 0.0) {
        fill(*txtDate, date_, shared.TargetDate, entryDateText(shared.TargetDate, regional));
        fill(*txtTime, time_, shared.TargetTime, entryTimeText(shared.TargetTime, regional));
    }
    sldTrans->setValue(shared.Opacity);
    Calendar1->setValue(shared.TargetDate);
    // The stored title reaches the box and the caption, but is not written back: storing it
    // again would rewrite the settings file for a value the user did not change.
    fillingTitle_ = true;
    txtWhat->setText(qs(readSetting(program_.store, Key::What, kWhatDefaultForTitleBox)));
    fillingTitle_ = false;

    shared.Updating = true;
    if (const auto style = readBorderStyle(program_.store, regional)) {
        Combo1->setCurrentIndex(*style);
    }
    chkHide->setChecked(shared.HideBackground);
    shared.Updating = false;

    setWindowTitle(
        windowTitle() +
        QStringLiteral(" v%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
}

void frmSettings::Form_Unload() {
    storeChangedTargetAndOpacity();
}

void frmSettings::storeChangedTargetAndOpacity() {
    const SharedValues& shared = program_.shared;
    if (date_.changed()) {
        program_.writer.save(Key::tvDate, storedDateText(shared.TargetDate));
    }
    if (time_.changed()) {
        program_.writer.save(Key::tvTime, storedDateText(shared.TargetTime));
    }
    if (opacityChanged_) {
        program_.writer.save(Key::tvTrans, integerText(shared.Opacity));
    }
}

QSize frmSettings::sizeHint() const {
    return kClientSize;
}

void frmSettings::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scroller_->resize(size());
}

void frmSettings::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const frmMain* timer = program_.forms->timerWindow();
    openedFromTimer_ = timer != nullptr && QApplication::activeWindow() == timer;
}

// The keyboard goes back to the timer window when the window was opened from it (a double-click,
// Return): window managers hand it to whichever window they like, or to none.
void frmSettings::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QWidget::closeEvent(event);
    frmMain* timer = program_.forms->timerWindow();
    if (openedFromTimer_ && timer != nullptr) {
        timer->activate();
    }
}

// A control that takes Escape itself (an open list, the calendar's year box) keeps it.
void frmSettings::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSettings::returnTo(QWidget* control) {
    if (!isVisible()) {
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
    WindowEffects::current().activate(*this);
}

bool frmSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1 && event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSettings::showPopupMenu(QPoint globalPosition, bool fromKeyboard) {
    if (fromKeyboard) {
        // Once the menu shows: showing it makes no entry active.
        QTimer::singleShot(0, mnuFile, [this] { mnuFile->setActiveAction(mnuSettings); });
    }
    mnuFile->exec(globalPosition);
}

void frmSettings::showOpacity(std::uint8_t opacity) {
    sldTrans->setValue(opacity);
}

void frmSettings::hideAtEnd() {
    storeChangedTargetAndOpacity();
    hide();
}

void frmSettings::mnuSettings_Click() {
    program_.forms->showSettingsWindow();
}

void frmSettings::mnuExit_Click() {
    program_.forms->endProgram();
}

// The pick is the user's change of the date; the time it fills an empty time box with is not one.
void frmSettings::Calendar1_AfterUpdate() {
    SharedValues& shared = program_.shared;
    txtDate->setText(qs(calendarPickText(Calendar1->Value(), program_.regional)));
    date_.begin(shared.TargetDate);
    if (txtTime->text().isEmpty()) {
        fill(*txtTime, time_, shared.TargetTime,
             entryTimeText(shared.TargetTime, program_.regional));
    }
}

void frmSettings::txtDate_Change() {
    takeText(*txtDate, date_, program_.shared.TargetDate);
    Calendar1->setValue(program_.shared.TargetDate);
}

void frmSettings::txtTime_Change() {
    takeText(*txtTime, time_, program_.shared.TargetTime);
}

void frmSettings::takeText(EntryBox& box, TypedEntry& entry, DateValue& value) {
    const QString text = box.text();
    const TypedEntry::Outcome outcome = entry.take(text.toStdString(), program_.regional);
    value = outcome.value;
    // An empty box is no mistake: it is where every new text starts.
    box.setUnreadable(!outcome.read && !text.trimmed().isEmpty());
}

void frmSettings::fill(EntryBox& box, TypedEntry& entry, DateValue& value,
                       const std::string& text) {
    entry.startProgramText();
    box.setText(qs(text));
    entry.endProgramText(value);
}

void frmSettings::txtWhat_Change() {
    const std::string title = txtWhat->text().toStdString();
    if (frmMain* timer = program_.forms->timerWindow()) {
        timer->setTitle(txtWhat->text());
    }
    if (!fillingTitle_) {
        program_.writer.save(Key::What, title);
    }
}

void frmSettings::Combo1_Click() {
    SharedValues& shared = program_.shared;
    if (shared.Updating) {
        return;
    }
    shared.Updating = true;
    shared.SettingsLoaded = false;
    // The new window reads every setting from the store: what the user changed here goes there
    // first, and the windows keep what they held for the rest rather than the stored text (a
    // time whose seconds the time box dropped, the opacity the tray made opaque).
    const SharedValues held = shared;
    storeChangedTargetAndOpacity();
    program_.forms->unloadTimerWindow();
    program_.writer.save(Key::BS, integerText(Combo1->currentIndex()));
    // The old window's place, the target and the new style are on disk before the new window
    // shows, so that whatever happens next the style change is kept whole. The new window would
    // read them back unwritten as well; waiting here is the one wait for the disk while running.
    program_.writer.finishWrites();
    program_.forms->showTimerWindow();
    keepInForce(held);
    shared.Updating = false;
    // The new window must not keep the activation: the settings window is kept out of the
    // taskbar, so a keyboard user could not get back to it.
    returnTo(Combo1);
}

void frmSettings::keepInForce(const SharedValues& held) {
    SharedValues& shared = program_.shared;
    shared.TargetDate = held.TargetDate;
    shared.TargetTime = held.TargetTime;
    shared.Opacity = held.Opacity;
    if (frmMain* timer = program_.forms->timerWindow()) {
        timer->showTranslucency(shared.Opacity, shared.HideBackground);
        timer->refreshNow();
    }
}

void frmSettings::chkHide_Click() {
    SharedValues& shared = program_.shared;
    if (shared.Updating) {
        return;
    }
    shared.HideBackground = chkHide->isChecked();
    if (frmMain* timer = program_.forms->timerWindow()) {
        timer->showTranslucency(shared.Opacity, shared.HideBackground);
    }
    program_.writer.save(Key::tvHide, chkHide->isChecked() ? "1" : "0");
}

void frmSettings::sldTrans_Scroll() {
    const int value = sldTrans->value();
    if (value < 0 || value > 255) {
        return;
    }
    program_.shared.Opacity = static_cast<std::uint8_t>(value);
    opacityChanged_ = true;
    if (frmMain* timer = program_.forms->timerWindow()) {
        timer->showTranslucency(program_.shared.Opacity, chkHide->isChecked());
    }
}

// No timer window leaves the font the dialog starts from empty; a value the label refuses is
// stored all the same, so the store holds the choice.
void frmSettings::cmdFont_Click() {
    FontSpec spec;
    if (const frmMain* timer = program_.forms->timerWindow()) {
        spec = timer->labelFont();
    }
    // A cancelled dialog changes nothing: applying and storing its answer would lose the face.
    const auto chosen = program_.chooseFont(*this, spec);
    // The window manager may hand the activation to any window when the dialog goes, or to none.
    returnTo(cmdFont);
    if (!chosen) {
        return;
    }
    // The timer window is looked up again: it may have gone while the dialog was open.
    if (frmMain* timer = program_.forms->timerWindow()) {
        timer->showFont(*chosen);
    }
    program_.writer.save(Key::FontName, chosen->Name);
    program_.writer.save(Key::FontSize, integerText(chosen->Size));
    program_.writer.save(Key::FontColor, integerText(chosen->Color));
    program_.writer.save(Key::FontBold, booleanText(chosen->Bold));
    program_.writer.save(Key::FontItalic, booleanText(chosen->Italic));
}

void frmSettings::Picture1_Click() {
    program_.openAddress(donationAddress());
}

} // namespace tavrio
