#include "frmSettings.h"

#include "BorderStyleList.h"
#include "Conversions.h"
#include "CountdownState.h"
#include "DateText.h"
#include "DonationAddress.h"
#include "DonationPicture.h"
#include "EntryBox.h"
#include "LocalClock.h"
#include "MonthCalendar.h"
#include "Program.h"
#include "ScrollSlider.h"
#include "SettingsWindowDesign.h"
#include "SettingsWindowKeyboard.h"
#include "StoredLook.h"
#include "Version.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace tavrio {

namespace {

// A control of the design's page, by its design name.
template <class Control>
Control* designControl(const QWidget* page, const char* name) {
    return page->findChild<Control*>(QString::fromLatin1(name));
}

} // namespace

frmSettings::frmSettings(Program& program, CountdownState& countdown)
    // Kept above the timer window, which is kept above all others (WindowEffects::keepAbove);
    // some window managers (xfwm4) keep a window above its owner only within the owner's layer.
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , program_(program)
    , countdown_(countdown)
    , page_(makeDesignPage())
    , fullSize_(page_->size())
    , scroller_(new QScrollArea(this))
    , txtWhat(designControl<QLineEdit>(page_, "txtWhat"))
    , txtDate(designControl<EntryBox>(page_, "txtDate"))
    , txtTime(designControl<EntryBox>(page_, "txtTime"))
    , Calendar1(designControl<MonthCalendar>(page_, "Calendar1"))
    , sldTrans(designControl<ScrollSlider>(page_, "sldTrans"))
    , Combo1(designControl<BorderStyleList>(page_, "Combo1"))
    , chkHide(designControl<QCheckBox>(page_, "chkHide"))
    , cmdFont(designControl<QPushButton>(page_, "cmdFont"))
    , Picture1(designControl<DonationPicture>(page_, "Picture1"))
    , chkSound(designControl<QCheckBox>(page_, "chkSound"))
    , cboAfter(designControl<QComboBox>(page_, "cboAfter"))
    , cboRepeat(designControl<QComboBox>(page_, "cboRepeat"))
    //: The hidden menu that the timer window shows on a right-click; its title is not shown.
    , mnuFile(new QMenu(tr("File"), this))
    //: Pop-up menu of the timer window: opens the settings window.
    , mnuSettings(mnuFile->addAction(tr("&Settings")))
    //: Pop-up menu of the timer window: makes another countdown, with a timer window of its own.
    , mnuNew(mnuFile->addAction(tr("&New Countdown")))
    //: Pop-up menu of a timer window other than the first: removes its countdown for good,
    //: after asking.
    , mnuRemove(mnuFile->addAction(tr("&Remove This Countdown")))
    //: Pop-up menu of the timer window: ends the program.
    , mnuExit(mnuFile->addAction(tr("E&xit")))
    , keyboard_(*this, program, countdown)
    , date_(*txtDate, countdown.TargetDate, Key::tvDate, program.regional)
    , time_(*txtTime, countdown.TargetTime, Key::tvTime, program.regional) {
    setAttribute(Qt::WA_DeleteOnClose);
    //: The settings window's caption; the version follows (" v1.2.0").
    caption_ =
        tr("Tavrio Settings") +
        QStringLiteral(" v%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    setFixedSize(fullSize_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Q_SET_OBJECT_NAME(mnuFile);
    Q_SET_OBJECT_NAME(mnuSettings);
    Q_SET_OBJECT_NAME(mnuNew);
    Q_SET_OBJECT_NAME(mnuRemove);
    Q_SET_OBJECT_NAME(mnuExit);
    mnuRemove->setVisible(!countdown.isFirst());
    scrollPage();
    date_.readPhrases(time_, [this] { return localPhraseClock(program_.now()); });
    connectHandlers();
    Form_Load();
}

// A window made smaller than the page scrolls, and a scroll bar may take the margin.
void frmSettings::scrollPage() {
    scroller_->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control; the area scrolls to the one with the focus.
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);
    scroller_->setWidget(page_);
    scroller_->resize(size());
}

void frmSettings::connectHandlers() {
    connect(txtWhat, &QLineEdit::textChanged, this, &frmSettings::txtWhat_Change);
    connect(txtDate, &QLineEdit::textChanged, this, &frmSettings::txtDate_Change);
    connect(txtTime, &QLineEdit::textChanged, this, &frmSettings::txtTime_Change);
    connect(txtDate, &EntryBox::textBegun, this, [this] { date_.begin(); });
    connect(txtTime, &EntryBox::textBegun, this, [this] { time_.begin(); });
    connect(Calendar1, &MonthCalendar::AfterUpdate, this, &frmSettings::Calendar1_AfterUpdate);
    connect(sldTrans, &ScrollSlider::Scroll, this, &frmSettings::sldTrans_Scroll);
    // The user's pick, also of the entry already chosen; not the program's own selection.
    connect(Combo1, &QComboBox::activated, this, &frmSettings::Combo1_Click);
    connect(chkHide, &QCheckBox::toggled, this, &frmSettings::chkHide_Click);
    connect(cmdFont, &QPushButton::clicked, this, &frmSettings::cmdFont_Click);
    connect(Picture1, &DonationPicture::clicked, this, &frmSettings::Picture1_Click);
    // The user's choices, not the program's own when it fills them.
    connect(chkSound, &QCheckBox::clicked, this, &frmSettings::chkSound_Click);
    connect(cboAfter, &QComboBox::activated, this, &frmSettings::cboAfter_Click);
    connect(cboRepeat, &QComboBox::activated, this, &frmSettings::cboRepeat_Click);
    connect(mnuSettings, &QAction::triggered, this, &frmSettings::mnuSettings_Click);
    connect(mnuNew, &QAction::triggered, this, &frmSettings::mnuNew_Click);
    connect(mnuRemove, &QAction::triggered, this, &frmSettings::mnuRemove_Click);
    connect(mnuExit, &QAction::triggered, this, &frmSettings::mnuExit_Click);
}

void frmSettings::Form_Load() {
    const CountdownState& shared = countdown_;
    const RegionalSettings& regional = program_.regional;
    date_.begin();
    time_.begin();
    if (shared.TargetDate != 0.0) {
        date_.fill(entryDateText(shared.TargetDate, regional));
        time_.fill(entryTimeText(shared.TargetTime, regional));
    }
    sldTrans->setValue(shared.Opacity);
    Calendar1->setValue(shared.TargetDate);
    // The stored title reaches the box and the caption, but is not written back: storing it
    // again would rewrite the settings file for a value the user did not change.
    fillTitle(QString::fromStdString(
        readSetting(program_.store, countdown_.group, Key::What, kWhatDefaultForTitleBox)));
    {
        const UpdatingScope updating(countdown_);
        if (const auto style = readBorderStyle(program_.store, countdown_.group, regional)) {
            Combo1->setCurrentIndex(*style);
        }
        chkHide->setChecked(shared.HideBackground);
    }
    chkSound->setChecked(shared.Moment.sound);
    cboAfter->setCurrentIndex(static_cast<int>(shared.Moment.after));
    cboRepeat->setCurrentIndex(static_cast<int>(shared.Moment.repeat));
    showCaption();
}

// To the second: a target set for "in 4 min" keeps its seconds, as one the date box read does.
void frmSettings::showTargetSetElsewhere(const std::optional<QString>& title) {
    const DateValue date = countdown_.TargetDate;
    const DateValue time = countdown_.TargetTime;
    date_.begin();
    time_.begin();
    date_.fill(entryDateText(date, program_.regional));
    time_.fill(entryTimeText(time, program_.regional, EntrySeconds::WhenNotZero));
    if (title) {
        fillTitle(*title);
    }
}

void frmSettings::fillTitle(const QString& title) {
    fillingTitle_ = true;
    txtWhat->setText(title);
    fillingTitle_ = false;
}

void frmSettings::Form_Unload() {
    storeChangedTargetAndOpacity();
}

void frmSettings::storeChangedTargetAndOpacity() {
    date_.storeIfChanged(program_.writer, countdown_.group);
    time_.storeIfChanged(program_.writer, countdown_.group);
    if (opacityChanged_) {
        program_.writer.save(countdown_.group, Key::tvTrans, integerText(countdown_.Opacity));
    }
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

void frmSettings::showTargetDate() {
    date_.fill(entryDateText(countdown_.TargetDate, program_.regional));
}

void frmSettings::hideAtEnd() {
    storeChangedTargetAndOpacity();
    hide();
}

QSize frmSettings::sizeHint() const {
    return fullSize_;
}

void frmSettings::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scroller_->resize(size());
}

void frmSettings::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmSettings::mnuSettings_Click() {
    program_.forms->showSettingsWindow(countdown_);
}

void frmSettings::mnuNew_Click() {
    program_.forms->newCountdown(countdown_);
}

// Asked over the countdown's timer window, which the user is looking at; the settings window may
// be hidden, loaded only for this menu.
void frmSettings::mnuRemove_Click() {
    const QString title = txtWhat->text();
    const QString question =
        title.isEmpty()
            //: Asked before a countdown without a title is removed.
            ? tr("Remove this countdown?")
            //: Asked before a countdown is removed; %1 is its title, the event it counts to.
            : tr("Remove the countdown to %1?").arg(title);
    QWidget* over = program_.forms->timerWindow(countdown_);
    if (QMessageBox::question(over != nullptr ? over : this, QStringLiteral("Tavrio"), question) ==
        QMessageBox::Yes) {
        program_.forms->removeCountdown(countdown_);
    }
}

void frmSettings::nameCountdownInCaption(bool name) {
    namesCountdown_ = name;
    showCaption();
}

void frmSettings::beginWithTheTitle() {
    keyboard_.returnTo(*txtWhat);
}

// With several countdowns, each settings window says which one it edits.
void frmSettings::showCaption() {
    if (!namesCountdown_) {
        setWindowTitle(caption_);
        return;
    }
    const QString title = txtWhat->text();
    setWindowTitle(caption_ + QStringLiteral(" \u2014 ") +
                   (title.isEmpty() ? QStringLiteral("??") : title));
}

void frmSettings::mnuExit_Click() {
    program_.forms->endProgram();
}

// The pick is the user's change of the date; the time it fills an empty time box with is not one.
void frmSettings::Calendar1_AfterUpdate() {
    txtDate->setText(
        QString::fromStdString(calendarPickText(Calendar1->Value(), program_.regional)));
    date_.begin();
    if (txtTime->text().isEmpty()) {
        time_.fill(entryTimeText(countdown_.TargetTime, program_.regional));
    }
}

void frmSettings::txtDate_Change() {
    date_.take();
    Calendar1->setValue(countdown_.TargetDate);
    showTargetOnTimerWindow();
}

void frmSettings::txtTime_Change() {
    time_.take();
    showTargetOnTimerWindow();
}

void frmSettings::showTargetOnTimerWindow() {
    if (frmMain* timer = program_.forms->timerWindow(countdown_)) {
        timer->refreshNow();
    }
}

void frmSettings::txtWhat_Change() {
    if (frmMain* timer = program_.forms->timerWindow(countdown_)) {
        timer->setTitle(txtWhat->text());
    }
    if (!fillingTitle_) {
        program_.writer.save(countdown_.group, Key::What, txtWhat->text().toStdString());
    }
    showCaption();
}

void frmSettings::Combo1_Click() {
    if (countdown_.Updating) {
        return;
    }
    program_.forms->changeBorderStyle(countdown_, Combo1->currentIndex());
    // The new window must not keep the activation: the settings window is kept out of the
    // taskbar, so a keyboard user could not get back to it.
    keyboard_.returnTo(*Combo1);
}

void frmSettings::chkHide_Click() {
    if (countdown_.Updating) {
        return;
    }
    countdown_.HideBackground = chkHide->isChecked();
    if (frmMain* timer = program_.forms->timerWindow(countdown_)) {
        timer->showTranslucency(countdown_.Opacity, countdown_.HideBackground);
    }
    program_.writer.save(countdown_.group, Key::tvHide, chkHide->isChecked() ? "1" : "0");
}

void frmSettings::sldTrans_Scroll() {
    const int value = sldTrans->value();
    if (value < 0 || value > 255) {
        return;
    }
    countdown_.Opacity = static_cast<std::uint8_t>(value);
    opacityChanged_ = true;
    if (frmMain* timer = program_.forms->timerWindow(countdown_)) {
        timer->showTranslucency(countdown_.Opacity, chkHide->isChecked());
    }
}

// No timer window leaves the font the dialog starts from empty; a value the label refuses is
// stored all the same, so the store holds the choice.
void frmSettings::cmdFont_Click() {
    FontSpec spec;
    std::optional<QRect> timerWindow;
    if (const frmMain* timer = program_.forms->timerWindow(countdown_)) {
        spec = timer->labelFont();
        timerWindow = timer->outerGeometry();
    }
    // A cancelled dialog changes nothing: applying and storing its answer would lose the face.
    const auto chosen = program_.chooseFont(*this, spec, timerWindow);
    // The window manager may hand the activation to any window when the dialog goes, or to none.
    keyboard_.returnTo(*cmdFont);
    if (!chosen) {
        return;
    }
    // The timer window is looked up again: it may have gone while the dialog was open.
    if (frmMain* timer = program_.forms->timerWindow(countdown_)) {
        timer->showFont(*chosen);
    }
    const std::string& group = countdown_.group;
    program_.writer.save(group, Key::FontName, chosen->Name);
    program_.writer.save(group, Key::FontSize, integerText(chosen->Size));
    program_.writer.save(group, Key::FontColor, integerText(chosen->Color));
    program_.writer.save(group, Key::FontBold, booleanText(chosen->Bold));
    program_.writer.save(group, Key::FontItalic, booleanText(chosen->Italic));
}

void frmSettings::Picture1_Click() {
    program_.openAddress(donationAddress());
}

void frmSettings::chkSound_Click() {
    countdown_.Moment.sound = chkSound->isChecked();
    program_.writer.save(countdown_.group, Key::tvSound, booleanText(countdown_.Moment.sound));
}

// Picking the entry in force again changes nothing, and writes nothing: a stored value that could
// not be read, shown as the default, stays as it is.
template <class Choice>
void frmSettings::storePick(const QComboBox& list, Choice& inForce, Key key) {
    const auto picked = static_cast<Choice>(list.currentIndex());
    if (picked != inForce) {
        inForce = picked;
        program_.writer.save(countdown_.group, key, integerText(list.currentIndex()));
        showTargetOnTimerWindow();
    }
}

void frmSettings::cboAfter_Click() {
    storePick(*cboAfter, countdown_.Moment.after, Key::tvAfter);
}

void frmSettings::cboRepeat_Click() {
    storePick(*cboRepeat, countdown_.Moment.repeat, Key::tvRepeat);
}

} // namespace tavrio
