<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try --help for the options.</source>
        <extracomment>After an error on the command line; --help is the option&apos;s name, never translated.</extracomment>
        <translation>Die Optionen zeigt --help an.</translation>
    </message>
    <message>
        <source>Counts down to a date and time on a translucent, always-on-top window.</source>
        <extracomment>The first line of tavrio --help, under Qt&apos;s &quot;Usage:&quot; line.</extracomment>
        <translation>Zählt in einem durchscheinenden Fenster, das immer im Vordergrund bleibt, bis zu einem Datum und einer Uhrzeit herunter.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <extracomment>tavrio --help: what --help does.</extracomment>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <extracomment>tavrio --help: what --version does.</extracomment>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Prints the countdown for the stored target (as the window shows it) and exits, without a display.</source>
        <extracomment>tavrio --help: what --print does. It needs no display (no desktop, an SSH session).</extracomment>
        <translation>Gibt den Countdown zum gespeicherten Ziel aus (wie das Fenster ihn zeigt) und beendet das Programm; braucht keine Anzeige.</translation>
    </message>
    <message>
        <source>With --print: prints a new line every second, for status bars, until interrupted.</source>
        <extracomment>tavrio --help: what --watch does; --print is the option&apos;s name, never translated.</extracomment>
        <translation>Mit --print: gibt jede Sekunde eine neue Zeile aus, für Statusleisten, bis zum Abbruch.</translation>
    </message>
    <message>
        <source>Opens the settings window as well, for a timer window out of reach.</source>
        <extracomment>tavrio --help: what --settings does: the way back to a timer window the user cannot reach (invisible, off the screen).</extracomment>
        <translation>Öffnet zusätzlich das Einstellungsfenster, falls das Timer-Fenster nicht erreichbar ist.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <extracomment>An error on the command line; %1 is the argument given.</extracomment>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--watch goes with --print.</source>
        <extracomment>An error on the command line: --watch without --print. Option names are never translated.</extracomment>
        <translation>--watch geht nur zusammen mit --print.</translation>
    </message>
    <message>
        <source>Ends the Tavrio that runs on this display, as its Exit does, and waits for it.</source>
        <extracomment>tavrio --help: what --exit does: the running Tavrio stores what is due and ends, as with Exit in its menu; this start waits for that.</extracomment>
        <translation>Beendet das Tavrio, das auf diesem Bildschirm läuft, wie sein „Beenden“ es tut, und wartet darauf.</translation>
    </message>
    <message>
        <source>With --print: a line for each countdown, its title, a TAB and its countdown, in their order.</source>
        <extracomment>tavrio --help: what --all does; --print is the option&apos;s name, never translated; TAB is the tab character.</extracomment>
        <translation>Mit --print: eine Zeile für jeden Countdown, mit seinem Titel, einem TAB und seinem Countdown, in ihrer Reihenfolge.</translation>
    </message>
    <message>
        <source>--all goes with --print.</source>
        <extracomment>An error on the command line: --all without --print. Option names are never translated.</extracomment>
        <translation>--all gehört zu --print.</translation>
    </message>
    <message>
        <source>Counts down to the moment a phrase names, as the date box reads it (&quot;friday 17:00&quot;, &quot;in 25 min&quot;, &quot;24 dec&quot;), and prints that moment.</source>
        <extracomment>tavrio --help: what --target does; the examples are phrases as the date box reads them, in the language of the translation.</extracomment>
        <translation>Zählt bis zu dem Zeitpunkt herunter, den eine Angabe nennt, wie das Datumsfeld sie liest („freitag 17:00“, „in 25 min“, „24. dez“), und gibt diesen Zeitpunkt aus.</translation>
    </message>
    <message>
        <source>phrase</source>
        <extracomment>tavrio --help: the value of --target, as in &quot;--target &lt;phrase&gt;&quot;.</extracomment>
        <translation>Angabe</translation>
    </message>
    <message>
        <source>With --target: the title of what is awaited.</source>
        <extracomment>tavrio --help: what --title does; --target is the option&apos;s name, never translated.</extracomment>
        <translation>Mit --target: der Titel dessen, worauf gewartet wird.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>tavrio --help: the value of --title, as in &quot;--title &lt;title&gt;&quot;.</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>--title goes with --target.</source>
        <extracomment>An error on the command line: --title without --target. Option names are never translated.</extracomment>
        <translation>--title geht nur zusammen mit --target.</translation>
    </message>
    <message>
        <source>--target does not go with --print.</source>
        <extracomment>An error on the command line: --target with --print. Option names are never translated.</extracomment>
        <translation>--target geht nicht zusammen mit --print.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no target. Understood are: a date as the date box takes it (12/24/2026, 2026-12-24); a duration (in 25 min, 1h30, +3d, in 2 weeks); today, tomorrow, friday, next friday, 24 dec or december 24 2027, each with a time or not (17:00, 5pm, at 9, noon, midnight).</source>
        <extracomment>An error on the command line: the text given to --target (%1) is no target. The forms that are understood follow, with examples in the language of the translation; English ones are always understood too.</extracomment>
        <translation>„%1“ nennt kein Ziel. Verstanden werden: ein Datum, wie es das Datumsfeld nimmt (24.12.2026, 2026-12-24); eine Dauer (in 25 min, 1h30, +3d, in 2 wochen); heute, morgen, übermorgen, freitag, nächsten freitag, 24. dez oder 24. dezember 2027, jeweils mit oder ohne Uhrzeit (17:00, 17 uhr, um 9, mittag, mitternacht).</translation>
    </message>
    <message>
        <source>With --target: the target and the title go to a new countdown with a window of its own.</source>
        <extracomment>tavrio --help: what --new does; --target and --title are the options&apos; names, never translated. A kitchen timer from a launcher: tavrio --new --title Tea --target &quot;in 4 min&quot;.</extracomment>
        <translation>Mit --target: Ziel und Titel gehen an einen neuen Countdown mit einem eigenen Fenster.</translation>
    </message>
    <message>
        <source>--new goes with --target.</source>
        <extracomment>An error on the command line: --new without --target. Option names are never translated.</extracomment>
        <translation>--new geht nur zusammen mit --target.</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>another program keeps it locked</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>ein anderes Programm hält sie gesperrt</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>ihre Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>das System nennt keinen Grund</translation>
    </message>
    <message>
        <source>the new file cannot be renamed</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>die neue Datei kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>the new file came out incomplete</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>die neue Datei ist unvollständig</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;. Here %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;. &quot;It&quot; is the settings file; here %1 is the system&apos;s reason.</extracomment>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <extracomment>For %1 of &quot;it cannot be read (%1)&quot;.</extracomment>
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>Cannot save the settings in the registry at %1.</source>
        <extracomment>%1 is the place in the Windows registry.</extracomment>
        <translation>Die Einstellungen können nicht in der Registrierung unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot save the settings to %1: %2.</source>
        <extracomment>%1 is the settings file, %2 the reason (see the reasons in this context).</extracomment>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: %2.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: it is not in the INI format.</source>
        <extracomment>%1 is the settings file. INI is the file&apos;s format, a technical name.</extracomment>
        <translation>Die Einstellungsdatei %1 ist beschädigt: Sie ist nicht im INI-Format.</translation>
    </message>
</context>
<context>
    <name>SessionAutostart</name>
    <message>
        <source>Cannot remove %1.</source>
        <extracomment>A message box when Start With Session cannot be turned off; %1 is the autostart file.</extracomment>
        <translation>%1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <extracomment>A message box when Start With Session cannot be turned on; %1 is the autostart folder.</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>A message box when Start With Session cannot be turned on; %1 is the autostart file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>the border style</source>
        <translation>den Rahmenstil</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>den Titel</translation>
    </message>
    <message>
        <source>the target date</source>
        <translation>das Zieldatum</translation>
    </message>
    <message>
        <source>the target time</source>
        <translation>die Zielzeit</translation>
    </message>
    <message>
        <source>the opacity</source>
        <translation>die Deckkraft</translation>
    </message>
    <message>
        <source>the background hiding</source>
        <translation>das Ausblenden des Hintergrunds</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>die Schriftart</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>die Fensterposition</translation>
    </message>
    <message>
        <source>the window&apos;s size</source>
        <translation>die Fenstergröße</translation>
    </message>
    <message>
        <source>the notification setting</source>
        <translation>die Benachrichtigungseinstellung</translation>
    </message>
    <message>
        <source>a setting</source>
        <translation>eine Einstellung</translation>
    </message>
    <message>
        <source>Tavrio could not save %1.

%2

The change stays in effect until Tavrio ends.</source>
        <extracomment>A message box. %1 names the setting, with its key in the settings file (&quot;the title (&quot;What&quot;)&quot;); %2 is why the file could not be written.</extracomment>
        <translation>Tavrio konnte %1 nicht speichern.

%2

Die Änderung gilt, bis Tavrio beendet wird.</translation>
    </message>
    <message>
        <source>Tavrio could not save %1 before ending: the disk did not answer within %2. The settings file keeps the values saved before.</source>
        <extracomment>On standard error when the program had to end before the disk took every change. %1 names the settings with their keys in the settings file (&quot;the title (&quot;What&quot;)&quot;); %2 is a time (&quot;3 s&quot;).</extracomment>
        <translation>Tavrio konnte %1 vor dem Beenden nicht speichern: Der Datenträger hat nicht innerhalb von %2 geantwortet. Die Einstellungsdatei behält die zuvor gespeicherten Werte.</translation>
    </message>
    <message>
        <source>the choices for when the time comes</source>
        <extracomment>The sound, count up and repeat chosen for when the countdown reaches its target.</extracomment>
        <translation>die Einstellungen für den Moment, wenn es so weit ist</translation>
    </message>
    <message>
        <source>the list of countdowns</source>
        <translation>die Liste der Countdowns</translation>
    </message>
    <message>
        <source></source>
        <comment>Most texts here name a setting and complete &quot;Tavrio could not save %1&quot; (the border style, the title, ...).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>SpokenCountdown</name>
    <message numerus="yes">
        <source>%n day(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;3 days&quot;</extracomment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;1 hour&quot;</extracomment>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;23 minutes&quot;</extracomment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;45 seconds&quot;</extracomment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the time left, as in &quot;3 days, 1 hour, 23 minutes&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>The time left until the awaited event, as a screen reader says it; %1 is its parts, such as &quot;3 days, 1 hour, 23 minutes, 45 seconds&quot;</extracomment>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>%1 since</source>
        <extracomment>The time since the awaited event came, as a screen reader says it where the timer window counts up after it (&quot;+0:00:05:12&quot;); %1 is its parts, such as &quot;5 minutes, 12 seconds&quot;</extracomment>
        <translation>vergangen: %1</translation>
    </message>
</context>
<context>
    <name>TargetPhrase</name>
    <message>
        <source>in</source>
        <extracomment>A target phrase, as typed in the date box or given to --target: the word before a duration, as in &quot;in 25 min&quot;. Give every variant people use, separated by &quot;|&quot;; a variant may be several words. The English words are always understood as well; letter case and the accents of Latin letters do not matter.</extracomment>
        <translation>in|binnen</translation>
    </message>
    <message>
        <source>later|from now</source>
        <extracomment>A target phrase: the words after a duration, as in &quot;25 min later&quot; (Japanese 後). Variants separated by &quot;|&quot;.</extracomment>
        <translation>später|ab jetzt</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A target phrase: the day of today. Variants separated by &quot;|&quot;.</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <extracomment>A target phrase: the day after today. Variants separated by &quot;|&quot;.</extracomment>
        <translation>morgen</translation>
    </message>
    <message>
        <source>day after tomorrow</source>
        <extracomment>A target phrase: the day two days after today. Variants separated by &quot;|&quot;; a variant may be several words.</extracomment>
        <translation>übermorgen</translation>
    </message>
    <message>
        <source>next</source>
        <extracomment>A target phrase: before or after a weekday, as in &quot;next friday&quot;, which is the first Friday after today, never today. Variants separated by &quot;|&quot; (all genders and cases). No word that means &quot;of next week&quot;: a Friday of next week may be eleven days away.</extracomment>
        <translation>nächster|nächste|nächsten|nächstes|kommender|kommende|kommenden</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>A target phrase: the word before a time of day, as in &quot;tomorrow at 9&quot;, which lets a bare hour stand for the time. Variants separated by &quot;|&quot;. Where the language puts no such word before a time, repeat the English one.</extracomment>
        <translation>um</translation>
    </message>
    <message>
        <source>noon|midday</source>
        <extracomment>A target phrase: 12:00 in the day. Variants separated by &quot;|&quot;.</extracomment>
        <translation>mittag|mittags</translation>
    </message>
    <message>
        <source>midnight</source>
        <extracomment>A target phrase: the midnight at the end of the day named: &quot;friday midnight&quot; is the night from Friday to Saturday. Variants separated by &quot;|&quot;.</extracomment>
        <translation>mitternacht</translation>
    </message>
    <message>
        <source>m|min|mins|minute|minutes</source>
        <extracomment>A target phrase: the unit after a number of minutes, as in &quot;in 25 min&quot; or &quot;25m&quot;, in every form the number may give it. Variants separated by &quot;|&quot;.</extracomment>
        <translation>m|min|minute|minuten</translation>
    </message>
    <message>
        <source>h|hr|hrs|hour|hours</source>
        <extracomment>A target phrase: the unit after a number of hours, as in &quot;in 2 hours&quot; or &quot;1h30&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>h|std|stunde|stunden</translation>
    </message>
    <message>
        <source>d|day|days</source>
        <extracomment>A target phrase: the unit after a number of days, as in &quot;in 2 days&quot; or &quot;+3d&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>d|t|tag|tage|tagen</translation>
    </message>
    <message>
        <source>w|wk|wks|week|weeks</source>
        <extracomment>A target phrase: the unit after a number of weeks, as in &quot;in 2 weeks&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>w|wo|woche|wochen</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <extracomment>A target phrase: the word or mark after the hour of a time of day, maybe followed by the minutes: &quot;17 Uhr&quot;, &quot;17h30&quot;, &quot;9時&quot;. Variants separated by &quot;|&quot;. A mark that is also a unit of hours (&quot;h&quot; in French) makes &quot;2h&quot; alone unreadable, as it could be either.</extracomment>
        <translation>uhr</translation>
    </message>
    <message>
        <source>on|the|of|and|this</source>
        <extracomment>A target phrase: small words that may stand between its parts and mean nothing by themselves, as in &quot;on friday&quot;, &quot;the 24th of december&quot;, &quot;24 de diciembre de 2027&quot;, or the marks of a year or day (年, 日). Variants separated by &quot;|&quot;.</extracomment>
        <translation>am|den|der|dem|und|diesen|diesem|dieser</translation>
    </message>
    <message>
        <source>monday;tuesday|tues;wednesday|weds;thursday|thur|thurs;friday;saturday;sunday</source>
        <extracomment>A target phrase: forms of the weekday names besides those of the calendar, which are always understood: the form after a preposition (Russian &quot;в пятницу&quot;), colloquial or shortened ones. The seven days from Monday are separated by &quot;;&quot;, the variants of one day by &quot;|&quot;.</extracomment>
        <translation>montag;dienstag;mittwoch;donnerstag;freitag;samstag|sonnabend;sonntag</translation>
    </message>
</context>
<context>
    <name>TimeComesNotifier</name>
    <message>
        <source>The time has come: %1</source>
        <extracomment>The desktop notification&apos;s text when the countdown reaches its target; %1 is the title the user typed (the event). Its summary is the timer window&apos;s caption.</extracomment>
        <translation>Es ist so weit: %1</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <extracomment>The button on the notification when the time comes: opens that countdown&apos;s settings window.</extracomment>
        <translation>Einstellungen öffnen</translation>
    </message>
</context>
<context>
    <name>TimerWindow</name>
    <message>
        <source>Double Click Me</source>
        <extracomment>Shown on the timer window, in a large font, while no target date is set: a double-click there opens the settings window. Keep it short.</extracomment>
        <translation>Hier doppelklicken</translation>
    </message>
    <message>
        <source>Congrats!!!</source>
        <extracomment>Shown on the timer window, in a large font, once the target date and time have passed. Keep it short and cheerful.</extracomment>
        <translation>Glückwunsch!!!</translation>
    </message>
    <message>
        <source>Tavrio To %1</source>
        <extracomment>The timer window&apos;s caption. %1 is the title the user typed, naming the event counted down to (&quot;Tavrio To Christmas&quot;); &quot;??&quot; while none is set. Tavrio is the program&apos;s name.</extracomment>
        <translation>Tavrio bis %1</translation>
    </message>
</context>
<context>
    <name>UnreadableCountdowns</name>
    <message>
        <source>Some settings of these countdowns could not be read, and each started without them; the settings file keeps them as they were:
%1</source>
        <extracomment>A message at start. %1 is one line per countdown: its group in the settings file in brackets, its title and the names of the keys whose values could not be read.</extracomment>
        <translation>Einige Einstellungen dieser Countdowns konnten nicht gelesen werden, und jeder startete ohne sie; die Einstellungsdatei behält sie unverändert:
%1</translation>
    </message>
</context>
<context>
    <name>tavrio::FontDialog</name>
    <message>
        <source>Black</source>
        <extracomment>A colour swatch in the font dialog (the sixteen standard colours), here #000000.</extracomment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <extracomment>A colour swatch in the font dialog, here #800000 (dark red).</extracomment>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>A colour swatch in the font dialog, here #008000 (dark green).</extracomment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <extracomment>A colour swatch in the font dialog, here #808000 (dark yellow-green).</extracomment>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <extracomment>A colour swatch in the font dialog, here #000080 (dark blue).</extracomment>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <extracomment>A colour swatch in the font dialog, here #800080.</extracomment>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Teal</source>
        <extracomment>A colour swatch in the font dialog, here #008080 (dark blue-green).</extracomment>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <extracomment>A colour swatch in the font dialog, here #808080.</extracomment>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <extracomment>A colour swatch in the font dialog, here #C0C0C0 (light grey).</extracomment>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>A colour swatch in the font dialog, here #FF0000.</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <extracomment>A colour swatch in the font dialog, here #00FF00 (bright green).</extracomment>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>A colour swatch in the font dialog, here #FFFF00.</extracomment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour swatch in the font dialog, here #0000FF.</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <extracomment>A colour swatch in the font dialog, here #FF00FF (magenta).</extracomment>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <extracomment>A colour swatch in the font dialog, here #00FFFF (cyan).</extracomment>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>A colour swatch in the font dialog, here #FFFFFF.</extracomment>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The title of the colour dialog the font dialog opens for a colour of the user&apos;s own.
----------
Font dialog: the group of colour swatches for the text.</extracomment>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>C&amp;ustom...</source>
        <extracomment>Font dialog: opens the colour dialog for a colour of the user&apos;s own.</extracomment>
        <translation>&amp;Eigene …</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <extracomment>The sample text of the font dialog, drawn in the chosen font: a few letters of your script that show the font&apos;s look (Windows uses &quot;AaBbYyZz&quot; for the Latin script).</extracomment>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Font</source>
        <extracomment>The font dialog&apos;s caption.
----------
What a screen reader calls the font dialog&apos;s list of font families.</extracomment>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <extracomment>Font dialog: above the list of font families.</extracomment>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <extracomment>Font dialog: above the list of the family&apos;s styles (Regular, Bold, Italic...).</extracomment>
        <translation>Schrifts&amp;til:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <extracomment>Font dialog: above the box and the list of sizes in points.</extracomment>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Font style</source>
        <extracomment>What a screen reader calls the font dialog&apos;s list of styles.</extracomment>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>What a screen reader calls the font dialog&apos;s size box.</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>From %1 to %2 points</source>
        <extracomment>What a screen reader says of the size box: the sizes it takes, in points.</extracomment>
        <translation>Von %1 bis %2 Punkt</translation>
    </message>
    <message>
        <source>Sizes</source>
        <extracomment>What a screen reader calls the font dialog&apos;s list of sizes.</extracomment>
        <translation>Größen</translation>
    </message>
    <message>
        <source>Custom color</source>
        <extracomment>What a screen reader calls the button for a colour of the user&apos;s own.</extracomment>
        <translation>Eigene Farbe</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>Font dialog: the group that shows the sample text in the chosen font.</extracomment>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <extracomment>Font dialog, under the size box while it holds a size out of range.</extracomment>
        <translation>Die Größe muss zwischen %1 und %2 Punkt liegen.</translation>
    </message>
</context>
<context>
    <name>tavrio::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>The calendar&apos;s box for typing the year to show</extracomment>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>tavrio::TrayIcon</name>
    <message>
        <source>Settings</source>
        <extracomment>Tray menu: opens the settings window.</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Show Timer Window</source>
        <extracomment>Tray menu: brings the timer windows back onto the screen, opaque, in front.</extracomment>
        <translation>Timer-Fenster anzeigen</translation>
    </message>
    <message>
        <source>Notify When Time Comes</source>
        <extracomment>Tray menu, a check mark: a desktop notification when the countdown reaches its target.</extracomment>
        <translation>Benachrichtigen, wenn es so weit ist</translation>
    </message>
    <message>
        <source>Start With Session</source>
        <extracomment>Tray menu, a check mark: Tavrio starts when the user logs in.</extracomment>
        <translation>Mit der Sitzung starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Tray menu: ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <extracomment>Tray menu: makes another countdown, with a timer window of its own.</extracomment>
        <translation>Neuer Countdown</translation>
    </message>
</context>
<context>
    <name>tavrio::frmSettings</name>
    <message>
        <source>None</source>
        <extracomment>Border style 0 of the timer window: no frame and no caption bar.</extracomment>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Fixed Single</source>
        <extracomment>Border style 1 of the timer window: a thin frame with a caption bar; the window keeps its size.</extracomment>
        <translation>Fest, einfach</translation>
    </message>
    <message>
        <source>Sizable</source>
        <extracomment>Border style 2 of the timer window: a frame the user can drag to resize the window.</extracomment>
        <translation>Veränderbar</translation>
    </message>
    <message>
        <source>Fixed Dialog</source>
        <extracomment>Border style 3 of the timer window: a dialog&apos;s frame; the window keeps its size.</extracomment>
        <translation>Fester Dialog</translation>
    </message>
    <message>
        <source>Fixed Toolwindow</source>
        <extracomment>Border style 4 of the timer window: a tool window (small caption bar) that keeps its size.</extracomment>
        <translation>Festes Werkzeugfenster</translation>
    </message>
    <message>
        <source>Sizable Toolwindow</source>
        <extracomment>Border style 5 of the timer window: a tool window (small caption bar) the user can resize.</extracomment>
        <translation>Veränderbares Werkzeugfenster</translation>
    </message>
    <message>
        <source>Not a date: the target stays as it was</source>
        <extracomment>What the date box says (tooltip, screen reader) while its text is not a date.</extracomment>
        <translation>Kein Datum: Das Ziel bleibt unverändert</translation>
    </message>
    <message>
        <source>Not a time: the target stays as it was</source>
        <extracomment>What the time box says (tooltip, screen reader) while its text is not a time.</extracomment>
        <translation>Keine Uhrzeit: Das Ziel bleibt unverändert</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <extracomment>Above the slider for the timer window&apos;s opacity.</extracomment>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Tavrio To Date:</source>
        <extracomment>Above the box for the target date: the date Tavrio counts down to.</extracomment>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Tavrio To Time:</source>
        <extracomment>Above the box for the target time of day.</extracomment>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Tavrio To What:</source>
        <extracomment>Above the box for the title: what Tavrio counts down to, the event. The timer window&apos;s caption reads &quot;Tavrio To &quot; and the title.</extracomment>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>Developed By:</source>
        <extracomment>Above the credit line at the bottom of the settings window.</extracomment>
        <translation>Entwickelt von:</translation>
    </message>
    <message>
        <source>The Tavrio developers</source>
        <extracomment>The credit line, under &quot;Developed By:&quot;.</extracomment>
        <translation>Die Tavrio-Entwickler</translation>
    </message>
    <message>
        <source>Border Style:</source>
        <extracomment>Above the list of the timer window&apos;s border styles.</extracomment>
        <translation>Rahmenstil:</translation>
    </message>
    <message>
        <source>Hide Background</source>
        <extracomment>Check box: the timer window&apos;s background becomes transparent, only the text shows.</extracomment>
        <translation>Hintergrund ausblenden</translation>
    </message>
    <message>
        <source>Change Font Name, Size &amp;&amp; Color</source>
        <extracomment>Button that opens the font dialog for the timer window&apos;s text. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; no letter is underlined.</extracomment>
        <translation>Schriftart, Größe und Farbe ändern</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The hidden menu that the timer window shows on a right-click; its title is not shown.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Pop-up menu of the timer window: opens the settings window.</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Pop-up menu of the timer window: ends the program.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Tavrio Settings</source>
        <extracomment>The settings window&apos;s caption; the version follows (&quot; v1.2.0&quot;).</extracomment>
        <translation>Tavrio-Einstellungen</translation>
    </message>
    <message>
        <source>Target date calendar</source>
        <extracomment>What a screen reader calls the month calendar in which the target date is picked.</extracomment>
        <translation>Kalender für das Zieldatum</translation>
    </message>
    <message>
        <source>Donate</source>
        <extracomment>What a screen reader calls the donation picture (a button).</extracomment>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <extracomment>What a screen reader says of the donation picture, after its name.</extracomment>
        <translation>Öffnet die Spendenseite im Webbrowser</translation>
    </message>
    <message>
        <source>Target date</source>
        <extracomment>The calendar&apos;s grid of days, where the user picks the day of the awaited event</extracomment>
        <translation>Zieldatum</translation>
    </message>
    <message>
        <source>When the time comes</source>
        <extracomment>The settings window&apos;s group of choices for the moment the countdown reaches its target.</extracomment>
        <translation>Wenn es so weit ist</translation>
    </message>
    <message>
        <source>&amp;Sound when the time comes</source>
        <extracomment>Check box: a sound plays once when the countdown reaches its target. One letter is the mnemonic (&amp;), unique among this group&apos;s three.</extracomment>
        <translation>&amp;Ton, wenn es so weit ist</translation>
    </message>
    <message>
        <source>&amp;After the target:</source>
        <extracomment>Caption of the list of what the timer window shows once the target has passed: the words shown at the target, or the time since it. Mnemonic (&amp;) as for the sound.</extracomment>
        <translation>&amp;Nach dem Zeitpunkt:</translation>
    </message>
    <message>
        <source>Count up</source>
        <extracomment>An entry of the list after the target: the timer window shows the time since the target, &quot;+0:00:05:12&quot;.</extracomment>
        <translation>Hochzählen</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <extracomment>Caption of the list of how the target repeats. Mnemonic (&amp;) as for the sound.</extracomment>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the list of how the target repeats: it does not.</extracomment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Every day</source>
        <extracomment>An entry of the list of how the target repeats: at the same time the next day.</extracomment>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Every weekday</source>
        <extracomment>An entry of the list of how the target repeats: Monday to Friday.</extracomment>
        <translation>Montag bis Freitag</translation>
    </message>
    <message>
        <source>Every week</source>
        <extracomment>An entry of the list of how the target repeats: on the same weekday.</extracomment>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Every month</source>
        <extracomment>An entry of the list of how the target repeats: on the same day of the month.</extracomment>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>An entry of the list of how the target repeats: on the same day of the year.</extracomment>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>&amp;New Countdown</source>
        <extracomment>Pop-up menu of the timer window: makes another countdown, with a timer window of its own.</extracomment>
        <translation>&amp;Neuer Countdown</translation>
    </message>
    <message>
        <source>&amp;Remove This Countdown</source>
        <extracomment>Pop-up menu of a timer window other than the first: removes its countdown for good, after asking.</extracomment>
        <translation>Diesen Countdown ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove this countdown?</source>
        <extracomment>Asked before a countdown without a title is removed.</extracomment>
        <translation>Diesen Countdown entfernen?</translation>
    </message>
    <message>
        <source>Remove the countdown to %1?</source>
        <translation>Den Countdown bis %1 entfernen?</translation>
    </message>
</context>
</TS>
