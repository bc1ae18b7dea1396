<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier normal.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 dépasse %2 Mio.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 dépasserait %2 Mio, plus que ce que Korvane peut relire.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 est un lien vers %2, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>%1 est en cours de modification par une autre instance de Korvane ; réessayez.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>Impossible de verrouiller %1 en écriture (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>Vérifiez sa règle avec « korvane rules ».</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>le dossier actuel ne peut pas être lu, les fichiers sont donc introuvables</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1 : le chemin est trop long pour être transmis à une application</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>la règle n&apos;a pas pu être enregistrée. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Aucune règle ne correspond à ce fichier. Quelle application doit l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 n&apos;a proposé aucune application pour ce fichier.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>Numéro (vide pour ignorer) : </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>Choisissez un numéro entre 1 et %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>Toujours utiliser cette application pour .%1 ? [O/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>o</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>Aucune règle pour l&apos;instant.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(aucune extension)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>aucune application</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>application : %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>application : %1 (introuvable)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation> ; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Règle %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>Aucun problème dans %n règle.</numerusform>
            <numerusform>Aucun problème dans %n règles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 dans %n règle.</numerusform>
            <numerusform>%1 dans %n règles.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n problème</numerusform>
            <numerusform>%n problèmes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>il n&apos;y a pas de règle %1 (il y a %n règle)</numerusform>
            <numerusform>il n&apos;y a pas de règle %1 (il y a %n règles)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>aucune application par défaut remplacée n&apos;est enregistrée pour la règle %1, il n&apos;y a donc rien à restaurer</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>tout ce qui était demandé a été fait</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>quelque chose a échoué ou a été refusé (fichier ou application manquant, échec d&apos;un lancement ou d&apos;une écriture, application par défaut restée inchangée)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>la commande a été mal utilisée</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>acheminer les fichiers vers les applications désignées par vos règles</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>Sans commande, Korvane ouvre sa fenêtre ; avec des fichiers, il les transmet
à la fenêtre en un seul dépôt, en la lançant au besoin. Chaque fichier
s&apos;ouvre dans l&apos;application que vos règles lui attribuent ; pour un fichier
qu&apos;aucune règle ne prend en charge, la question est posée dans la fenêtre.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>Afficher l&apos;aide (aussi après une commande).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>CODE DE RETOUR</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>Les règles.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Les applications par défaut remplacées par Korvane, pour pouvoir les restaurer.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>Les paramètres.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>VOIR AUSSI</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>Achemine les fichiers vers les applications désignées par vos règles. Sans
commande, ouvre la fenêtre et lui transmet les fichiers en un seul dépôt.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>afficher cette aide (aussi après une commande)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Code de retour :</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>la fenêtre de Korvane est ouverte ; faites cette modification dans la fenêtre, ou quittez-la d&apos;abord</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>impossible de joindre la fenêtre de Korvane : %1. Rien n&apos;a été modifié, car elle utilise peut-être ces fichiers.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>faire de l&apos;application de la règle N l&apos;application par défaut, ou restaurer ce qu&apos;elle a remplacé</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>Fait de l&apos;application de la règle N (numérotée comme dans « korvane rules »)
l&apos;application par défaut pour chacune de ses extensions, ou restaure les
applications par défaut qu&apos;elle a remplacées.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default attend « set N » ou « restore N »</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>ouvrir les fichiers en un seul dépôt</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>Ouvre les fichiers en un seul dépôt : chacun dans l&apos;application désignée
par vos règles, ceux d&apos;une même application en un seul lancement. Pour un
fichier qu&apos;aucune règle ne prend en charge, la question est posée ici :
saisissez le numéro d&apos;une application, ou rien pour l&apos;ignorer.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>Afficher plutôt les fichiers dans le gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>Les ouvrir avec leurs applications par défaut habituelles.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>un fichier à ouvrir</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open nécessite au moins un FILE</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>%n fichier transmis à la fenêtre de Korvane.</numerusform>
            <numerusform>%n fichiers transmis à la fenêtre de Korvane.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>la fenêtre de Korvane n&apos;a pas indiqué le résultat du dépôt</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>impossible de joindre la fenêtre de Korvane : %1 ; ouverture ici.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>afficher où s&apos;ouvrirait chaque fichier</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>Affiche dans quelle application chaque fichier s&apos;ouvrirait selon vos
règles, sans rien ouvrir, enregistrer ni modifier.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>un fichier à acheminer</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route nécessite au moins un FILE</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 Acheminement sans règles.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>%1 introuvable</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>aucune règle ne correspond</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>lister ou vérifier les règles, les importer depuis FILE ou les exporter vers FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>Liste les règles, numérotées dans l&apos;ordre d&apos;acheminement ; ou les vérifie
pour ce bureau, une ligne par problème, et quitte avec le code 1 s&apos;il y
en a ; ou ajoute les règles de FILE à la fin de la liste ; ou écrit toutes
les règles dans FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>utilisation inconnue de rules : %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>impossible de joindre la fenêtre de Korvane : %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>elle ne répond pas</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>impossible de joindre la fenêtre de Korvane : %1. Cette instance fonctionne seule ; les lancements suivants ne pourront pas la joindre.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>Korvane a été lancé par Korvane pour ouvrir ces fichiers, il ne les transmet donc pas à nouveau. Vérifiez la règle dont l&apos;application lance Korvane.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>impossible de lancer la fenêtre de Korvane : %1 : %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>Expliquer : les extensions et le type pris en compte, le rôle de chaque règle, la commande qui serait lancée et le choix propre au bureau.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane n&apos;ouvre pas les fichiers pour %1.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 n&apos;a aucune entrée pour le service d&apos;ouverture de Korvane ; rien n&apos;a donc été modifié</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>Impossible de confier le service d&apos;ouverture de Korvane à %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane ouvre désormais %n type de fichier pour %1.</numerusform>
            <numerusform>Korvane ouvre désormais %n types de fichiers pour %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane ouvre désormais les fichiers pour %1 ; aucune règle activée ne désigne encore de type de fichier.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane n&apos;ouvre plus les fichiers pour %1 ; %n type de fichier restitué.</numerusform>
            <numerusform>Korvane n&apos;ouvre plus les fichiers pour %1 ; %n types de fichiers restitués.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>%n type de fichier n&apos;a pas pu être restitué ; « korvane opener off » fera une nouvelle tentative.</numerusform>
            <numerusform>%n types de fichiers n&apos;ont pas pu être restitués ; « korvane opener off » fera une nouvelle tentative.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane ouvre les fichiers pour %1 : activé</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane ouvre les fichiers pour %1 : désactivé</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>auparavant sans application</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>à la place de %1 (qui n&apos;est plus installée)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>à la place de %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1, selon %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>Les ouvrir pour le bureau, en tant que son service d&apos;ouverture : sans fenêtre ; un fichier qu&apos;aucune règle ne prend en charge s&apos;ouvre dans l&apos;application que Korvane a remplacée.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal, --with-defaults et --for-desktop s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>ouvrir les fichiers pour le bureau selon les règles, ou arrêter</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>impossible de lancer la fenêtre de Korvane : %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>« on » fait de Korvane l&apos;application par défaut du bureau pour chaque type de
fichier désigné par une règle activée, afin que les doubles-clics suivent
aussi les règles ; tant qu&apos;il est actif, les types suivent les règles.
« off » restaure chaque application par défaut remplacée, en gardant celles
que vous avez modifiées depuis. « status » liste chaque type avec
l&apos;application que Korvane a remplacée. « serve » répond aux requêtes du
bureau via son bus de messages ; c&apos;est le bus qui le lance.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener attend « on », « off », « status » ou « serve »</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Aucune règle ne correspond à ce lien. Quelle application doit l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 n&apos;a proposé aucune application pour ce lien.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>Toujours utiliser cette application pour les liens %1 ? [O/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>Toujours utiliser cette application pour %1 ? [O/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>il n&apos;y a aucun navigateur web à lancer</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Il ouvre aussi les liens pour %1 : %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane ouvre les liens pour %1 : activé</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane ouvre les liens pour %1 : désactivé</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>Avec « on » : ouvrir aussi les liens web et de messagerie (http, https et chaque schéma désigné par les liens d&apos;une règle) ; un lien qu&apos;aucune règle ne prend en charge s&apos;ouvre dans le navigateur que Korvane a remplacé.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links ne s&apos;utilise qu&apos;avec « opener on »</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Il n&apos;ouvre plus les liens pour %1 ; restitués : %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 n&apos;est pas un enregistrement lisible par Korvane ; il a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Impossible de créer %1.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 n&apos;est pas un fichier de règles.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 ne peut pas être lu comme fichier de règles et n&apos;a pas pu être mis de côté ; il a donc été laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>échec de la restauration. %1 n&apos;a pas pris en compte la nouvelle application par défaut.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>échec de la modification. %1 n&apos;a pas pris en compte la nouvelle application par défaut.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>échec de la restauration. %1 ouvre toujours ces fichiers.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>échec de la modification. %1 ouvre toujours ces fichiers.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>échec de la restauration. %1 ouvre toujours ces fichiers, comme défini dans %2.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>échec de la modification. %1 ouvre toujours ces fichiers, comme défini dans %2.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>impossible. %1 n&apos;a aucun type de fichier enregistré pour cette extension.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 est déjà l&apos;application par défaut.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>impossible. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>terminé. %1 est désormais l&apos;application par défaut.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>rien à restaurer.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>restauration impossible.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>rien à restaurer ; la modification a été interrompue avant d&apos;être effectuée.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>aucun changement ; son application par défaut a été supprimée entre-temps.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>aucun changement ; vous avez choisi %1 entre-temps.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>l&apos;application par défaut précédente est inconnue ou n&apos;est plus installée ; rien n&apos;a donc été changé.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>restauration effectuée ; il n&apos;y avait pas d&apos;application par défaut auparavant.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>restauration effectuée : %1 est de nouveau l&apos;application par défaut.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>restauration effectuée, mais l&apos;enregistrement n&apos;a pas pu être mis à jour : %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>L&apos;application de cette règle est introuvable. Choisissez d&apos;abord une application.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>Ajoutez d&apos;abord au moins une extension. Impossible de définir une application par défaut pour un groupe de types.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>impossible tant que Korvane ouvre ces fichiers pour %1 ; désactivez d&apos;abord « Ouvrir les fichiers pour le bureau ».</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>Impossible d&apos;afficher les fichiers : %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n dossier affiché dans %1</numerusform>
            <numerusform>%n dossiers affichés dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n élément affiché dans %1</numerusform>
            <numerusform>%n éléments affichés dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n dossier ouvert dans %1</numerusform>
            <numerusform>%n dossiers ouverts dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>%n application introuvable : %1.</numerusform>
            <numerusform>%n applications introuvables : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n fichier ouvert dans %1</numerusform>
            <numerusform>%n fichiers ouverts dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>%n fichier ouvert dans %1</numerusform>
            <numerusform>%n fichiers ouverts dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n application</numerusform>
            <numerusform>%n applications</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>Ce fichier n&apos;existe plus.</numerusform>
            <numerusform>Ces fichiers n&apos;existent plus.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>%n élément confié à %1 pour ouverture</numerusform>
            <numerusform>%n éléments confiés à %1 pour ouverture</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1 n&apos;a pas pu ouvrir le fichier (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>%n dossier ignoré</numerusform>
            <numerusform>%n dossiers ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n manquant</numerusform>
            <numerusform>%n manquants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n fichier dans %1</numerusform>
            <numerusform>%n fichiers dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n lien ouvert dans %1</numerusform>
            <numerusform>%n liens ouverts dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n lien dans %1</numerusform>
            <numerusform>%n liens dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n lien ne peut pas être affiché dans %1</numerusform>
            <numerusform>%n liens ne peuvent pas être affichés dans %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplainText</name>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation> ; </translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(aucune extension)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>s&apos;applique aussi, mais la règle %1 prend le fichier d&apos;abord</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>s&apos;applique : elle nomme %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>s&apos;applique : le type fait partie de son groupe</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>s&apos;applique : le fichier est dans ses dossiers</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>aucune application</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>le fichier est hors de ses dossiers</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>ne s&apos;applique pas</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>extensions : aucune</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>extensions : %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>type : %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>parents : %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>aussi appelé : %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>type : inconnu</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>règle %1 (%2) : %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>lance : %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>le bureau : l&apos;ouvre via Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>le bureau : l&apos;ouvre via Korvane, selon %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>sans Korvane : aucune application</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>sans Korvane : %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>sans Korvane : %1, selon %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>s&apos;applique : ses liens le nomment (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>ne correspond à rien : elle n&apos;a ni extension ni groupe de types.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>choisissez une application pour cette règle.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 par la règle %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>ne s&apos;applique jamais : des règles précédentes prennent tous ses fichiers (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 n&apos;accepte qu&apos;un fichier à la fois : un dépôt de plusieurs fichiers la lance une fois pour chacun, jamais une seule fois pour tous.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 figure aussi dans la règle %2, qui l&apos;emporte pour cette extension.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>%1 ne peut terminer aucun nom de fichier.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 n&apos;a aucun type enregistré pour %2, donc « Définir par défaut » ne peut pas fonctionner pour cette extension ; l&apos;acheminement, si.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>dans %1, la règle %2 prend d&apos;abord ses fichiers %3.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 ne peut correspondre à aucun lien : un lien file: s&apos;ouvre comme un fichier.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 ne peut correspondre à aucun lien : un lien commence par son schéma, comme https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1 ne correspond à aucun lien tel qu&apos;il est écrit ; écrivez le site seul, comme %2, et il correspondra en http comme en https.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>la règle %1 prend d&apos;abord ses liens %2.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>Exporter les règles</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importer des règles</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 répond au nom d&apos;un autre utilisateur</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>elle ne répond pas</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>elle n&apos;a pas compris la requête</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>d&apos;autres utilisateurs peuvent accéder à %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 est un chemin trop long pour un socket</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>impossible de créer son socket : %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>votre bureau</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>the key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>the key</comment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>zone de notification</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>barre des tâches</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 n&apos;est pas une application installée.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>Impossible de supprimer %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Impossible de créer %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>%1 a été modifié entre-temps ; réessayez.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>l&apos;enregistrement de la modification est incomplet.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>impossible de joindre le bus de messages du bureau : %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>un autre processus répond pour %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n dossier → ouvrir dans %1</numerusform>
            <numerusform>%n dossiers → ouvrir dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n dossier → afficher dans %1</numerusform>
            <numerusform>%n dossiers → afficher dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n dossier ignoré</numerusform>
            <numerusform>%n dossiers ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Afficher au moins %n élément dans %1</numerusform>
            <numerusform>Afficher au moins %n éléments dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Afficher %n élément dans %1</numerusform>
            <numerusform>Afficher %n éléments dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>Ouvrir au moins %n fichier dans son application par défaut</numerusform>
            <numerusform>Ouvrir au moins %n fichiers dans leurs applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>Ouvrir %n fichier dans son application par défaut</numerusform>
            <numerusform>Ouvrir %n fichiers dans leurs applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n fichier → %1</numerusform>
            <numerusform>%n fichiers → %1</numerusform>
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
            <numerusform>%n pour une application manquante</numerusform>
            <numerusform>%n pour une application manquante</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n en attente de choix</numerusform>
            <numerusform>%n en attente de choix</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 et plus</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Ouvrir dans %1</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Afficher dans %1</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>Ignorer</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n lien ne peut pas être affiché</numerusform>
            <numerusform>%n liens ne peuvent pas être affichés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n lien dans son application par défaut</numerusform>
            <numerusform>%n liens dans leurs applications par défaut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n lien → %1</numerusform>
            <numerusform>%n liens → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
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
        <translation>groupe : %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>seulement dans %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>liens : %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Vérifiez sa règle dans Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane n&apos;a pas pu ouvrir un fichier</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>Ce fichier ne contient aucune règle Korvane valide.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>La règle %1 de ce fichier a un nom d&apos;application plus long que tout nom réel ; aucune règle n&apos;a donc été importée.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>La règle %1 de ce fichier a un identifiant d&apos;application plus long que tout identifiant réel ; aucune règle n&apos;a donc été importée.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>La règle %1 de ce fichier a un chemin d&apos;application plus long que tout chemin réel ; aucune règle n&apos;a donc été importée.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>La règle %1 de ce fichier a une extension plus longue que toute extension réelle ; aucune règle n&apos;a donc été importée.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>%n règle exportée</numerusform>
            <numerusform>%n règles exportées</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>Impossible d&apos;enregistrer les règles à cet emplacement : %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>%n règle importée</numerusform>
            <numerusform>%n règles importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>%n règle désignant Korvane lui-même ignorée</numerusform>
            <numerusform>%n règles désignant Korvane lui-même ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>Toutes les règles de ce fichier désignent Korvane lui-même. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>Impossible d&apos;importer les règles. %1</translation>
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
        <translation>Texte</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>Images</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>Archives</translation>
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
        <translation>Korvane ne peut pas ouvrir de fichiers pour ses propres règles</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>Korvane ne peut pas ouvrir de fichiers pour ses propres règles.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>l&apos;application</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Choisir une application</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>Filtrer les applications</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Applications</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>Seulement dans des dossiers</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>La règle ne s&apos;applique qu&apos;aux fichiers situés dans ces dossiers, un par ligne (~ désigne votre dossier personnel). Sans dossier, elle s&apos;applique partout.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>La règle ouvre aussi ces liens, un par ligne : un schéma (mailto:), un site et ses sous-domaines (example.org), ou un modèle où * remplace n&apos;importe quel texte (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>Choisir un &amp;dossier…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>Chaque fichier s&apos;ouvre dans l&apos;application désignée par sa règle</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Déposez des fichiers ici</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Applications par défaut</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>Déposez ici pour ouvrir dans l&apos;application par défaut habituelle</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>Afficher dans %1</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>Déposez ici pour simplement afficher dans %1</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Pourquoi cette application ?</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>Où est allé chaque fichier déposé, et pourquoi</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>Pourquoi cette application ?</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>Où est allé chaque fichier, et pourquoi</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 s&apos;ouvre dans %2</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1 : l&apos;application de sa règle est introuvable</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1 : aucune règle ne correspond</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>%n autre fichier n&apos;est pas expliqué ici.</numerusform>
            <numerusform>%n autres fichiers ne sont pas expliqués ici.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>Votre fichier de règles n&apos;a pas pu être lu ; il a été conservé sous le nom %1 et un nouveau fichier a été créé.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>Vos règles n&apos;ont pas pu être enregistrées. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>Les prochains lancements de Korvane ne pourront pas joindre cette fenêtre : %1. Tant que ce n&apos;est pas corrigé, ouvrir des fichiers avec Korvane peut ouvrir une autre fenêtre, et les commandes qui modifient vos règles ou vos applications par défaut refuseront de s&apos;exécuter.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>Vos dernières modifications des règles n&apos;ont pas pu être enregistrées.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>Déposez sur « Applications par défaut » pour ouvrir dans l&apos;application par défaut habituelle · sur « Afficher dans %1 » pour simplement afficher dans %1</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>Maintenez %1 en déposant pour ouvrir dans l&apos;application par défaut habituelle · Maintenez %2 pour simplement afficher dans %3</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Quitter Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>Corrigez la règle ci-dessous.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Applications par défaut</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>Choisir une autre application…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Aucune règle ne correspond à ce fichier. Quelle application doit l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 n&apos;a proposé aucune application pour ce fichier.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>Toujours utiliser cette application (le fichier n&apos;a pas d&apos;extension)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>Applications suggérées</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>Toujours utiliser cette application pour %1</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Aucune règle ne correspond à ce lien. Quelle application doit l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 n&apos;a proposé aucune application pour ce lien.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>les liens %1</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>Toujours utiliser cette application pour %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>Toujours utiliser cette application (le lien ne nomme aucun site)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Supprimer la règle %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>Règle %1 supprimée</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>Déplacer la règle %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>Règle %1 déplacée</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>Activer la règle %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>Désactiver la règle %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>Modifier la règle %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Importer %n règle</numerusform>
            <numerusform>Importer %n règles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>Définir par défaut</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Glisser pour réordonner</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>Extensions, p. ex. md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>Supprimer la règle</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>aucune application</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>Correspond aussi au groupe de types : %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>Ajouter un groupe de types…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>Aucune application choisie</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>Application introuvable</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 n&apos;a aucun type de fichier enregistré pour ces extensions ; aucune application par défaut ne peut donc leur être attribuée.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>Aucun groupe de types</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Autre…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>%1 s&apos;ouvre actuellement dans %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>règle %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>règle %1 : %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>Règle %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Règle %1 : %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Supprimer la règle %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>Supprimer la règle %1 : %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>Effacer les extensions</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>Groupe de types</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Déplacer vers le haut</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Déplacer vers le bas</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>Seulement dans %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>Seulement dans des dossiers…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>Liens : %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>Liens…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>Aucune règle pour l&apos;instant</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>Ajoutez une règle, ou déposez un fichier et choisissez une application.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>Afficher dans la %1</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>Ce bureau n&apos;a pas de %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>Conserver l&apos;icône de la %1</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Paramètres de Korvane</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>L&apos;icône de la %1 reste visible quand l&apos;icône de la %2 est masquée, pour que l&apos;application reste toujours accessible.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>Dossiers déposés</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>Impossible de modifier « Lancer à la connexion » : %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>Ouvrir les fichiers pour le bureau</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>Les doubles-clics dans %1 et dans les autres applications suivent aussi vos règles. Une fois l&apos;option désactivée, chaque application par défaut remplacée par Korvane est restaurée.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>Prise en charge des types désignés par vos règles…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Restauration des applications par défaut remplacées par Korvane…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 n&apos;a aucune entrée pour le service d&apos;ouverture de Korvane ; rien n&apos;a donc été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane ouvre %n type de fichier pour %1.</numerusform>
            <numerusform>Korvane ouvre %n types de fichiers pour %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Ouvrir aussi les liens web et de messagerie</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>Les liens suivent aussi vos règles ; un lien qu&apos;aucune règle ne désigne s&apos;ouvre dans le navigateur que Korvane a remplacé.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Korvane ouvre désormais les fichiers pour %1 ; aucune règle activée ne désigne encore de type de fichier.</translation>
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
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer les récents</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Quitter Korvane</translation>
    </message>
</context>
</TS>
