<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 non è un file regolare.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 supera %2 MiB.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 supererebbe %2 MiB, più di quanto Korvane possa rileggere.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 è un collegamento a %2, che non esiste.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>%1 è in corso di modifica da parte di un&apos;altra istanza di Korvane; riprova.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>Impossibile bloccare %1 in scrittura (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>Verifica la sua regola con «korvane rules».</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>impossibile leggere la cartella corrente, quindi non è possibile trovare i file</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: il percorso è troppo lungo per essere passato a un&apos;applicazione</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>impossibile salvare la regola. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Nessuna regola corrisponde a questo file. Quale applicazione deve aprirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 non ha suggerito alcuna applicazione per questo file.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>Numero (vuoto per saltare): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>Scegli un numero da 1 a %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>Usare sempre questa applicazione per .%1? [S/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>Ancora nessuna regola.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(nessuna estensione)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nessuna applicazione</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>applicazione: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>applicazione: %1 (non trovata)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>attiva</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regola %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>Nessun problema in %n regola.</numerusform>
            <numerusform>Nessun problema in %n regole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 in %n regola.</numerusform>
            <numerusform>%1 in %n regole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n problema</numerusform>
            <numerusform>%n problemi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>la regola %1 non esiste (c&apos;è %n regola)</numerusform>
            <numerusform>la regola %1 non esiste (ci sono %n regole)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>per la regola %1 non risulta registrata alcuna applicazione predefinita sostituita, quindi non c&apos;è nulla da ripristinare</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>tutto ciò che è stato richiesto è stato eseguito</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>qualcosa non è riuscito o è stato rifiutato (un file o un&apos;applicazione mancante, un avvio o una scrittura non riusciti, un&apos;applicazione predefinita rimasta invariata)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>il comando è stato usato in modo errato</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>NOME</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>smista i file verso le applicazioni indicate dalle tue regole</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>SINTASSI</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>DESCRIZIONE</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>Senza un comando, Korvane apre la sua finestra; con dei file, li passa alla
finestra come un unico rilascio, avviandola se non è in esecuzione. Ogni
file si apre nell&apos;applicazione che le tue regole gli assegnano; per un file
che nessuna regola gestisce, la domanda viene posta nella finestra.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>COMANDI</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>OPZIONI</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>Mostra la guida (anche dopo un comando).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>STATO DI USCITA</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>Le regole.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Le applicazioni predefinite sostituite da Korvane, per poterle ripristinare.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>Le impostazioni.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>VEDERE ANCHE</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>Smista i file verso le applicazioni indicate dalle tue regole. Senza un
comando, apre la finestra e le passa i file come un unico rilascio.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>mostra questa guida (anche dopo un comando)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostra la versione</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Stato di uscita:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando sconosciuto «%1»</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>la finestra di Korvane è in esecuzione; apporta questa modifica nella finestra, oppure chiudila prima</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>impossibile raggiungere la finestra di Korvane: %1. Non è stato modificato nulla, perché potrebbe usare questi file.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>rende predefinita l&apos;applicazione della regola N, o ripristina ciò che ha sostituito</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>Rende l&apos;applicazione della regola N (numerata come in «korvane rules»)
quella predefinita per ognuna delle sue estensioni, o ripristina le
applicazioni predefinite che ha sostituito.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default accetta «set N» o «restore N»</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>apre i file come un unico rilascio</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>Apre i file come un unico rilascio: ognuno nell&apos;applicazione indicata dalle
tue regole, i file di una stessa applicazione in un solo avvio. Per un file
che nessuna regola gestisce, la domanda viene posta qui: digita il numero
di un&apos;applicazione, o niente per saltarlo.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>Mostra invece i file nel gestore di file.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>Apre i file con le loro applicazioni predefinite abituali.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>un file da aprire</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open richiede almeno un FILE</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>%n file passato alla finestra di Korvane.</numerusform>
            <numerusform>%n file passati alla finestra di Korvane.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>la finestra di Korvane non ha indicato l&apos;esito del rilascio</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>impossibile raggiungere la finestra di Korvane: %1; apertura qui.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>mostra dove si aprirebbe ogni file</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>Mostra in quale applicazione si aprirebbe ogni file secondo le tue regole,
senza aprire, registrare o modificare nulla.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>un file da smistare</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route richiede almeno un FILE</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 Smistamento senza regole.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>non presente</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>impossibile trovare %1</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>nessuna regola corrisponde</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>elenca o verifica le regole, le importa da FILE o le esporta in FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>Elenca le regole, numerate in ordine di smistamento; oppure le verifica su
questo desktop, una riga per problema, e termina con 1 se ce n&apos;è qualcuno;
oppure aggiunge le regole di FILE in fondo all&apos;elenco; oppure scrive ogni
regola in FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>uso sconosciuto di rules: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>impossibile raggiungere la finestra di Korvane: %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>non risponde</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>impossibile raggiungere la finestra di Korvane: %1. Questa istanza funziona da sola; gli avvii successivi non potranno raggiungerla.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>Korvane è stato avviato da Korvane per aprire questi file, quindi non li passa di nuovo. Verifica la regola la cui applicazione esegue Korvane.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>impossibile avviare la finestra di Korvane: %1: %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>Spiegare: le estensioni e il tipo considerati, il ruolo di ogni regola, il comando che verrebbe eseguito e la scelta propria del desktop.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane non apre i file per %1.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 non ha alcuna voce per il servizio di apertura di Korvane, quindi non è stato modificato nulla</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>Impossibile registrare il servizio di apertura di Korvane presso %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane ora apre %n tipo di file per %1.</numerusform>
            <numerusform>Korvane ora apre %n tipi di file per %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane ora apre i file per %1; nessuna regola attiva indica ancora un tipo di file.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane non apre più i file per %1; %n tipo di file restituito.</numerusform>
            <numerusform>Korvane non apre più i file per %1; %n tipi di file restituiti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>Impossibile restituire %n tipo di file; «korvane opener off» riprova.</numerusform>
            <numerusform>Impossibile restituire %n tipi di file; «korvane opener off» riprova.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane apre i file per %1: attivo</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane apre i file per %1: disattivo</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>prima senza applicazione</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>al posto di %1 (non più installata)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>al posto di %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1, secondo %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>Apre i file per il desktop, come suo servizio di apertura: senza finestra; un file che nessuna regola gestisce si apre nell&apos;applicazione sostituita da Korvane.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal, --with-defaults e --for-desktop si escludono a vicenda</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>apre i file per il desktop secondo le regole, o smette di farlo</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>impossibile avviare la finestra di Korvane: %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>«on» rende Korvane l&apos;applicazione predefinita del desktop per ogni tipo di
file indicato da una regola attiva, così anche i doppi clic seguono le
regole; finché è attivo, i tipi seguono le regole. «off» ripristina ogni
applicazione predefinita sostituita, mantenendo quelle che hai cambiato nel
frattempo. «status» elenca ogni tipo con l&apos;applicazione sostituita da
Korvane. «serve» risponde alle richieste del desktop tramite il suo bus dei
messaggi; è il bus ad avviarlo.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener accetta «on», «off», «status» o «serve»</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Nessuna regola corrisponde a questo collegamento. Quale applicazione deve aprirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 non ha suggerito alcuna applicazione per questo collegamento.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>Usare sempre questa applicazione per i collegamenti %1? [S/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>Usare sempre questa applicazione per %1? [S/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>non c&apos;è alcun browser web da avviare</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Apre anche i collegamenti per %1: %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane apre i collegamenti per %1: attivo</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane apre i collegamenti per %1: disattivo</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>Con «on»: apre anche i collegamenti web e di posta (http, https e ogni schema indicato dai collegamenti di una regola); un collegamento che nessuna regola gestisce si apre nel browser sostituito da Korvane.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links si usa solo con «opener on»</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Non apre più i collegamenti per %1; restituiti: %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 non è un registro leggibile da Korvane, quindi è stato lasciato invariato.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Impossibile creare %1.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 non è un file di regole.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 non può essere letto come file di regole e non è stato possibile metterlo da parte, quindi è stato lasciato invariato.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>ripristino non riuscito. %1 non ha accettato la nuova applicazione predefinita.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>modifica non riuscita. %1 non ha accettato la nuova applicazione predefinita.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>ripristino non riuscito. %1 apre ancora questi file.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>modifica non riuscita. %1 apre ancora questi file.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>ripristino non riuscito. %1 apre ancora questi file, come impostato in %2.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>modifica non riuscita. %1 apre ancora questi file, come impostato in %2.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>impossibile. %1 non ha alcun tipo di file registrato per questa estensione.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 è già l&apos;applicazione predefinita.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>impossibile. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>fatto. %1 è ora l&apos;applicazione predefinita.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>niente da ripristinare.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>ripristino impossibile.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>niente da ripristinare; la modifica è stata interrotta prima di essere applicata.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>nessuna modifica; nel frattempo la sua applicazione predefinita è stata rimossa.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>nessuna modifica; nel frattempo hai scelto %1.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>l&apos;applicazione predefinita precedente è sconosciuta o non è più installata, quindi non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>ripristino eseguito; prima non c&apos;era alcuna applicazione predefinita.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>ripristino eseguito: %1 è di nuovo l&apos;applicazione predefinita.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>ripristino eseguito, ma è impossibile aggiornare il registro: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>L&apos;applicazione di questa regola non è stata trovata. Scegli prima un&apos;applicazione.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>Aggiungi prima almeno un&apos;estensione. Non è possibile impostare un&apos;applicazione predefinita per i gruppi di tipi.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>impossibile finché Korvane apre questi file per %1; disattiva prima «Apri i file per il desktop».</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>Impossibile mostrare i file: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n cartella mostrata con %1</numerusform>
            <numerusform>%n cartelle mostrate con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n elemento mostrato con %1</numerusform>
            <numerusform>%n elementi mostrati con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n cartella aperta con %1</numerusform>
            <numerusform>%n cartelle aperte con %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>Impossibile trovare %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>%n applicazione non trovata: %1.</numerusform>
            <numerusform>%n applicazioni non trovate: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n file aperto con %1</numerusform>
            <numerusform>%n file aperti con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>%n file aperto con %1</numerusform>
            <numerusform>%n file aperti con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n applicazione</numerusform>
            <numerusform>%n applicazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>Quel file non esiste più.</numerusform>
            <numerusform>Quei file non esistono più.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Apertura di %n elemento richiesta tramite %1</numerusform>
            <numerusform>Apertura di %n elementi richiesta tramite %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1: impossibile aprire il file (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>%n cartella ignorata</numerusform>
            <numerusform>%n cartelle ignorate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n mancante</numerusform>
            <numerusform>%n mancanti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n file con %1</numerusform>
            <numerusform>%n file con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n collegamento aperto con %1</numerusform>
            <numerusform>%n collegamenti aperti con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n collegamento con %1</numerusform>
            <numerusform>%n collegamenti con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n collegamento non può essere mostrato con %1</numerusform>
            <numerusform>%n collegamenti non possono essere mostrati con %1</numerusform>
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
        <translation>(nessuna estensione)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>si applica anche, ma la regola %1 prende il file prima</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>si applica: indica %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>si applica: il tipo è nel suo gruppo</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>si applica: il file è nelle sue cartelle</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nessuna applicazione</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>il file è fuori dalle sue cartelle</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>non si applica</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>estensioni: nessuna</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>estensioni: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>tipo: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>genitori: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>detto anche: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>tipo: sconosciuto</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>regola %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>esegue: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>il desktop: lo apre tramite Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>il desktop: lo apre tramite Korvane, secondo %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>senza Korvane: nessuna applicazione</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>senza Korvane: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>senza Korvane: %1, secondo %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>si applica: i suoi collegamenti lo indicano (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>non corrisponde a nulla: non ha né estensioni né un gruppo di tipi.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>scegli un&apos;applicazione per questa regola.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 dalla regola %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>non si applica mai: le regole precedenti prendono tutti i suoi file (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>impossibile trovare %1.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 accetta un solo file alla volta: un rilascio di più file la avvia una volta per ciascuno, mai una volta sola per tutti.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 è anche nella regola %2, che ha la precedenza per questa estensione.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>%1 non può terminare alcun nome di file.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 non ha alcun tipo registrato per %2, quindi «Imposta come predefinita» non può funzionare per questa estensione; lo smistamento sì.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>la cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>dentro %1, la regola %2 prende per prima i suoi file %3.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 non può corrispondere ad alcun collegamento: un collegamento file: si apre come file.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 non può corrispondere ad alcun collegamento: un collegamento inizia con il suo schema, come https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1, così come è scritto, non corrisponde ad alcun collegamento; scrivi solo il sito, come %2, e corrisponderà sia con http sia con https.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>la regola %1 prende per prima i suoi collegamenti %2.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>Esporta regole</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importa regole</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 risponde a nome di un altro utente</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>non risponde</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>non ha compreso la richiesta</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 è un collegamento simbolico</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>altri utenti possono accedere a %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 è un percorso troppo lungo per un socket</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>impossibile creare il suo socket: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>il tuo desktop</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>il gestore di file</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>the key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>the key</comment>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>area di notifica</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>barra delle applicazioni</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 non è un&apos;applicazione installata.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>Impossibile rimuovere %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Impossibile creare %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>%1 è cambiato nel frattempo; riprova.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>il registro della modifica è incompleto.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 non esiste più.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>impossibile raggiungere il bus dei messaggi del desktop: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>un altro processo risponde per %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n cartella → apri con %1</numerusform>
            <numerusform>%n cartelle → apri con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n cartella → mostra con %1</numerusform>
            <numerusform>%n cartelle → mostra con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n cartella ignorata</numerusform>
            <numerusform>%n cartelle ignorate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Mostra almeno %n elemento con %1</numerusform>
            <numerusform>Mostra almeno %n elementi con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Mostra %n elemento con %1</numerusform>
            <numerusform>Mostra %n elementi con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>Apri almeno %n file nella sua applicazione predefinita</numerusform>
            <numerusform>Apri almeno %n file nelle loro applicazioni predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>Apri %n file nella sua applicazione predefinita</numerusform>
            <numerusform>Apri %n file nelle loro applicazioni predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n file → %1</numerusform>
            <numerusform>%n file → %1</numerusform>
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
            <numerusform>%n per un&apos;applicazione mancante</numerusform>
            <numerusform>%n per un&apos;applicazione mancante</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n in attesa di scelta</numerusform>
            <numerusform>%n in attesa di scelta</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 e altri</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Apri con %1</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Mostra con %1</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>Ignora</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n collegamento non può essere mostrato</numerusform>
            <numerusform>%n collegamenti non possono essere mostrati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n collegamento nella sua applicazione predefinita</numerusform>
            <numerusform>%n collegamenti nelle loro applicazioni predefinite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n collegamento → %1</numerusform>
            <numerusform>%n collegamenti → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizzo: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
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
        <translation>gruppo: %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>solo in %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>link: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Verifica la sua regola in Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane non è riuscito ad aprire un file</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>Quel file non contiene alcuna regola valida di Korvane.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>La regola %1 di quel file ha un nome di applicazione più lungo di qualsiasi nome reale, quindi non è stata importata alcuna regola.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>La regola %1 di quel file ha un ID di applicazione più lungo di qualsiasi ID reale, quindi non è stata importata alcuna regola.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>La regola %1 di quel file ha un percorso di applicazione più lungo di qualsiasi percorso reale, quindi non è stata importata alcuna regola.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>La regola %1 di quel file ha un&apos;estensione più lunga di qualsiasi estensione reale, quindi non è stata importata alcuna regola.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>%n regola esportata</numerusform>
            <numerusform>%n regole esportate</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>Impossibile salvare le regole in quella posizione: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>%n regola importata</numerusform>
            <numerusform>%n regole importate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>Esclusa %n regola che indica Korvane stesso</numerusform>
            <numerusform>Escluse %n regole che indicano Korvane stesso</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>Tutte le regole di quel file indicano Korvane stesso. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>Impossibile importare le regole. %1</translation>
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
        <translation>Testo</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>Immagini</translation>
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
        <translation>Archivi</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>Codice</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>Korvane non può aprire file per le sue stesse regole</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>Korvane non può aprire file per le sue stesse regole.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>l&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Scegli un&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>Filtra applicazioni</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Applicazioni</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>Solo in cartelle</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Collegamenti</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>La regola si applica solo ai file all&apos;interno di queste cartelle, una per riga (~ è la tua cartella home). Senza cartelle, si applica ovunque.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>La regola apre anche questi collegamenti, uno per riga: uno schema (mailto:), un sito e i suoi sottodomini (example.org), o un modello in cui * sta per qualsiasi testo (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>&amp;Scegli cartella…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Scegli una cartella</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>Ogni file si apre nell&apos;applicazione indicata dalla sua regola</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Rilascia qui i file</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Applicazioni predefinite</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>Rilascia qui per aprire nell&apos;applicazione predefinita abituale</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>il gestore di file</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>Mostra con %1</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>Rilascia qui per mostrare soltanto con %1</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Perché questa applicazione?</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>Dove è andato ogni file rilasciato e perché</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>Perché questa applicazione?</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>Dove è andato ogni file e perché</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 si apre con %2</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: l&apos;applicazione della sua regola non è stata trovata</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: nessuna regola corrisponde</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>Altro %n file non spiegato qui.</numerusform>
            <numerusform>Altri %n file non spiegati qui.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>Impossibile leggere il tuo file di regole, quindi è stato conservato come %1 ed è stato creato un nuovo file.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>Impossibile salvare le tue regole. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>Gli avvii successivi di Korvane non possono raggiungere questa finestra: %1. Finché il problema non viene risolto, aprire file con Korvane potrebbe avviare un&apos;altra finestra, e i comandi che modificano le tue regole o le applicazioni predefinite si rifiutano di funzionare.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>Impossibile salvare le ultime modifiche alle regole.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>Rilascia su «Applicazioni predefinite» per aprire nell&apos;applicazione predefinita abituale · su «Mostra con %1» per mostrare soltanto con %1</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>Tieni premuto %1 durante il rilascio per aprire nell&apos;applicazione predefinita abituale · Tieni premuto %2 per mostrare soltanto con %3</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Aggiungi regola</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Apri file…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Esci da Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>Correggi la regola qui sotto.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Applicazioni predefinite</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>Scegli un&apos;altra applicazione…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Apri con</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Nessuna regola corrisponde a questo file. Quale applicazione deve aprirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 non ha suggerito alcuna applicazione per questo file.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>Usa sempre questa applicazione (il file non ha estensione)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>Applicazioni suggerite</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>Usa sempre questa applicazione per %1</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Nessuna regola corrisponde a questo collegamento. Quale applicazione deve aprirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 non ha suggerito alcuna applicazione per questo collegamento.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>i collegamenti %1</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>Usa sempre questa applicazione per %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>Usa sempre questa applicazione (il collegamento non indica alcun sito)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>Aggiungi regola</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Elimina regola %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>Regola %1 eliminata</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>Sposta regola %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>Regola %1 spostata</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>Attiva regola %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>Disattiva regola %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>Modifica regola %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Importa %n regola</numerusform>
            <numerusform>Importa %n regole</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>Imposta come predefinita</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Trascina per riordinare</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>Estensioni, ad es. md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>Elimina regola</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nessuna applicazione</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>Corrisponde anche al gruppo di tipi: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>Aggiungi gruppo di tipi…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>Nessuna applicazione scelta</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>Applicazione non trovata</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 non ha alcun tipo di file registrato per queste estensioni, quindi non è possibile impostare un&apos;applicazione predefinita per esse.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>Nessun gruppo di tipi</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Altro…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>%1 attualmente si apre con %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>regola %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>regola %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>Regola %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regola %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Elimina regola %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>Elimina regola %1: %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Estensioni</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>Cancella estensioni</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>Gruppo di tipi</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>Solo in %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>Solo in cartelle…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>Collegamenti: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>Collegamenti…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>Ancora nessuna regola</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>Aggiungi una regola, oppure rilascia un file e scegli un&apos;applicazione.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>Mostra in %1</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>Questo desktop è privo di %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>Mantieni l&apos;icona in %1</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Impostazioni di Korvane</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>L&apos;icona in %1 resta visibile quando quella in %2 è nascosta, così l&apos;applicazione è sempre raggiungibile.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>Cartelle rilasciate</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>Impossibile modificare «Avvia all&apos;accesso»: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>Apri i file per il desktop</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>Anche i doppi clic con %1 e con le altre applicazioni seguono le tue regole. Se disattivato, viene ripristinata ogni applicazione predefinita sostituita da Korvane.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>Acquisizione dei tipi indicati dalle tue regole…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Ripristino delle applicazioni predefinite sostituite da Korvane…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 non ha alcuna voce per il servizio di apertura di Korvane, quindi non è stato modificato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane apre %n tipo di file per %1.</numerusform>
            <numerusform>Korvane apre %n tipi di file per %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Apri anche i collegamenti web e di posta</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>Anche i collegamenti seguono le tue regole; un collegamento che nessuna regola indica si apre nel browser sostituito da Korvane.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Korvane ora apre i file per %1; nessuna regola attiva indica ancora un tipo di file.</translation>
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
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Apri file…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nessun file recente</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Cancella recenti</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Esci da Korvane</translation>
    </message>
</context>
</TS>
