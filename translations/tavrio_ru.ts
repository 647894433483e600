<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try --help for the options.</source>
        <extracomment>After an error on the command line; --help is the option&apos;s name, never translated.</extracomment>
        <translation>Список параметров: --help.</translation>
    </message>
    <message>
        <source>Counts down to a date and time on a translucent, always-on-top window.</source>
        <extracomment>The first line of tavrio --help, under Qt&apos;s &quot;Usage:&quot; line.</extracomment>
        <translation>Обратный отсчёт до заданных даты и времени в полупрозрачном окне поверх всех окон.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <extracomment>tavrio --help: what --help does.</extracomment>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <extracomment>tavrio --help: what --version does.</extracomment>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Prints the countdown for the stored target (as the window shows it) and exits, without a display.</source>
        <extracomment>tavrio --help: what --print does. It needs no display (no desktop, an SSH session).</extracomment>
        <translation>Вывести обратный отсчёт до сохранённой цели (как в окне) и выйти; дисплей не нужен.</translation>
    </message>
    <message>
        <source>With --print: prints a new line every second, for status bars, until interrupted.</source>
        <extracomment>tavrio --help: what --watch does; --print is the option&apos;s name, never translated.</extracomment>
        <translation>С --print: выводить новую строку каждую секунду (для панелей состояния), пока не прервут.</translation>
    </message>
    <message>
        <source>Opens the settings window as well, for a timer window out of reach.</source>
        <extracomment>tavrio --help: what --settings does: the way back to a timer window the user cannot reach (invisible, off the screen).</extracomment>
        <translation>Также открыть окно настроек, если окно таймера недоступно.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <extracomment>An error on the command line; %1 is the argument given.</extracomment>
        <translation>Неожиданный аргумент: %1</translation>
    </message>
    <message>
        <source>--watch goes with --print.</source>
        <extracomment>An error on the command line: --watch without --print. Option names are never translated.</extracomment>
        <translation>--watch используется вместе с --print.</translation>
    </message>
    <message>
        <source>Ends the Tavrio that runs on this display, as its Exit does, and waits for it.</source>
        <extracomment>tavrio --help: what --exit does: the running Tavrio stores what is due and ends, as with Exit in its menu; this start waits for that.</extracomment>
        <translation>Завершает Tavrio, работающий на этом экране, как это делает его «Выход», и ждёт завершения.</translation>
    </message>
    <message>
        <source>With --print: a line for each countdown, its title, a TAB and its countdown, in their order.</source>
        <extracomment>tavrio --help: what --all does; --print is the option&apos;s name, never translated; TAB is the tab character.</extracomment>
        <translation>С --print: строка для каждого отсчёта — его название, TAB и отсчёт, по порядку.</translation>
    </message>
    <message>
        <source>--all goes with --print.</source>
        <extracomment>An error on the command line: --all without --print. Option names are never translated.</extracomment>
        <translation>--all используется вместе с --print.</translation>
    </message>
    <message>
        <source>Counts down to the moment a phrase names, as the date box reads it (&quot;friday 17:00&quot;, &quot;in 25 min&quot;, &quot;24 dec&quot;), and prints that moment.</source>
        <extracomment>tavrio --help: what --target does; the examples are phrases as the date box reads them, in the language of the translation.</extracomment>
        <translation>Ведёт отсчёт до момента, названного фразой, как её читает поле даты («пятница 17:00», «через 25 мин», «24 дек»), и печатает этот момент.</translation>
    </message>
    <message>
        <source>phrase</source>
        <extracomment>tavrio --help: the value of --target, as in &quot;--target &lt;phrase&gt;&quot;.</extracomment>
        <translation>фраза</translation>
    </message>
    <message>
        <source>With --target: the title of what is awaited.</source>
        <extracomment>tavrio --help: what --title does; --target is the option&apos;s name, never translated.</extracomment>
        <translation>С --target: название того, чего ждут.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>tavrio --help: the value of --title, as in &quot;--title &lt;title&gt;&quot;.</extracomment>
        <translation>название</translation>
    </message>
    <message>
        <source>--title goes with --target.</source>
        <extracomment>An error on the command line: --title without --target. Option names are never translated.</extracomment>
        <translation>--title используется вместе с --target.</translation>
    </message>
    <message>
        <source>--target does not go with --print.</source>
        <extracomment>An error on the command line: --target with --print. Option names are never translated.</extracomment>
        <translation>--target не используется вместе с --print.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no target. Understood are: a date as the date box takes it (12/24/2026, 2026-12-24); a duration (in 25 min, 1h30, +3d, in 2 weeks); today, tomorrow, friday, next friday, 24 dec or december 24 2027, each with a time or not (17:00, 5pm, at 9, noon, midnight).</source>
        <extracomment>An error on the command line: the text given to --target (%1) is no target. The forms that are understood follow, with examples in the language of the translation; English ones are always understood too.</extracomment>
        <translation>«%1» не задаёт цель. Понимаются: дата в том виде, в каком её принимает поле даты (24.12.2026, 2026-12-24); промежуток (через 25 мин, через 1 ч 30 мин, +3д, через 2 недели); сегодня, завтра, послезавтра, пятница, в следующую пятницу, 24 дек или 24 декабря 2027, со временем или без (17:00, в 9, полдень, полночь).</translation>
    </message>
    <message>
        <source>With --target: the target and the title go to a new countdown with a window of its own.</source>
        <extracomment>tavrio --help: what --new does; --target and --title are the options&apos; names, never translated. A kitchen timer from a launcher: tavrio --new --title Tea --target &quot;in 4 min&quot;.</extracomment>
        <translation>С --target: цель и название получает новый отсчёт с собственным окном.</translation>
    </message>
    <message>
        <source>--new goes with --target.</source>
        <extracomment>An error on the command line: --new without --target. Option names are never translated.</extracomment>
        <translation>--new используется вместе с --target.</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>another program keeps it locked</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>файл заблокирован другой программой</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>не удаётся создать файл блокировки</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>система не сообщила причину</translation>
    </message>
    <message>
        <source>the new file cannot be renamed</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>не удаётся переименовать новый файл</translation>
    </message>
    <message>
        <source>the new file came out incomplete</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>новый файл записан не полностью</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;. Here %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>не удаётся создать папку %1 (%2)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;. &quot;It&quot; is the settings file; here %1 is the system&apos;s reason.</extracomment>
        <translation>файл не читается (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <extracomment>For %1 of &quot;it cannot be read (%1)&quot;.</extracomment>
        <translation>причина не указана</translation>
    </message>
    <message>
        <source>Cannot save the settings in the registry at %1.</source>
        <extracomment>%1 is the place in the Windows registry.</extracomment>
        <translation>Не удаётся сохранить настройки в реестре: %1.</translation>
    </message>
    <message>
        <source>Cannot save the settings to %1: %2.</source>
        <extracomment>%1 is the settings file, %2 the reason (see the reasons in this context).</extracomment>
        <translation>Не удаётся сохранить настройки в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: %2.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся прочитать файл настроек %1: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: it is not in the INI format.</source>
        <extracomment>%1 is the settings file. INI is the file&apos;s format, a technical name.</extracomment>
        <translation>Файл настроек %1 повреждён: он не в формате INI.</translation>
    </message>
</context>
<context>
    <name>SessionAutostart</name>
    <message>
        <source>Cannot remove %1.</source>
        <extracomment>A message box when Start With Session cannot be turned off; %1 is the autostart file.</extracomment>
        <translation>Не удаётся удалить %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <extracomment>A message box when Start With Session cannot be turned on; %1 is the autostart folder.</extracomment>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>A message box when Start With Session cannot be turned on; %1 is the autostart file, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся записать %1: %2.</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>the border style</source>
        <translation>стиль рамки</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>заголовок</translation>
    </message>
    <message>
        <source>the target date</source>
        <translation>целевую дату</translation>
    </message>
    <message>
        <source>the target time</source>
        <translation>целевое время</translation>
    </message>
    <message>
        <source>the opacity</source>
        <translation>непрозрачность</translation>
    </message>
    <message>
        <source>the background hiding</source>
        <translation>скрытие фона</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>шрифт</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>положение окна</translation>
    </message>
    <message>
        <source>the window&apos;s size</source>
        <translation>размер окна</translation>
    </message>
    <message>
        <source>the notification setting</source>
        <translation>настройку уведомлений</translation>
    </message>
    <message>
        <source>a setting</source>
        <translation>настройку</translation>
    </message>
    <message>
        <source>Tavrio could not save %1.

%2

The change stays in effect until Tavrio ends.</source>
        <extracomment>A message box. %1 names the setting, with its key in the settings file (&quot;the title (&quot;What&quot;)&quot;); %2 is why the file could not be written.</extracomment>
        <translation>Не удалось сохранить %1.

%2

Изменение будет действовать до завершения работы Tavrio.</translation>
    </message>
    <message>
        <source>Tavrio could not save %1 before ending: the disk did not answer within %2. The settings file keeps the values saved before.</source>
        <extracomment>On standard error when the program had to end before the disk took every change. %1 names the settings with their keys in the settings file (&quot;the title (&quot;What&quot;)&quot;); %2 is a time (&quot;3 s&quot;).</extracomment>
        <translation>Не удалось сохранить %1 до завершения работы Tavrio: диск не ответил в течение %2. В файле настроек остаются ранее сохранённые значения.</translation>
    </message>
    <message>
        <source>the choices for when the time comes</source>
        <extracomment>The sound, count up and repeat chosen for when the countdown reaches its target.</extracomment>
        <translation>настройки на момент, когда время придёт</translation>
    </message>
    <message>
        <source>the list of countdowns</source>
        <translation>список отсчётов</translation>
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
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;1 hour&quot;</extracomment>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;23 minutes&quot;</extracomment>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;45 seconds&quot;</extracomment>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
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
        <translation>осталось: %1</translation>
    </message>
    <message>
        <source>%1 since</source>
        <extracomment>The time since the awaited event came, as a screen reader says it where the timer window counts up after it (&quot;+0:00:05:12&quot;); %1 is its parts, such as &quot;5 minutes, 12 seconds&quot;</extracomment>
        <translation>прошло: %1</translation>
    </message>
</context>
<context>
    <name>TargetPhrase</name>
    <message>
        <source>in</source>
        <extracomment>A target phrase, as typed in the date box or given to --target: the word before a duration, as in &quot;in 25 min&quot;. Give every variant people use, separated by &quot;|&quot;; a variant may be several words. The English words are always understood as well; letter case and the accents of Latin letters do not matter.</extracomment>
        <translation>через|спустя</translation>
    </message>
    <message>
        <source>later|from now</source>
        <extracomment>A target phrase: the words after a duration, as in &quot;25 min later&quot; (Japanese 後). Variants separated by &quot;|&quot;.</extracomment>
        <translation>позже</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A target phrase: the day of today. Variants separated by &quot;|&quot;.</extracomment>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <extracomment>A target phrase: the day after today. Variants separated by &quot;|&quot;.</extracomment>
        <translation>завтра</translation>
    </message>
    <message>
        <source>day after tomorrow</source>
        <extracomment>A target phrase: the day two days after today. Variants separated by &quot;|&quot;; a variant may be several words.</extracomment>
        <translation>послезавтра</translation>
    </message>
    <message>
        <source>next</source>
        <extracomment>A target phrase: before or after a weekday, as in &quot;next friday&quot;, which is the first Friday after today, never today. Variants separated by &quot;|&quot; (all genders and cases). No word that means &quot;of next week&quot;: a Friday of next week may be eleven days away.</extracomment>
        <translation>следующий|следующая|следующую|следующее|следующем|след</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>A target phrase: the word before a time of day, as in &quot;tomorrow at 9&quot;, which lets a bare hour stand for the time. Variants separated by &quot;|&quot;. Where the language puts no such word before a time, repeat the English one.</extracomment>
        <translation>в|во</translation>
    </message>
    <message>
        <source>noon|midday</source>
        <extracomment>A target phrase: 12:00 in the day. Variants separated by &quot;|&quot;.</extracomment>
        <translation>полдень</translation>
    </message>
    <message>
        <source>midnight</source>
        <extracomment>A target phrase: the midnight at the end of the day named: &quot;friday midnight&quot; is the night from Friday to Saturday. Variants separated by &quot;|&quot;.</extracomment>
        <translation>полночь</translation>
    </message>
    <message>
        <source>m|min|mins|minute|minutes</source>
        <extracomment>A target phrase: the unit after a number of minutes, as in &quot;in 25 min&quot; or &quot;25m&quot;, in every form the number may give it. Variants separated by &quot;|&quot;.</extracomment>
        <translation>м|мин|минута|минуты|минут|минуту</translation>
    </message>
    <message>
        <source>h|hr|hrs|hour|hours</source>
        <extracomment>A target phrase: the unit after a number of hours, as in &quot;in 2 hours&quot; or &quot;1h30&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>ч|час|часа|часов</translation>
    </message>
    <message>
        <source>d|day|days</source>
        <extracomment>A target phrase: the unit after a number of days, as in &quot;in 2 days&quot; or &quot;+3d&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>д|дн|день|дня|дней</translation>
    </message>
    <message>
        <source>w|wk|wks|week|weeks</source>
        <extracomment>A target phrase: the unit after a number of weeks, as in &quot;in 2 weeks&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>н|нед|неделя|недели|недель|неделю</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <extracomment>A target phrase: the word or mark after the hour of a time of day, maybe followed by the minutes: &quot;17 Uhr&quot;, &quot;17h30&quot;, &quot;9時&quot;. Variants separated by &quot;|&quot;. A mark that is also a unit of hours (&quot;h&quot; in French) makes &quot;2h&quot; alone unreadable, as it could be either.</extracomment>
        <translation>ч|час|часа|часов</translation>
    </message>
    <message>
        <source>on|the|of|and|this</source>
        <extracomment>A target phrase: small words that may stand between its parts and mean nothing by themselves, as in &quot;on friday&quot;, &quot;the 24th of december&quot;, &quot;24 de diciembre de 2027&quot;, or the marks of a year or day (年, 日). Variants separated by &quot;|&quot;.</extracomment>
        <translation>в|во|на|и|эту|этот|это|г|года|числа</translation>
    </message>
    <message>
        <source>monday;tuesday|tues;wednesday|weds;thursday|thur|thurs;friday;saturday;sunday</source>
        <extracomment>A target phrase: forms of the weekday names besides those of the calendar, which are always understood: the form after a preposition (Russian &quot;в пятницу&quot;), colloquial or shortened ones. The seven days from Monday are separated by &quot;;&quot;, the variants of one day by &quot;|&quot;.</extracomment>
        <translation>понедельник;вторник;среду|среда;четверг;пятницу|пятница;субботу|суббота;воскресенье</translation>
    </message>
</context>
<context>
    <name>TimeComesNotifier</name>
    <message>
        <source>The time has come: %1</source>
        <extracomment>The desktop notification&apos;s text when the countdown reaches its target; %1 is the title the user typed (the event). Its summary is the timer window&apos;s caption.</extracomment>
        <translation>Время пришло: %1</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <extracomment>The button on the notification when the time comes: opens that countdown&apos;s settings window.</extracomment>
        <translation>Открыть настройки</translation>
    </message>
</context>
<context>
    <name>TimerWindow</name>
    <message>
        <source>Double Click Me</source>
        <extracomment>Shown on the timer window, in a large font, while no target date is set: a double-click there opens the settings window. Keep it short.</extracomment>
        <translation>Дважды щёлкните здесь</translation>
    </message>
    <message>
        <source>Congrats!!!</source>
        <extracomment>Shown on the timer window, in a large font, once the target date and time have passed. Keep it short and cheerful.</extracomment>
        <translation>Поздравляем!!!</translation>
    </message>
    <message>
        <source>Tavrio To %1</source>
        <extracomment>The timer window&apos;s caption. %1 is the title the user typed, naming the event counted down to (&quot;Tavrio To Christmas&quot;); &quot;??&quot; while none is set. Tavrio is the program&apos;s name.</extracomment>
        <translation>Tavrio — %1</translation>
    </message>
</context>
<context>
    <name>UnreadableCountdowns</name>
    <message>
        <source>Some settings of these countdowns could not be read, and each started without them; the settings file keeps them as they were:
%1</source>
        <extracomment>A message at start. %1 is one line per countdown: its group in the settings file in brackets, its title and the names of the keys whose values could not be read.</extracomment>
        <translation>Некоторые настройки этих обратных отсчётов не удалось прочитать, и каждый запустился без них; файл настроек хранит их без изменений:
%1</translation>
    </message>
</context>
<context>
    <name>tavrio::FontDialog</name>
    <message>
        <source>Black</source>
        <extracomment>A colour swatch in the font dialog (the sixteen standard colours), here #000000.</extracomment>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <extracomment>A colour swatch in the font dialog, here #800000 (dark red).</extracomment>
        <translation>Бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>A colour swatch in the font dialog, here #008000 (dark green).</extracomment>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <extracomment>A colour swatch in the font dialog, here #808000 (dark yellow-green).</extracomment>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <extracomment>A colour swatch in the font dialog, here #000080 (dark blue).</extracomment>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <extracomment>A colour swatch in the font dialog, here #800080.</extracomment>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <extracomment>A colour swatch in the font dialog, here #008080 (dark blue-green).</extracomment>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Gray</source>
        <extracomment>A colour swatch in the font dialog, here #808080.</extracomment>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <extracomment>A colour swatch in the font dialog, here #C0C0C0 (light grey).</extracomment>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>A colour swatch in the font dialog, here #FF0000.</extracomment>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <extracomment>A colour swatch in the font dialog, here #00FF00 (bright green).</extracomment>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>A colour swatch in the font dialog, here #FFFF00.</extracomment>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour swatch in the font dialog, here #0000FF.</extracomment>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <extracomment>A colour swatch in the font dialog, here #FF00FF (magenta).</extracomment>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <extracomment>A colour swatch in the font dialog, here #00FFFF (cyan).</extracomment>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>A colour swatch in the font dialog, here #FFFFFF.</extracomment>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The title of the colour dialog the font dialog opens for a colour of the user&apos;s own.
----------
Font dialog: the group of colour swatches for the text.</extracomment>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>C&amp;ustom...</source>
        <extracomment>Font dialog: opens the colour dialog for a colour of the user&apos;s own.</extracomment>
        <translation>&amp;Другой…</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <extracomment>The sample text of the font dialog, drawn in the chosen font: a few letters of your script that show the font&apos;s look (Windows uses &quot;AaBbYyZz&quot; for the Latin script).</extracomment>
        <translation>AaBbАаБбЯя</translation>
    </message>
    <message>
        <source>Font</source>
        <extracomment>The font dialog&apos;s caption.
----------
What a screen reader calls the font dialog&apos;s list of font families.</extracomment>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <extracomment>Font dialog: above the list of font families.</extracomment>
        <translation>&amp;Шрифт:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <extracomment>Font dialog: above the list of the family&apos;s styles (Regular, Bold, Italic...).</extracomment>
        <translation>&amp;Начертание:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <extracomment>Font dialog: above the box and the list of sizes in points.</extracomment>
        <translation>&amp;Размер:</translation>
    </message>
    <message>
        <source>Font style</source>
        <extracomment>What a screen reader calls the font dialog&apos;s list of styles.</extracomment>
        <translation>Начертание</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>What a screen reader calls the font dialog&apos;s size box.</extracomment>
        <translation>Размер</translation>
    </message>
    <message>
        <source>From %1 to %2 points</source>
        <extracomment>What a screen reader says of the size box: the sizes it takes, in points.</extracomment>
        <translation>От %1 до %2 пунктов</translation>
    </message>
    <message>
        <source>Sizes</source>
        <extracomment>What a screen reader calls the font dialog&apos;s list of sizes.</extracomment>
        <translation>Размеры</translation>
    </message>
    <message>
        <source>Custom color</source>
        <extracomment>What a screen reader calls the button for a colour of the user&apos;s own.</extracomment>
        <translation>Другой цвет</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>Font dialog: the group that shows the sample text in the chosen font.</extracomment>
        <translation>Образец</translation>
    </message>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <extracomment>Font dialog, under the size box while it holds a size out of range.</extracomment>
        <translation>Размер должен быть от %1 до %2 пунктов.</translation>
    </message>
</context>
<context>
    <name>tavrio::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>The calendar&apos;s box for typing the year to show</extracomment>
        <translation>Год</translation>
    </message>
</context>
<context>
    <name>tavrio::TrayIcon</name>
    <message>
        <source>Settings</source>
        <extracomment>Tray menu: opens the settings window.</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Show Timer Window</source>
        <extracomment>Tray menu: brings the timer windows back onto the screen, opaque, in front.</extracomment>
        <translation>Показать окно таймера</translation>
    </message>
    <message>
        <source>Notify When Time Comes</source>
        <extracomment>Tray menu, a check mark: a desktop notification when the countdown reaches its target.</extracomment>
        <translation>Уведомлять, когда время придёт</translation>
    </message>
    <message>
        <source>Start With Session</source>
        <extracomment>Tray menu, a check mark: Tavrio starts when the user logs in.</extracomment>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Tray menu: ends the program.</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <extracomment>Tray menu: makes another countdown, with a timer window of its own.</extracomment>
        <translation>Новый отсчёт</translation>
    </message>
</context>
<context>
    <name>tavrio::frmSettings</name>
    <message>
        <source>None</source>
        <extracomment>Border style 0 of the timer window: no frame and no caption bar.</extracomment>
        <translation>Без рамки</translation>
    </message>
    <message>
        <source>Fixed Single</source>
        <extracomment>Border style 1 of the timer window: a thin frame with a caption bar; the window keeps its size.</extracomment>
        <translation>Фиксированное окно</translation>
    </message>
    <message>
        <source>Sizable</source>
        <extracomment>Border style 2 of the timer window: a frame the user can drag to resize the window.</extracomment>
        <translation>Изменяемое окно</translation>
    </message>
    <message>
        <source>Fixed Dialog</source>
        <extracomment>Border style 3 of the timer window: a dialog&apos;s frame; the window keeps its size.</extracomment>
        <translation>Фиксированный диалог</translation>
    </message>
    <message>
        <source>Fixed Toolwindow</source>
        <extracomment>Border style 4 of the timer window: a tool window (small caption bar) that keeps its size.</extracomment>
        <translation>Фиксированное окно инструментов</translation>
    </message>
    <message>
        <source>Sizable Toolwindow</source>
        <extracomment>Border style 5 of the timer window: a tool window (small caption bar) the user can resize.</extracomment>
        <translation>Изменяемое окно инструментов</translation>
    </message>
    <message>
        <source>Not a date: the target stays as it was</source>
        <extracomment>What the date box says (tooltip, screen reader) while its text is not a date.</extracomment>
        <translation>Это не дата: цель остаётся прежней</translation>
    </message>
    <message>
        <source>Not a time: the target stays as it was</source>
        <extracomment>What the time box says (tooltip, screen reader) while its text is not a time.</extracomment>
        <translation>Это не время: цель остаётся прежней</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <extracomment>Above the slider for the timer window&apos;s opacity.</extracomment>
        <translation>Непрозрачность:</translation>
    </message>
    <message>
        <source>Tavrio To Date:</source>
        <extracomment>Above the box for the target date: the date Tavrio counts down to.</extracomment>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Tavrio To Time:</source>
        <extracomment>Above the box for the target time of day.</extracomment>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Tavrio To What:</source>
        <extracomment>Above the box for the title: what Tavrio counts down to, the event. The timer window&apos;s caption reads &quot;Tavrio To &quot; and the title.</extracomment>
        <translation>Событие:</translation>
    </message>
    <message>
        <source>Developed By:</source>
        <extracomment>Above the credit line at the bottom of the settings window.</extracomment>
        <translation>Разработка:</translation>
    </message>
    <message>
        <source>The Tavrio developers</source>
        <extracomment>The credit line, under &quot;Developed By:&quot;.</extracomment>
        <translation>Разработчики Tavrio</translation>
    </message>
    <message>
        <source>Border Style:</source>
        <extracomment>Above the list of the timer window&apos;s border styles.</extracomment>
        <translation>Стиль рамки:</translation>
    </message>
    <message>
        <source>Hide Background</source>
        <extracomment>Check box: the timer window&apos;s background becomes transparent, only the text shows.</extracomment>
        <translation>Скрыть фон</translation>
    </message>
    <message>
        <source>Change Font Name, Size &amp;&amp; Color</source>
        <extracomment>Button that opens the font dialog for the timer window&apos;s text. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; no letter is underlined.</extracomment>
        <translation>Изменить шрифт, размер и цвет</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The hidden menu that the timer window shows on a right-click; its title is not shown.</extracomment>
        <translation>Файл</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Pop-up menu of the timer window: opens the settings window.</extracomment>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Pop-up menu of the timer window: ends the program.</extracomment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Tavrio Settings</source>
        <extracomment>The settings window&apos;s caption; the version follows (&quot; v1.2.0&quot;).</extracomment>
        <translation>Настройки Tavrio</translation>
    </message>
    <message>
        <source>Target date calendar</source>
        <extracomment>What a screen reader calls the month calendar in which the target date is picked.</extracomment>
        <translation>Календарь для выбора даты</translation>
    </message>
    <message>
        <source>Donate</source>
        <extracomment>What a screen reader calls the donation picture (a button).</extracomment>
        <translation>Пожертвовать</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <extracomment>What a screen reader says of the donation picture, after its name.</extracomment>
        <translation>Открывает страницу пожертвований в браузере</translation>
    </message>
    <message>
        <source>Target date</source>
        <extracomment>The calendar&apos;s grid of days, where the user picks the day of the awaited event</extracomment>
        <translation>Дата события</translation>
    </message>
    <message>
        <source>When the time comes</source>
        <extracomment>The settings window&apos;s group of choices for the moment the countdown reaches its target.</extracomment>
        <translation>Когда время придёт</translation>
    </message>
    <message>
        <source>&amp;Sound when the time comes</source>
        <extracomment>Check box: a sound plays once when the countdown reaches its target. One letter is the mnemonic (&amp;), unique among this group&apos;s three.</extracomment>
        <translation>&amp;Звук, когда время придёт</translation>
    </message>
    <message>
        <source>&amp;After the target:</source>
        <extracomment>Caption of the list of what the timer window shows once the target has passed: the words shown at the target, or the time since it. Mnemonic (&amp;) as for the sound.</extracomment>
        <translation>&amp;После срока:</translation>
    </message>
    <message>
        <source>Count up</source>
        <extracomment>An entry of the list after the target: the timer window shows the time since the target, &quot;+0:00:05:12&quot;.</extracomment>
        <translation>Отсчёт прошедшего времени</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <extracomment>Caption of the list of how the target repeats. Mnemonic (&amp;) as for the sound.</extracomment>
        <translation>Повто&amp;р:</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the list of how the target repeats: it does not.</extracomment>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>Every day</source>
        <extracomment>An entry of the list of how the target repeats: at the same time the next day.</extracomment>
        <translation>Каждый день</translation>
    </message>
    <message>
        <source>Every weekday</source>
        <extracomment>An entry of the list of how the target repeats: Monday to Friday.</extracomment>
        <translation>По будням (пн–пт)</translation>
    </message>
    <message>
        <source>Every week</source>
        <extracomment>An entry of the list of how the target repeats: on the same weekday.</extracomment>
        <translation>Каждую неделю</translation>
    </message>
    <message>
        <source>Every month</source>
        <extracomment>An entry of the list of how the target repeats: on the same day of the month.</extracomment>
        <translation>Каждый месяц</translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>An entry of the list of how the target repeats: on the same day of the year.</extracomment>
        <translation>Каждый год</translation>
    </message>
    <message>
        <source>&amp;New Countdown</source>
        <extracomment>Pop-up menu of the timer window: makes another countdown, with a timer window of its own.</extracomment>
        <translation>Новый &amp;отсчёт</translation>
    </message>
    <message>
        <source>&amp;Remove This Countdown</source>
        <extracomment>Pop-up menu of a timer window other than the first: removes its countdown for good, after asking.</extracomment>
        <translation>&amp;Удалить этот отсчёт</translation>
    </message>
    <message>
        <source>Remove this countdown?</source>
        <extracomment>Asked before a countdown without a title is removed.</extracomment>
        <translation>Удалить этот отсчёт?</translation>
    </message>
    <message>
        <source>Remove the countdown to %1?</source>
        <translation>Удалить отсчёт до %1?</translation>
    </message>
</context>
</TS>
