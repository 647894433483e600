<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try --help for the options.</source>
        <extracomment>After an error on the command line; --help is the option&apos;s name, never translated.</extracomment>
        <translation>Usa --help per vedere le opzioni.</translation>
    </message>
    <message>
        <source>Counts down to a date and time on a translucent, always-on-top window.</source>
        <extracomment>The first line of tavrio --help, under Qt&apos;s &quot;Usage:&quot; line.</extracomment>
        <translation>Conta alla rovescia fino a una data e un’ora in una finestra traslucida sempre in primo piano.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <extracomment>tavrio --help: what --help does.</extracomment>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <extracomment>tavrio --help: what --version does.</extracomment>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Prints the countdown for the stored target (as the window shows it) and exits, without a display.</source>
        <extracomment>tavrio --help: what --print does. It needs no display (no desktop, an SSH session).</extracomment>
        <translation>Stampa il conto alla rovescia per l’obiettivo salvato (come lo mostra la finestra) ed esce, senza display.</translation>
    </message>
    <message>
        <source>With --print: prints a new line every second, for status bars, until interrupted.</source>
        <extracomment>tavrio --help: what --watch does; --print is the option&apos;s name, never translated.</extracomment>
        <translation>Con --print: stampa una nuova riga ogni secondo, per le barre di stato, fino all’interruzione.</translation>
    </message>
    <message>
        <source>Opens the settings window as well, for a timer window out of reach.</source>
        <extracomment>tavrio --help: what --settings does: the way back to a timer window the user cannot reach (invisible, off the screen).</extracomment>
        <translation>Apre anche la finestra delle impostazioni, se la finestra del timer non è raggiungibile.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <extracomment>An error on the command line; %1 is the argument given.</extracomment>
        <translation>Argomento inatteso: %1</translation>
    </message>
    <message>
        <source>--watch goes with --print.</source>
        <extracomment>An error on the command line: --watch without --print. Option names are never translated.</extracomment>
        <translation>--watch va usato con --print.</translation>
    </message>
    <message>
        <source>Ends the Tavrio that runs on this display, as its Exit does, and waits for it.</source>
        <extracomment>tavrio --help: what --exit does: the running Tavrio stores what is due and ends, as with Exit in its menu; this start waits for that.</extracomment>
        <translation>Chiude il Tavrio in esecuzione su questo schermo, come fa il suo «Esci», e attende che finisca.</translation>
    </message>
    <message>
        <source>With --print: a line for each countdown, its title, a TAB and its countdown, in their order.</source>
        <extracomment>tavrio --help: what --all does; --print is the option&apos;s name, never translated; TAB is the tab character.</extracomment>
        <translation>Con --print: una riga per ogni conto alla rovescia, con il suo titolo, un TAB e il suo conto alla rovescia, nel loro ordine.</translation>
    </message>
    <message>
        <source>--all goes with --print.</source>
        <extracomment>An error on the command line: --all without --print. Option names are never translated.</extracomment>
        <translation>--all va con --print.</translation>
    </message>
    <message>
        <source>Counts down to the moment a phrase names, as the date box reads it (&quot;friday 17:00&quot;, &quot;in 25 min&quot;, &quot;24 dec&quot;), and prints that moment.</source>
        <extracomment>tavrio --help: what --target does; the examples are phrases as the date box reads them, in the language of the translation.</extracomment>
        <translation>Conta alla rovescia fino al momento indicato da un’espressione, letta come nella casella della data («venerdì 17:00», «tra 25 min», «24 dic»), e stampa quel momento.</translation>
    </message>
    <message>
        <source>phrase</source>
        <extracomment>tavrio --help: the value of --target, as in &quot;--target &lt;phrase&gt;&quot;.</extracomment>
        <translation>espressione</translation>
    </message>
    <message>
        <source>With --target: the title of what is awaited.</source>
        <extracomment>tavrio --help: what --title does; --target is the option&apos;s name, never translated.</extracomment>
        <translation>Con --target: il titolo di ciò che si attende.</translation>
    </message>
    <message>
        <source>title</source>
        <extracomment>tavrio --help: the value of --title, as in &quot;--title &lt;title&gt;&quot;.</extracomment>
        <translation>titolo</translation>
    </message>
    <message>
        <source>--title goes with --target.</source>
        <extracomment>An error on the command line: --title without --target. Option names are never translated.</extracomment>
        <translation>--title va usato con --target.</translation>
    </message>
    <message>
        <source>--target does not go with --print.</source>
        <extracomment>An error on the command line: --target with --print. Option names are never translated.</extracomment>
        <translation>--target non va usato con --print.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no target. Understood are: a date as the date box takes it (12/24/2026, 2026-12-24); a duration (in 25 min, 1h30, +3d, in 2 weeks); today, tomorrow, friday, next friday, 24 dec or december 24 2027, each with a time or not (17:00, 5pm, at 9, noon, midnight).</source>
        <extracomment>An error on the command line: the text given to --target (%1) is no target. The forms that are understood follow, with examples in the language of the translation; English ones are always understood too.</extracomment>
        <translation>«%1» non indica alcun traguardo. Si capiscono: una data come la prende la casella della data (24/12/2026, 2026-12-24); una durata (tra 25 min, 1h30, +3g, tra 2 settimane); oggi, domani, dopodomani, venerdì, venerdì prossimo, 24 dic o 24 dicembre 2027, con o senza ora (17:00, alle 9, mezzogiorno, mezzanotte).</translation>
    </message>
    <message>
        <source>With --target: the target and the title go to a new countdown with a window of its own.</source>
        <extracomment>tavrio --help: what --new does; --target and --title are the options&apos; names, never translated. A kitchen timer from a launcher: tavrio --new --title Tea --target &quot;in 4 min&quot;.</extracomment>
        <translation>Con --target: l’obiettivo e il titolo vanno a un nuovo conto alla rovescia con una finestra propria.</translation>
    </message>
    <message>
        <source>--new goes with --target.</source>
        <extracomment>An error on the command line: --new without --target. Option names are never translated.</extracomment>
        <translation>--new va usato con --target.</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>another program keeps it locked</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>un altro programma lo tiene bloccato</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>non è possibile creare il suo file di blocco</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>il sistema non ha indicato il motivo</translation>
    </message>
    <message>
        <source>the new file cannot be renamed</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>non è possibile rinominare il nuovo file</translation>
    </message>
    <message>
        <source>the new file came out incomplete</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;</extracomment>
        <translation>il nuovo file è incompleto</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;. Here %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>non è possibile creare la cartella %1 (%2)</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>A reason: %2 of &quot;Cannot save the settings to %1: %2.&quot;. &quot;It&quot; is the settings file; here %1 is the system&apos;s reason.</extracomment>
        <translation>non è possibile leggerlo (%1)</translation>
    </message>
    <message>
        <source>no reason given</source>
        <extracomment>For %1 of &quot;it cannot be read (%1)&quot;.</extracomment>
        <translation>nessun motivo indicato</translation>
    </message>
    <message>
        <source>Cannot save the settings in the registry at %1.</source>
        <extracomment>%1 is the place in the Windows registry.</extracomment>
        <translation>Impossibile salvare le impostazioni nel registro in %1.</translation>
    </message>
    <message>
        <source>Cannot save the settings to %1: %2.</source>
        <extracomment>%1 is the settings file, %2 the reason (see the reasons in this context).</extracomment>
        <translation>Impossibile salvare le impostazioni in %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: %2.</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile leggere il file delle impostazioni %1: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: it is not in the INI format.</source>
        <extracomment>%1 is the settings file. INI is the file&apos;s format, a technical name.</extracomment>
        <translation>Il file delle impostazioni %1 è danneggiato: non è in formato INI.</translation>
    </message>
</context>
<context>
    <name>SessionAutostart</name>
    <message>
        <source>Cannot remove %1.</source>
        <extracomment>A message box when Start With Session cannot be turned off; %1 is the autostart file.</extracomment>
        <translation>Impossibile rimuovere %1.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <extracomment>A message box when Start With Session cannot be turned on; %1 is the autostart folder.</extracomment>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>A message box when Start With Session cannot be turned on; %1 is the autostart file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>the border style</source>
        <translation>lo stile del bordo</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>il titolo</translation>
    </message>
    <message>
        <source>the target date</source>
        <translation>la data obiettivo</translation>
    </message>
    <message>
        <source>the target time</source>
        <translation>l’ora obiettivo</translation>
    </message>
    <message>
        <source>the opacity</source>
        <translation>l’opacità</translation>
    </message>
    <message>
        <source>the background hiding</source>
        <translation>l’occultamento dello sfondo</translation>
    </message>
    <message>
        <source>the font</source>
        <translation>il carattere</translation>
    </message>
    <message>
        <source>the window&apos;s place</source>
        <translation>la posizione della finestra</translation>
    </message>
    <message>
        <source>the window&apos;s size</source>
        <translation>la dimensione della finestra</translation>
    </message>
    <message>
        <source>the notification setting</source>
        <translation>l’impostazione delle notifiche</translation>
    </message>
    <message>
        <source>a setting</source>
        <translation>un’impostazione</translation>
    </message>
    <message>
        <source>Tavrio could not save %1.

%2

The change stays in effect until Tavrio ends.</source>
        <extracomment>A message box. %1 names the setting, with its key in the settings file (&quot;the title (&quot;What&quot;)&quot;); %2 is why the file could not be written.</extracomment>
        <translation>Tavrio non ha potuto salvare %1.

%2

La modifica resta valida finché Tavrio non viene chiuso.</translation>
    </message>
    <message>
        <source>Tavrio could not save %1 before ending: the disk did not answer within %2. The settings file keeps the values saved before.</source>
        <extracomment>On standard error when the program had to end before the disk took every change. %1 names the settings with their keys in the settings file (&quot;the title (&quot;What&quot;)&quot;); %2 is a time (&quot;3 s&quot;).</extracomment>
        <translation>Tavrio non ha potuto salvare %1 prima di chiudersi: il disco non ha risposto entro %2. Il file delle impostazioni conserva i valori salvati in precedenza.</translation>
    </message>
    <message>
        <source>the choices for when the time comes</source>
        <extracomment>The sound, count up and repeat chosen for when the countdown reaches its target.</extracomment>
        <translation>le impostazioni per quando arriva il momento</translation>
    </message>
    <message>
        <source>the list of countdowns</source>
        <translation>l’elenco dei conti alla rovescia</translation>
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
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;1 hour&quot;</extracomment>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;23 minutes&quot;</extracomment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <extracomment>A part of the time left, as a screen reader says it: &quot;45 seconds&quot;</extracomment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
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
        <translation>tempo rimanente: %1</translation>
    </message>
    <message>
        <source>%1 since</source>
        <extracomment>The time since the awaited event came, as a screen reader says it where the timer window counts up after it (&quot;+0:00:05:12&quot;); %1 is its parts, such as &quot;5 minutes, 12 seconds&quot;</extracomment>
        <translation>tempo trascorso: %1</translation>
    </message>
</context>
<context>
    <name>TargetPhrase</name>
    <message>
        <source>in</source>
        <extracomment>A target phrase, as typed in the date box or given to --target: the word before a duration, as in &quot;in 25 min&quot;. Give every variant people use, separated by &quot;|&quot;; a variant may be several words. The English words are always understood as well; letter case and the accents of Latin letters do not matter.</extracomment>
        <translation>tra|fra|entro</translation>
    </message>
    <message>
        <source>later|from now</source>
        <extracomment>A target phrase: the words after a duration, as in &quot;25 min later&quot; (Japanese 後). Variants separated by &quot;|&quot;.</extracomment>
        <translation>dopo|più tardi</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>A target phrase: the day of today. Variants separated by &quot;|&quot;.</extracomment>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <extracomment>A target phrase: the day after today. Variants separated by &quot;|&quot;.</extracomment>
        <translation>domani</translation>
    </message>
    <message>
        <source>day after tomorrow</source>
        <extracomment>A target phrase: the day two days after today. Variants separated by &quot;|&quot;; a variant may be several words.</extracomment>
        <translation>dopodomani|dopo domani</translation>
    </message>
    <message>
        <source>next</source>
        <extracomment>A target phrase: before or after a weekday, as in &quot;next friday&quot;, which is the first Friday after today, never today. Variants separated by &quot;|&quot; (all genders and cases). No word that means &quot;of next week&quot;: a Friday of next week may be eleven days away.</extracomment>
        <translation>prossimo|prossima</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>A target phrase: the word before a time of day, as in &quot;tomorrow at 9&quot;, which lets a bare hour stand for the time. Variants separated by &quot;|&quot;. Where the language puts no such word before a time, repeat the English one.</extracomment>
        <translation>alle|alle ore|all&apos;|all’|a|ore</translation>
    </message>
    <message>
        <source>noon|midday</source>
        <extracomment>A target phrase: 12:00 in the day. Variants separated by &quot;|&quot;.</extracomment>
        <translation>mezzogiorno|mezzodì</translation>
    </message>
    <message>
        <source>midnight</source>
        <extracomment>A target phrase: the midnight at the end of the day named: &quot;friday midnight&quot; is the night from Friday to Saturday. Variants separated by &quot;|&quot;.</extracomment>
        <translation>mezzanotte</translation>
    </message>
    <message>
        <source>m|min|mins|minute|minutes</source>
        <extracomment>A target phrase: the unit after a number of minutes, as in &quot;in 25 min&quot; or &quot;25m&quot;, in every form the number may give it. Variants separated by &quot;|&quot;.</extracomment>
        <translation>m|min|minuto|minuti</translation>
    </message>
    <message>
        <source>h|hr|hrs|hour|hours</source>
        <extracomment>A target phrase: the unit after a number of hours, as in &quot;in 2 hours&quot; or &quot;1h30&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>h|ora|ore</translation>
    </message>
    <message>
        <source>d|day|days</source>
        <extracomment>A target phrase: the unit after a number of days, as in &quot;in 2 days&quot; or &quot;+3d&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>g|gg|giorno|giorni</translation>
    </message>
    <message>
        <source>w|wk|wks|week|weeks</source>
        <extracomment>A target phrase: the unit after a number of weeks, as in &quot;in 2 weeks&quot;, in every form. Variants separated by &quot;|&quot;.</extracomment>
        <translation>sett|settimana|settimane</translation>
    </message>
    <message>
        <source>o&apos;clock</source>
        <extracomment>A target phrase: the word or mark after the hour of a time of day, maybe followed by the minutes: &quot;17 Uhr&quot;, &quot;17h30&quot;, &quot;9時&quot;. Variants separated by &quot;|&quot;. A mark that is also a unit of hours (&quot;h&quot; in French) makes &quot;2h&quot; alone unreadable, as it could be either.</extracomment>
        <translation>in punto</translation>
    </message>
    <message>
        <source>on|the|of|and|this</source>
        <extracomment>A target phrase: small words that may stand between its parts and mean nothing by themselves, as in &quot;on friday&quot;, &quot;the 24th of december&quot;, &quot;24 de diciembre de 2027&quot;, or the marks of a year or day (年, 日). Variants separated by &quot;|&quot;.</extracomment>
        <translation>il|lo|la|di|del|e|questo|questa</translation>
    </message>
    <message>
        <source>monday;tuesday|tues;wednesday|weds;thursday|thur|thurs;friday;saturday;sunday</source>
        <extracomment>A target phrase: forms of the weekday names besides those of the calendar, which are always understood: the form after a preposition (Russian &quot;в пятницу&quot;), colloquial or shortened ones. The seven days from Monday are separated by &quot;;&quot;, the variants of one day by &quot;|&quot;.</extracomment>
        <translation>lunedì;martedì;mercoledì;giovedì;venerdì;sabato;domenica</translation>
    </message>
</context>
<context>
    <name>TimeComesNotifier</name>
    <message>
        <source>The time has come: %1</source>
        <extracomment>The desktop notification&apos;s text when the countdown reaches its target; %1 is the title the user typed (the event). Its summary is the timer window&apos;s caption.</extracomment>
        <translation>È arrivato il momento: %1</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <extracomment>The button on the notification when the time comes: opens that countdown&apos;s settings window.</extracomment>
        <translation>Apri le impostazioni</translation>
    </message>
</context>
<context>
    <name>TimerWindow</name>
    <message>
        <source>Double Click Me</source>
        <extracomment>Shown on the timer window, in a large font, while no target date is set: a double-click there opens the settings window. Keep it short.</extracomment>
        <translation>Doppio clic qui</translation>
    </message>
    <message>
        <source>Congrats!!!</source>
        <extracomment>Shown on the timer window, in a large font, once the target date and time have passed. Keep it short and cheerful.</extracomment>
        <translation>Congratulazioni!!!</translation>
    </message>
    <message>
        <source>Tavrio To %1</source>
        <extracomment>The timer window&apos;s caption. %1 is the title the user typed, naming the event counted down to (&quot;Tavrio To Christmas&quot;); &quot;??&quot; while none is set. Tavrio is the program&apos;s name.</extracomment>
        <translation>Tavrio fino a %1</translation>
    </message>
</context>
<context>
    <name>UnreadableCountdowns</name>
    <message>
        <source>Some settings of these countdowns could not be read, and each started without them; the settings file keeps them as they were:
%1</source>
        <extracomment>A message at start. %1 is one line per countdown: its group in the settings file in brackets, its title and the names of the keys whose values could not be read.</extracomment>
        <translation>Alcune impostazioni di questi conti alla rovescia non sono state lette, e ciascuno è partito senza; il file delle impostazioni le conserva com’erano:
%1</translation>
    </message>
</context>
<context>
    <name>tavrio::FontDialog</name>
    <message>
        <source>Black</source>
        <extracomment>A colour swatch in the font dialog (the sixteen standard colours), here #000000.</extracomment>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <extracomment>A colour swatch in the font dialog, here #800000 (dark red).</extracomment>
        <translation>Bordò</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>A colour swatch in the font dialog, here #008000 (dark green).</extracomment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <extracomment>A colour swatch in the font dialog, here #808000 (dark yellow-green).</extracomment>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <extracomment>A colour swatch in the font dialog, here #000080 (dark blue).</extracomment>
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <extracomment>A colour swatch in the font dialog, here #800080.</extracomment>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <extracomment>A colour swatch in the font dialog, here #008080 (dark blue-green).</extracomment>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Gray</source>
        <extracomment>A colour swatch in the font dialog, here #808080.</extracomment>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <extracomment>A colour swatch in the font dialog, here #C0C0C0 (light grey).</extracomment>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>A colour swatch in the font dialog, here #FF0000.</extracomment>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <extracomment>A colour swatch in the font dialog, here #00FF00 (bright green).</extracomment>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <extracomment>A colour swatch in the font dialog, here #FFFF00.</extracomment>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>A colour swatch in the font dialog, here #0000FF.</extracomment>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <extracomment>A colour swatch in the font dialog, here #FF00FF (magenta).</extracomment>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <extracomment>A colour swatch in the font dialog, here #00FFFF (cyan).</extracomment>
        <translation>Azzurro</translation>
    </message>
    <message>
        <source>White</source>
        <extracomment>A colour swatch in the font dialog, here #FFFFFF.</extracomment>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The title of the colour dialog the font dialog opens for a colour of the user&apos;s own.
----------
Font dialog: the group of colour swatches for the text.</extracomment>
        <translation>Colore</translation>
    </message>
    <message>
        <source>C&amp;ustom...</source>
        <extracomment>Font dialog: opens the colour dialog for a colour of the user&apos;s own.</extracomment>
        <translation>&amp;Personalizzato…</translation>
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
        <translation>Carattere</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <extracomment>Font dialog: above the list of font families.</extracomment>
        <translation>&amp;Carattere:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <extracomment>Font dialog: above the list of the family&apos;s styles (Regular, Bold, Italic...).</extracomment>
        <translation>St&amp;ile:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <extracomment>Font dialog: above the box and the list of sizes in points.</extracomment>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>Font style</source>
        <extracomment>What a screen reader calls the font dialog&apos;s list of styles.</extracomment>
        <translation>Stile del carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>What a screen reader calls the font dialog&apos;s size box.</extracomment>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>From %1 to %2 points</source>
        <extracomment>What a screen reader says of the size box: the sizes it takes, in points.</extracomment>
        <translation>Da %1 a %2 punti</translation>
    </message>
    <message>
        <source>Sizes</source>
        <extracomment>What a screen reader calls the font dialog&apos;s list of sizes.</extracomment>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Custom color</source>
        <extracomment>What a screen reader calls the button for a colour of the user&apos;s own.</extracomment>
        <translation>Colore personalizzato</translation>
    </message>
    <message>
        <source>Sample</source>
        <extracomment>Font dialog: the group that shows the sample text in the chosen font.</extracomment>
        <translation>Esempio</translation>
    </message>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <extracomment>Font dialog, under the size box while it holds a size out of range.</extracomment>
        <translation>La dimensione deve essere compresa tra %1 e %2 punti.</translation>
    </message>
</context>
<context>
    <name>tavrio::MonthCalendar</name>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>The calendar&apos;s box for typing the year to show</extracomment>
        <translation>Anno</translation>
    </message>
</context>
<context>
    <name>tavrio::TrayIcon</name>
    <message>
        <source>Settings</source>
        <extracomment>Tray menu: opens the settings window.</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Show Timer Window</source>
        <extracomment>Tray menu: brings the timer windows back onto the screen, opaque, in front.</extracomment>
        <translation>Mostra la finestra del timer</translation>
    </message>
    <message>
        <source>Notify When Time Comes</source>
        <extracomment>Tray menu, a check mark: a desktop notification when the countdown reaches its target.</extracomment>
        <translation>Avvisa quando è il momento</translation>
    </message>
    <message>
        <source>Start With Session</source>
        <extracomment>Tray menu, a check mark: Tavrio starts when the user logs in.</extracomment>
        <translation>Avvia con la sessione</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Tray menu: ends the program.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New Countdown</source>
        <extracomment>Tray menu: makes another countdown, with a timer window of its own.</extracomment>
        <translation>Nuovo conto alla rovescia</translation>
    </message>
</context>
<context>
    <name>tavrio::frmSettings</name>
    <message>
        <source>None</source>
        <extracomment>Border style 0 of the timer window: no frame and no caption bar.</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Fixed Single</source>
        <extracomment>Border style 1 of the timer window: a thin frame with a caption bar; the window keeps its size.</extracomment>
        <translation>Fisso singolo</translation>
    </message>
    <message>
        <source>Sizable</source>
        <extracomment>Border style 2 of the timer window: a frame the user can drag to resize the window.</extracomment>
        <translation>Ridimensionabile</translation>
    </message>
    <message>
        <source>Fixed Dialog</source>
        <extracomment>Border style 3 of the timer window: a dialog&apos;s frame; the window keeps its size.</extracomment>
        <translation>Dialogo fisso</translation>
    </message>
    <message>
        <source>Fixed Toolwindow</source>
        <extracomment>Border style 4 of the timer window: a tool window (small caption bar) that keeps its size.</extracomment>
        <translation>Finestra strumenti fissa</translation>
    </message>
    <message>
        <source>Sizable Toolwindow</source>
        <extracomment>Border style 5 of the timer window: a tool window (small caption bar) the user can resize.</extracomment>
        <translation>Finestra strumenti ridimensionabile</translation>
    </message>
    <message>
        <source>Not a date: the target stays as it was</source>
        <extracomment>What the date box says (tooltip, screen reader) while its text is not a date.</extracomment>
        <translation>Data non valida: l’obiettivo resta invariato</translation>
    </message>
    <message>
        <source>Not a time: the target stays as it was</source>
        <extracomment>What the time box says (tooltip, screen reader) while its text is not a time.</extracomment>
        <translation>Ora non valida: l’obiettivo resta invariato</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <extracomment>Above the slider for the timer window&apos;s opacity.</extracomment>
        <translation>Opacità:</translation>
    </message>
    <message>
        <source>Tavrio To Date:</source>
        <extracomment>Above the box for the target date: the date Tavrio counts down to.</extracomment>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Tavrio To Time:</source>
        <extracomment>Above the box for the target time of day.</extracomment>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Tavrio To What:</source>
        <extracomment>Above the box for the title: what Tavrio counts down to, the event. The timer window&apos;s caption reads &quot;Tavrio To &quot; and the title.</extracomment>
        <translation>Evento:</translation>
    </message>
    <message>
        <source>Developed By:</source>
        <extracomment>Above the credit line at the bottom of the settings window.</extracomment>
        <translation>Sviluppato da:</translation>
    </message>
    <message>
        <source>The Tavrio developers</source>
        <extracomment>The credit line, under &quot;Developed By:&quot;.</extracomment>
        <translation>Gli sviluppatori di Tavrio</translation>
    </message>
    <message>
        <source>Border Style:</source>
        <extracomment>Above the list of the timer window&apos;s border styles.</extracomment>
        <translation>Stile del bordo:</translation>
    </message>
    <message>
        <source>Hide Background</source>
        <extracomment>Check box: the timer window&apos;s background becomes transparent, only the text shows.</extracomment>
        <translation>Nascondi lo sfondo</translation>
    </message>
    <message>
        <source>Change Font Name, Size &amp;&amp; Color</source>
        <extracomment>Button that opens the font dialog for the timer window&apos;s text. &quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;; no letter is underlined.</extracomment>
        <translation>Cambia carattere, dimensione e colore</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The hidden menu that the timer window shows on a right-click; its title is not shown.</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Pop-up menu of the timer window: opens the settings window.</extracomment>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Pop-up menu of the timer window: ends the program.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Tavrio Settings</source>
        <extracomment>The settings window&apos;s caption; the version follows (&quot; v1.2.0&quot;).</extracomment>
        <translation>Impostazioni di Tavrio</translation>
    </message>
    <message>
        <source>Target date calendar</source>
        <extracomment>What a screen reader calls the month calendar in which the target date is picked.</extracomment>
        <translation>Calendario della data obiettivo</translation>
    </message>
    <message>
        <source>Donate</source>
        <extracomment>What a screen reader calls the donation picture (a button).</extracomment>
        <translation>Fai una donazione</translation>
    </message>
    <message>
        <source>Opens the donation page in the web browser</source>
        <extracomment>What a screen reader says of the donation picture, after its name.</extracomment>
        <translation>Apre la pagina delle donazioni nel browser web</translation>
    </message>
    <message>
        <source>Target date</source>
        <extracomment>The calendar&apos;s grid of days, where the user picks the day of the awaited event</extracomment>
        <translation>Data obiettivo</translation>
    </message>
    <message>
        <source>When the time comes</source>
        <extracomment>The settings window&apos;s group of choices for the moment the countdown reaches its target.</extracomment>
        <translation>Quando è il momento</translation>
    </message>
    <message>
        <source>&amp;Sound when the time comes</source>
        <extracomment>Check box: a sound plays once when the countdown reaches its target. One letter is the mnemonic (&amp;), unique among this group&apos;s three.</extracomment>
        <translation>&amp;Suono quando è il momento</translation>
    </message>
    <message>
        <source>&amp;After the target:</source>
        <extracomment>Caption of the list of what the timer window shows once the target has passed: the words shown at the target, or the time since it. Mnemonic (&amp;) as for the sound.</extracomment>
        <translation>&amp;Dopo la scadenza:</translation>
    </message>
    <message>
        <source>Count up</source>
        <extracomment>An entry of the list after the target: the timer window shows the time since the target, &quot;+0:00:05:12&quot;.</extracomment>
        <translation>Conta il tempo trascorso</translation>
    </message>
    <message>
        <source>&amp;Repeat:</source>
        <extracomment>Caption of the list of how the target repeats. Mnemonic (&amp;) as for the sound.</extracomment>
        <translation>&amp;Ripeti:</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>An entry of the list of how the target repeats: it does not.</extracomment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Every day</source>
        <extracomment>An entry of the list of how the target repeats: at the same time the next day.</extracomment>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Every weekday</source>
        <extracomment>An entry of the list of how the target repeats: Monday to Friday.</extracomment>
        <translation>Dal lunedì al venerdì</translation>
    </message>
    <message>
        <source>Every week</source>
        <extracomment>An entry of the list of how the target repeats: on the same weekday.</extracomment>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Every month</source>
        <extracomment>An entry of the list of how the target repeats: on the same day of the month.</extracomment>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>An entry of the list of how the target repeats: on the same day of the year.</extracomment>
        <translation>Ogni anno</translation>
    </message>
    <message>
        <source>&amp;New Countdown</source>
        <extracomment>Pop-up menu of the timer window: makes another countdown, with a timer window of its own.</extracomment>
        <translation>&amp;Nuovo conto alla rovescia</translation>
    </message>
    <message>
        <source>&amp;Remove This Countdown</source>
        <extracomment>Pop-up menu of a timer window other than the first: removes its countdown for good, after asking.</extracomment>
        <translation>&amp;Rimuovi questo conto alla rovescia</translation>
    </message>
    <message>
        <source>Remove this countdown?</source>
        <extracomment>Asked before a countdown without a title is removed.</extracomment>
        <translation>Rimuovere questo conto alla rovescia?</translation>
    </message>
    <message>
        <source>Remove the countdown to %1?</source>
        <translation>Rimuovere il conto alla rovescia per %1?</translation>
    </message>
</context>
</TS>
