<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CliText</name>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>No findings in %n rule.</numerusform>
            <numerusform>No findings in %n rules.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 in %n rule.</numerusform>
            <numerusform>%1 in %n rules.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n finding</numerusform>
            <numerusform>%n findings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>there is no rule %1 (there is %n rule)</numerusform>
            <numerusform>there is no rule %1 (there are %n rules)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>Handed %n file to the Korvane window.</numerusform>
            <numerusform>Handed %n files to the Korvane window.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane opens %n file type for %1 now.</numerusform>
            <numerusform>Korvane opens %n file types for %1 now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane no longer opens files for %1; %n file type given back.</numerusform>
            <numerusform>Korvane no longer opens files for %1; %n file types given back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>%n file type could not be given back; &apos;korvane opener off&apos; tries again.</numerusform>
            <numerusform>%n file types could not be given back; &apos;korvane opener off&apos; tries again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Revealed %n folder in %1</numerusform>
            <numerusform>Revealed %n folders in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Revealed %n item in %1</numerusform>
            <numerusform>Revealed %n items in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Opened %n folder in %1</numerusform>
            <numerusform>Opened %n folders in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>%n app wasn&apos;t found: %1.</numerusform>
            <numerusform>%n apps weren&apos;t found: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>Opened %n file in %1</numerusform>
            <numerusform>Opened %n files in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>Opened %n file in %1</numerusform>
            <numerusform>Opened %n files in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>That file isn&apos;t there any more.</numerusform>
            <numerusform>Those files aren&apos;t there any more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Asked %1 to open %n item</numerusform>
            <numerusform>Asked %1 to open %n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>Ignored %n folder</numerusform>
            <numerusform>Ignored %n folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n missing</numerusform>
            <numerusform>%n missing</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n file in %1</numerusform>
            <numerusform>%n files in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>Opened %n link in %1</numerusform>
            <numerusform>Opened %n links in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n link in %1</numerusform>
            <numerusform>%n links in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n link can&apos;t be revealed in %1</numerusform>
            <numerusform>%n links can&apos;t be revealed in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n folder → open in %1</numerusform>
            <numerusform>%n folders → open in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n folder → reveal in %1</numerusform>
            <numerusform>%n folders → reveal in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n folder ignored</numerusform>
            <numerusform>%n folders ignored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Reveal %n item and more in %1</numerusform>
            <numerusform>Reveal %n items and more in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Reveal %n item in %1</numerusform>
            <numerusform>Reveal %n items in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>Open %n file and more in their default apps</numerusform>
            <numerusform>Open %n files and more in their default apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>Open %n file in their default apps</numerusform>
            <numerusform>Open %n files in their default apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n file → %1</numerusform>
            <numerusform>%n files → %1</numerusform>
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
            <numerusform>%n for a missing app</numerusform>
            <numerusform>%n for a missing app</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n will ask</numerusform>
            <numerusform>%n will ask</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n link can&apos;t be revealed</numerusform>
            <numerusform>%n links can&apos;t be revealed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n link in its default app</numerusform>
            <numerusform>%n links in their default apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n link → %1</numerusform>
            <numerusform>%n links → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>Exported %n rule</numerusform>
            <numerusform>Exported %n rules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>Imported %n rule</numerusform>
            <numerusform>Imported %n rules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>Left out %n rule naming Korvane itself</numerusform>
            <numerusform>Left out %n rules naming Korvane itself</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>%n more file not explained here.</numerusform>
            <numerusform>%n more files not explained here.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Import %n rule</numerusform>
            <numerusform>Import %n rules</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane opens %n file type for %1.</numerusform>
            <numerusform>Korvane opens %n file types for %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
