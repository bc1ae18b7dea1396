<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--reveal and --with-defaults exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.%1 is also in rule %2, which wins for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.%1 can&apos;t end any file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no registered type for .%2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>the key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>the key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n → %1</source>
        <comment>files, %1: an app</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n for a missing app</source>
        <comment>files</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source> · </source>
        <comment>between the parts of one message</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <comment>a type group</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the app</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n web link(s) aren&apos;t files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always use this app for .%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.%1 currently opens in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No type group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvane::TrayController</name>
    <message>
        <source>Korvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
