<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 wäre größer als %2 MiB und damit größer, als Korvane wieder einlesen kann.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 ist eine Verknüpfung auf das nicht vorhandene Ziel %2.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>%1 wird gerade von einer anderen Korvane-Instanz geändert; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>%1 konnte nicht zum Schreiben gesperrt werden (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>Prüfen Sie die zugehörige Regel mit „korvane rules“.</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>der aktuelle Ordner kann nicht gelesen werden, daher können die Dateien nicht gefunden werden</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: der Pfad ist zu lang, um ihn an eine Anwendung zu übergeben</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>die Regel konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Keine Regel trifft auf diese Datei zu. Mit welcher Anwendung soll sie geöffnet werden?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 hat keine Anwendungen für diese Datei vorgeschlagen.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>Nummer (leer lassen zum Überspringen): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>Wählen Sie eine Nummer von 1 bis %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>Diese Anwendung immer für .%1 verwenden? [J/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>Noch keine Regeln.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(keine Endungen)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>Anwendung: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>Anwendung: %1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>Keine Hinweise bei %n Regel.</numerusform>
            <numerusform>Keine Hinweise bei %n Regeln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 bei %n Regel.</numerusform>
            <numerusform>%1 bei %n Regeln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n Hinweis</numerusform>
            <numerusform>%n Hinweise</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>es gibt keine Regel %1 (es gibt %n Regel)</numerusform>
            <numerusform>es gibt keine Regel %1 (es gibt %n Regeln)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>für Regel %1 sind keine ersetzten Standardanwendungen vermerkt, daher gibt es nichts wiederherzustellen</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>alles Angeforderte wurde ausgeführt</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>etwas ist fehlgeschlagen oder wurde abgelehnt (eine fehlende Datei oder Anwendung, ein fehlgeschlagener Start oder Schreibvorgang, eine Standardanwendung, die sich nicht geändert hat)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>der Befehl wurde falsch verwendet</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>BEZEICHNUNG</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>Dateien auf die Anwendungen verteilen, die Ihre Regeln festlegen</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>ÜBERSICHT</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>Ohne Befehl öffnet Korvane sein Fenster; mit Dateien übergibt es sie dem
Fenster wie bei einem einzigen Ablegen und startet es, falls es nicht läuft.
Jede Datei öffnet sich in der Anwendung, die Ihre Regeln für sie festlegen;
zu einer Datei, auf die keine Regel zutrifft, wird im Fenster nachgefragt.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>BEFEHLE</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>Die Hilfe anzeigen (auch nach einem Befehl).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>EXIT-STATUS</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>Die Regeln.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Die von Korvane ersetzten Standardanwendungen, um sie wiederherstellen zu können.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>Die Einstellungen.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>SIEHE AUCH</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>Verteilt Dateien auf die Anwendungen, die Ihre Regeln festlegen. Ohne
Befehl wird das Fenster geöffnet und erhält die Dateien wie bei einem
einzigen Ablegen.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>diese Hilfe anzeigen (auch nach einem Befehl)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version anzeigen</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Exit-Status:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>das Korvane-Fenster läuft; nehmen Sie diese Änderung dort vor oder beenden Sie es zuerst</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>das Korvane-Fenster ist nicht erreichbar: %1. Es wurde nichts geändert, da es diese Dateien möglicherweise verwendet.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>die Anwendung von Regel N zur Standardanwendung machen oder das Ersetzte wiederherstellen</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>Macht die Anwendung von Regel N (nummeriert wie bei „korvane rules“) zur
Standardanwendung für jede ihrer Endungen oder stellt die dabei ersetzten
Standardanwendungen wieder her.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default erwartet „set N“ oder „restore N“</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>die Dateien wie bei einem einzigen Ablegen öffnen</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>Öffnet die Dateien wie bei einem einzigen Ablegen: jede in der Anwendung,
die Ihre Regeln festlegen, die Dateien einer Anwendung mit einem Start.
Zu einer Datei, auf die keine Regel zutrifft, wird hier nachgefragt: Geben
Sie die Nummer einer Anwendung ein oder nichts, um sie zu überspringen.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>Die Dateien stattdessen im Dateimanager anzeigen.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>Die Dateien mit ihren üblichen Standardanwendungen öffnen.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>eine zu öffnende Datei</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open benötigt mindestens eine Datei (FILE)</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>%n Datei an das Korvane-Fenster übergeben.</numerusform>
            <numerusform>%n Dateien an das Korvane-Fenster übergeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>das Korvane-Fenster hat nicht gemeldet, wie das Ablegen ausgegangen ist</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>das Korvane-Fenster ist nicht erreichbar: %1; die Dateien werden hier geöffnet.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>anzeigen, wo jede Datei geöffnet würde</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>Zeigt, in welcher Anwendung jede Datei nach Ihren Regeln geöffnet würde,
ohne etwas zu öffnen, aufzuzeichnen oder zu ändern.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>eine zu verteilende Datei</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route benötigt mindestens eine Datei (FILE)</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 Es wird ohne Regeln verteilt.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>keine Regel trifft zu</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>Regeln auflisten oder prüfen, aus FILE importieren oder nach FILE exportieren</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>Listet die Regeln nummeriert in der Reihenfolge auf, in der sie gelten;
oder prüft sie für diese Arbeitsumgebung, eine Zeile je Hinweis, und endet
mit 1, wenn es welche gibt; oder hängt die Regeln aus FILE an das Ende der
Liste an; oder schreibt alle Regeln nach FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>unbekannte Verwendung von rules: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>das Korvane-Fenster ist nicht erreichbar: %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>es antwortet nicht</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>das Korvane-Fenster ist nicht erreichbar: %1. Dieses Fenster läuft eigenständig; spätere Starts können es nicht erreichen.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>Korvane wurde von Korvane gestartet, um diese Dateien zu öffnen, und gibt sie daher nicht erneut weiter. Prüfen Sie die Regel, deren Anwendung Korvane startet.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>das Korvane-Fenster kann nicht gestartet werden: %1: %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>Begründen: die betrachteten Endungen und der Typ, der Anteil jeder Regel, der Befehl, der laufen würde, und die eigene Wahl der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane öffnet keine Dateien für %1.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 hat keinen Eintrag für den Öffnungsdienst von Korvane, daher wurde nichts geändert</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>Der Öffnungsdienst von Korvane konnte nicht an %1 übergeben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane öffnet jetzt %n Dateityp für %1.</numerusform>
            <numerusform>Korvane öffnet jetzt %n Dateitypen für %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane öffnet jetzt Dateien für %1; noch nennt keine aktivierte Regel einen Dateityp.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane öffnet keine Dateien mehr für %1; %n Dateityp zurückgegeben.</numerusform>
            <numerusform>Korvane öffnet keine Dateien mehr für %1; %n Dateitypen zurückgegeben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>%n Dateityp konnte nicht zurückgegeben werden; „korvane opener off“ versucht es erneut.</numerusform>
            <numerusform>%n Dateitypen konnten nicht zurückgegeben werden; „korvane opener off“ versucht es erneut.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane öffnet Dateien für %1: ein</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane öffnet Dateien für %1: aus</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>zuvor ohne Anwendung</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>anstelle von %1 (nicht mehr installiert)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>anstelle von %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1, laut %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>Die Dateien als Öffnungsdienst der Arbeitsumgebung öffnen: ohne Fenster; eine Datei, auf die keine Regel zutrifft, wird in der Anwendung geöffnet, die Korvane ersetzt hat.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal, --with-defaults und --for-desktop schließen sich gegenseitig aus</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>Dateien für die Arbeitsumgebung nach den Regeln öffnen oder damit aufhören</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>das Korvane-Fenster kann nicht gestartet werden: %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>„on“ macht Korvane für jeden Dateityp, den eine aktivierte Regel nennt, zur
Standardanwendung der Arbeitsumgebung, damit auch Doppelklicks den Regeln
folgen; solange eingeschaltet, folgen die Typen den Regeln. „off“ stellt
jede ersetzte Standardanwendung wieder her und behält die, die Sie
inzwischen geändert haben. „status“ listet jeden Typ mit der Anwendung auf,
die Korvane ersetzt hat. „serve“ beantwortet die Anfragen der Arbeitsumgebung
über deren Nachrichtenbus; der Bus startet es.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener erwartet „on“, „off“, „status“ oder „serve“</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Keine Regel trifft auf diesen Link zu. Mit welcher Anwendung soll er geöffnet werden?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 hat keine Anwendungen für diesen Link vorgeschlagen.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>Diese Anwendung immer für %1-Links verwenden? [J/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>Diese Anwendung immer für %1 verwenden? [J/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>es gibt keinen Webbrowser, der gestartet werden könnte</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Es öffnet auch Links für %1: %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane öffnet Links für %1: ein</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane öffnet Links für %1: aus</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>Mit „on“: auch Web- und Mail-Links (http, https und jedes Schema, das die Links einer Regel nennen); ein Link, auf den keine Regel zutrifft, wird im Browser geöffnet, den Korvane ersetzt hat.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links ist nur zusammen mit „opener on“ möglich</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Es öffnet keine Links mehr für %1; zurückgegeben: %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 ist keine für Korvane lesbare Aufzeichnung und wurde daher unverändert belassen.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 ist keine Regeldatei.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 kann nicht als Regeln gelesen und auch nicht beiseitegelegt werden und wurde daher unverändert belassen.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>nicht wiederhergestellt. %1 hat die neue Standardanwendung nicht übernommen.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>nicht geändert. %1 hat die neue Standardanwendung nicht übernommen.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>nicht wiederhergestellt. %1 öffnet diese Dateien weiterhin.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>nicht geändert. %1 öffnet diese Dateien weiterhin.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>nicht wiederhergestellt. %1 öffnet diese Dateien weiterhin, wie in %2 festgelegt.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>nicht geändert. %1 öffnet diese Dateien weiterhin, wie in %2 festgelegt.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>nicht möglich. %1 hat keinen registrierten Dateityp für diese Endung.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 ist bereits die Standardanwendung.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>nicht möglich. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>erledigt. %1 ist jetzt die Standardanwendung.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>nichts wiederherzustellen; die Änderung wurde abgebrochen, bevor sie vorgenommen wurde.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>unverändert belassen; ihre Standardanwendung wurde inzwischen entfernt.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>unverändert belassen; Sie haben sie inzwischen auf %1 geändert.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>die vorherige Standardanwendung ist unbekannt oder nicht mehr installiert, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>wiederhergestellt; vorher gab es keine Standardanwendung.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>auf %1 zurückgesetzt.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>wiederhergestellt, aber die Aufzeichnung konnte nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>Die Anwendung dieser Regel wurde nicht gefunden. Wählen Sie zuerst eine Anwendung aus.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>Fügen Sie zuerst mindestens eine Endung hinzu. Für Typgruppen kann keine Standardanwendung festgelegt werden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>nicht möglich, solange Korvane diese Dateien für %1 öffnet; schalten Sie zuerst „Dateien für die Arbeitsumgebung öffnen“ aus.</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>Die Dateien konnten nicht angezeigt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Ordner in %1 angezeigt</numerusform>
            <numerusform>%n Ordner in %1 angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Element in %1 angezeigt</numerusform>
            <numerusform>%n Elemente in %1 angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Ordner in %1 geöffnet</numerusform>
            <numerusform>%n Ordner in %1 geöffnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>%n Anwendung wurde nicht gefunden: %1.</numerusform>
            <numerusform>%n Anwendungen wurden nicht gefunden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n Datei in %1 geöffnet</numerusform>
            <numerusform>%n Dateien in %1 geöffnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>%n Datei in %1 geöffnet</numerusform>
            <numerusform>%n Dateien in %1 geöffnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n Anwendung</numerusform>
            <numerusform>%n Anwendungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>Diese Datei ist nicht mehr vorhanden.</numerusform>
            <numerusform>Diese Dateien sind nicht mehr vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>%1 wurde gebeten, %n Element zu öffnen</numerusform>
            <numerusform>%1 wurde gebeten, %n Elemente zu öffnen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1 konnte die Datei nicht öffnen (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>%n Ordner ignoriert</numerusform>
            <numerusform>%n Ordner ignoriert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n fehlt</numerusform>
            <numerusform>%n fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n Datei in %1</numerusform>
            <numerusform>%n Dateien in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n Link in %1 geöffnet</numerusform>
            <numerusform>%n Links in %1 geöffnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n Link in %1</numerusform>
            <numerusform>%n Links in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Link kann nicht in %1 angezeigt werden</numerusform>
            <numerusform>%n Links können nicht in %1 angezeigt werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplainText</name>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(keine Endungen)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>trifft auch zu, aber Regel %1 nimmt die Datei zuerst</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>trifft zu: sie nennt %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>trifft zu: der Typ gehört zu ihrer Gruppe</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>trifft zu: die Datei liegt in ihren Ordnern</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>ausgeschaltet</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>die Datei liegt außerhalb ihrer Ordner</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>trifft nicht zu</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>Endungen: keine</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>Endungen: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>Typ: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>übergeordnet: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>auch: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>Typ: unbekannt</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>Regel %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>führt aus: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>die Arbeitsumgebung: öffnet sie über Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>die Arbeitsumgebung: öffnet sie über Korvane, laut %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>ohne Korvane: keine Anwendung</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>ohne Korvane: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>ohne Korvane: %1, laut %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>trifft zu: ihre Links nennen ihn (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>trifft auf nichts zu: weder Endungen noch Typgruppe angegeben.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>wählen Sie eine Anwendung für diese Regel.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 durch Regel %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>greift nie: frühere Regeln erfassen bereits alle ihre Dateien (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 nimmt nur eine Datei auf einmal an: Beim Ablegen mehrerer Dateien wird die Anwendung für jede Datei einzeln gestartet, nie einmal für alle.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 ist auch in Regel %2 enthalten, die dafür Vorrang hat.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>%1 kann nicht am Ende eines Dateinamens stehen.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 hat keinen registrierten Typ für %2, daher funktioniert „Als Standard festlegen“ dafür nicht; die Verteilung funktioniert trotzdem.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>in %1 erfasst Regel %2 die Dateien mit %3 zuerst.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 kann auf keinen Link zutreffen: Ein file:-Link wird als Datei geöffnet.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 kann auf keinen Link zutreffen: Ein Link beginnt mit seinem Schema, etwa https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1 trifft in dieser Schreibweise auf keinen Link zu; schreiben Sie nur die Website, etwa %2, dann trifft sie über http und https zu.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>Regel %1 erfasst die zu %2 passenden Links zuerst.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>Regeln exportieren</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Regeln importieren</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 antwortet als anderer Benutzer</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>es antwortet nicht</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>es hat die Anfrage nicht verstanden</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>andere Benutzer haben Zugriff auf %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>%1 konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 ist ein zu langer Pfad für einen Socket</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>sein Socket konnte nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>Ihre Arbeitsumgebung</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>dem Dateimanager</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>the key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>the key</comment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>Systemleiste</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>Taskleiste</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 ist keine installierte Anwendung.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>%1 wurde zwischenzeitlich geändert; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>die Aufzeichnung der Änderung ist unvollständig.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>der Nachrichtenbus der Arbeitsumgebung ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>ein anderer Prozess antwortet für %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Ordner → in %1 öffnen</numerusform>
            <numerusform>%n Ordner → in %1 öffnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Ordner → in %1 anzeigen</numerusform>
            <numerusform>%n Ordner → in %1 anzeigen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n Ordner ignoriert</numerusform>
            <numerusform>%n Ordner ignoriert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Element und weitere in %1 anzeigen</numerusform>
            <numerusform>%n Elemente und weitere in %1 anzeigen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n Element in %1 anzeigen</numerusform>
            <numerusform>%n Elemente in %1 anzeigen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>%n Datei und weitere in ihren Standardanwendungen öffnen</numerusform>
            <numerusform>%n Dateien und weitere in ihren Standardanwendungen öffnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>%n Datei in ihrer Standardanwendung öffnen</numerusform>
            <numerusform>%n Dateien in ihren Standardanwendungen öffnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n Datei → %1</numerusform>
            <numerusform>%n Dateien → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n → %1</source>
        <comment>files, %1: an app</comment>
        <translation>
            <numerusform>%n → %1</numerusform>
            <numerusform>%n → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n for a missing app</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n für eine fehlende Anwendung</numerusform>
            <numerusform>%n für eine fehlende Anwendung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n mit Rückfrage</numerusform>
            <numerusform>%n mit Rückfrage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 und weitere</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>In %1 öffnen</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>In %1 anzeigen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>Ignorieren</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n Link kann nicht angezeigt werden</numerusform>
            <numerusform>%n Links können nicht angezeigt werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n Link in seiner Standardanwendung</numerusform>
            <numerusform>%n Links in ihren Standardanwendungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n Link → %1</numerusform>
            <numerusform>%n Links → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RuleText</name>
    <message>
        <source>group: %1</source>
        <translation>Gruppe: %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>nur in %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>Links: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Prüfen Sie die zugehörige Regel in Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane konnte eine Datei nicht öffnen</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>Diese Datei enthält keine gültigen Korvane-Regeln.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>Regel %1 dieser Datei hat einen Anwendungsnamen, der länger ist als jeder echte, daher wurden keine Regeln importiert.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>Regel %1 dieser Datei hat eine Anwendungskennung, die länger ist als jede echte, daher wurden keine Regeln importiert.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>Regel %1 dieser Datei hat einen Anwendungspfad, der länger ist als jeder echte, daher wurden keine Regeln importiert.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>Regel %1 dieser Datei hat eine Endung, die länger ist als jede echte, daher wurden keine Regeln importiert.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>%n Regel exportiert</numerusform>
            <numerusform>%n Regeln exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>Die Regeln konnten dort nicht gespeichert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>%n Regel importiert</numerusform>
            <numerusform>%n Regeln importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>%n Regel ausgelassen, die auf Korvane selbst verweist</numerusform>
            <numerusform>%n Regeln ausgelassen, die auf Korvane selbst verweisen</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>Alle Regeln dieser Datei verweisen auf Korvane selbst. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>Die Regeln konnten nicht importiert werden. %1</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source> · </source>
        <comment>between the parts of one message</comment>
        <translation> · </translation>
    </message>
    <message>
        <source>Text</source>
        <comment>a type group</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>Video</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>Code</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>Korvane kann nicht selbst Dateien für seine Regeln öffnen</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>Korvane kann nicht selbst Dateien für seine Regeln öffnen.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>die Anwendung</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Anwendung auswählen</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>Anwendungen filtern</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Anwendungen</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>Nur in Ordnern</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>Die Regel gilt nur für Dateien in diesen Ordnern, einer pro Zeile (~ ist Ihr persönlicher Ordner). Ohne Ordner gilt sie überall.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>Die Regel öffnet auch diese Links, einer pro Zeile: ein Schema (mailto:), eine Website samt ihren Subdomains (example.org) oder ein Muster, in dem * für beliebigen Text steht (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>Ordner aus&amp;wählen …</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>Jede Datei wird in der Anwendung geöffnet, die ihre Regel festlegt</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Dateien hier ablegen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Standardanwendungen</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>Hier ablegen, um in der üblichen Standardanwendung zu öffnen</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>dem Dateimanager</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>In %1 anzeigen</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>Hier ablegen, um nur in %1 anzuzeigen</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Warum diese Anwendung?</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>Wohin jede abgelegte Datei ging und warum</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>Warum diese Anwendung?</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>Wohin jede Datei ging und warum</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 wird in %2 geöffnet</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: die Anwendung ihrer Regel wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: keine Regel trifft zu</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>%n weitere Datei wird hier nicht erklärt.</numerusform>
            <numerusform>%n weitere Dateien werden hier nicht erklärt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>Ihre Regeldatei konnte nicht gelesen werden. Sie wurde daher als %1 aufbewahrt und eine neue angelegt.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>Ihre Regeln konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>Spätere Starts von Korvane können dieses Fenster nicht erreichen: %1. Bis das behoben ist, kann das Öffnen von Dateien mit Korvane ein weiteres Fenster starten, und die Befehle, die Ihre Regeln oder Standardanwendungen ändern, werden nicht ausgeführt.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>Ihre letzten Änderungen an den Regeln konnten nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>Auf „Standardanwendungen“ ablegen, um in der üblichen Standardanwendung zu öffnen · auf „In %1 anzeigen“, um nur in %1 anzuzeigen</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>Beim Ablegen %1 gedrückt halten, um in der üblichen Standardanwendung zu öffnen · %2 gedrückt halten, um nur in %3 anzuzeigen</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Datei öffnen …</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Korvane beenden</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>Korrigieren Sie die Regel unten.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Standardanwendungen</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>Andere Anwendung auswählen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Keine Regel trifft auf diese Datei zu. Mit welcher Anwendung soll sie geöffnet werden?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 hat keine Anwendungen für diese Datei vorgeschlagen.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>Diese Anwendung immer verwenden (Datei hat keine Endung)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>Vorgeschlagene Anwendungen</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>Diese Anwendung immer für %1 verwenden</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Keine Regel trifft auf diesen Link zu. Mit welcher Anwendung soll er geöffnet werden?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 hat keine Anwendungen für diesen Link vorgeschlagen.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>%1-Links</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>Diese Anwendung immer für %1 verwenden</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>Diese Anwendung immer verwenden (der Link nennt keine Website)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>Hinzufügen einer Regel</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Löschen von Regel %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>Regel %1 gelöscht</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>Verschieben von Regel %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>Regel %1 verschoben</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>Aktivieren von Regel %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>Deaktivieren von Regel %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>Bearbeiten von Regel %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Import von %n Regel</numerusform>
            <numerusform>Import von %n Regeln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>Als Standard festlegen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Zum Umsortieren ziehen</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>Endungen, z. B. md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>Regel löschen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>keine Anwendung</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>Trifft auch auf Typgruppe zu: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>Typgruppe hinzufügen …</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>Keine Anwendung ausgewählt</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>Anwendung nicht gefunden</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 hat keinen registrierten Dateityp für diese Endungen und kann ihnen daher keine Standardanwendung zuordnen.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>Keine Typgruppe</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Andere …</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>%1 wird derzeit geöffnet mit: %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>Regel %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>Regel %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Regel %1 löschen</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>Regel %1 löschen: %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Endungen</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>Endungen leeren</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>Typgruppe</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>Nur in %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>Nur in Ordnern …</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>Links: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>Links …</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>Noch keine Regeln</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>Fügen Sie eine Regel hinzu oder legen Sie eine Datei ab und wählen Sie eine Anwendung aus.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>In der %1 anzeigen</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>Diese Arbeitsumgebung hat keine %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>Symbol in der %1 beibehalten</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Korvane-Einstellungen</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>Das Symbol in der %1 bleibt sichtbar, wenn das Symbol in der %2 ausgeblendet ist, damit die Anwendung immer erreichbar bleibt.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>Abgelegte Ordner</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>„Bei der Anmeldung starten“ konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>Dateien für die Arbeitsumgebung öffnen</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>Doppelklicks in %1 und anderen Anwendungen folgen ebenfalls Ihren Regeln. Beim Ausschalten werden alle von Korvane ersetzten Standardanwendungen wiederhergestellt.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>Die von Ihren Regeln genannten Typen werden übernommen …</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Die von Korvane ersetzten Standardanwendungen werden wiederhergestellt …</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 hat keinen Eintrag für den Öffnungsdienst von Korvane, daher wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane öffnet %n Dateityp für %1.</numerusform>
            <numerusform>Korvane öffnet %n Dateitypen für %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Auch Web- und Mail-Links öffnen</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>Auch Links folgen Ihren Regeln; ein Link, den keine Regel nennt, wird im Browser geöffnet, den Korvane ersetzt hat.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Korvane öffnet jetzt Dateien für %1; noch nennt keine aktivierte Regel einen Dateityp.</translation>
    </message>
</context>
<context>
    <name>korvane::TrayController</name>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Datei öffnen …</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt verwendeten Dateien</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Korvane beenden</translation>
    </message>
</context>
</TS>
