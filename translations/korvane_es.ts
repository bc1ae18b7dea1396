<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ocupa más de %2 MiB.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 ocuparía más de %2 MiB, más de lo que Korvane vuelve a leer.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 es un enlace a %2, que no existe.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>Otra instancia de Korvane está modificando %1; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>No se pudo bloquear %1 para escribir (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>Compruebe la regla correspondiente con «korvane rules».</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>no se puede leer la carpeta actual, así que no se pueden encontrar los archivos</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: la ruta es demasiado larga para pasarla a una aplicación</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>no se pudo guardar la regla. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Ninguna regla coincide con este archivo. ¿Qué aplicación debería abrirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 no sugirió ninguna aplicación para este archivo.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>Número (vacío para omitir): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>Elija un número del 1 al %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>¿Usar siempre esta aplicación para .%1? [S/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>Aún no hay reglas.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(sin extensiones)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>sin aplicación</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>aplicación: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>aplicación: %1 (no encontrada)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regla %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>No hay avisos en %n regla.</numerusform>
            <numerusform>No hay avisos en %n reglas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 en %n regla.</numerusform>
            <numerusform>%1 en %n reglas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>no existe la regla %1 (hay %n regla)</numerusform>
            <numerusform>no existe la regla %1 (hay %n reglas)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>la regla %1 no tiene registrada ninguna aplicación predeterminada reemplazada, así que no hay nada que restaurar</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>se hizo todo lo solicitado</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>algo falló o se rechazó (un archivo o una aplicación que falta, un inicio o una escritura que falló, una aplicación predeterminada que no cambió)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>el comando se usó de forma incorrecta</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>envía los archivos a las aplicaciones que indican sus reglas</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>SINOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>DESCRIPCIÓN</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>Sin un comando, Korvane abre su ventana; con archivos, se los pasa a la
ventana como si se soltaran todos juntos, y la inicia si no está en marcha.
Cada archivo se abre con la aplicación que indican sus reglas para él; por
un archivo que ninguna regla reclama se pregunta en la ventana.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>COMANDOS</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>Muestra la ayuda (también después de un comando).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>ESTADO DE SALIDA</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>ARCHIVOS</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>Las reglas.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Las aplicaciones predeterminadas que Korvane reemplazó, para restaurarlas.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>Las preferencias.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>VÉASE TAMBIÉN</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>Envía los archivos a las aplicaciones que indican sus reglas. Sin un
comando, abre la ventana y le pasa los archivos como si se soltaran juntos.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>mostrar esta ayuda (también después de un comando)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Estado de salida:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconocido «%1»</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>la ventana de Korvane está en ejecución; haga este cambio allí o ciérrela primero</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>no se puede contactar con la ventana de Korvane: %1. No se cambió nada, ya que puede estar usando estos archivos.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>hacer que la aplicación de la regla N sea la predeterminada, o restaurar lo que reemplazó</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>Hace que la aplicación de la regla N (según la numera «korvane rules»)
sea la predeterminada para cada una de sus extensiones, o restaura las
aplicaciones predeterminadas que reemplazó.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default acepta «set N» o «restore N»</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>abrir los archivos como si se soltaran juntos</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>Abre los archivos como si se soltaran juntos: cada uno con la aplicación
que indican sus reglas, los de una misma aplicación en un solo inicio. Por
un archivo que ninguna regla reclama se pregunta aquí: escriba el número
de una aplicación, o nada para omitirlo.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>En su lugar, muestra los archivos en el gestor de archivos.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>Los abre con sus aplicaciones predeterminadas habituales.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>un archivo que abrir</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open necesita al menos un FILE</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>Se pasó %n archivo a la ventana de Korvane.</numerusform>
            <numerusform>Se pasaron %n archivos a la ventana de Korvane.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>la ventana de Korvane no indicó qué ocurrió con los archivos soltados</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>no se puede contactar con la ventana de Korvane: %1; se abren aquí.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>mostrar dónde se abriría cada archivo</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>Muestra con qué aplicación se abriría cada archivo, según sus reglas,
sin abrir, registrar ni cambiar nada.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>un archivo que consultar</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route necesita al menos un FILE</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 Se envían los archivos sin reglas.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>no se encontró %1</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>ninguna regla coincide</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>listar o comprobar las reglas, importarlas de FILE o exportarlas a FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>Lista las reglas, numeradas en orden de aplicación; o las comprueba con
este escritorio, una línea por aviso, y sale con 1 si hay alguno; o añade
las reglas de FILE al final de la lista; o escribe cada regla en FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>uso desconocido de rules: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>no se puede contactar con la ventana de Korvane: %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>no se puede contactar con la ventana de Korvane: %1. Esta instancia funciona por su cuenta; los inicios posteriores no pueden contactar con ella.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>Korvane fue iniciado por Korvane para abrir estos archivos, así que no vuelve a enviarlos. Compruebe la regla cuya aplicación ejecuta Korvane.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>no se puede iniciar la ventana de Korvane: %1: %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>Explicar: las terminaciones y el tipo considerados, el papel de cada regla, la orden que se ejecutaría y la elección propia del escritorio.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane no abre archivos para %1.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 no tiene ninguna entrada para el servicio de apertura de Korvane, así que no se cambió nada</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>No se pudo registrar el servicio de apertura de Korvane en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane abre ahora %n tipo de archivo para %1.</numerusform>
            <numerusform>Korvane abre ahora %n tipos de archivo para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane abre ahora archivos para %1; todavía ninguna regla activada indica un tipo de archivo.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane ya no abre archivos para %1; se devolvió %n tipo de archivo.</numerusform>
            <numerusform>Korvane ya no abre archivos para %1; se devolvieron %n tipos de archivo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>No se pudo devolver %n tipo de archivo; «korvane opener off» lo vuelve a intentar.</numerusform>
            <numerusform>No se pudieron devolver %n tipos de archivo; «korvane opener off» lo vuelve a intentar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane abre archivos para %1: activado</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane abre archivos para %1: desactivado</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>antes sin aplicación</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>en lugar de %1 (ya no está instalada)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>en lugar de %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1, según %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>Los abre para el escritorio, como su servicio de apertura: sin ventana; un archivo que ninguna regla reclama se abre con la aplicación que Korvane reemplazó.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal, --with-defaults y --for-desktop se excluyen mutuamente</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>abrir archivos para el escritorio según las reglas, o dejar de hacerlo</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>no se puede iniciar la ventana de Korvane: %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>«on» hace que Korvane sea la aplicación predeterminada del escritorio para
cada tipo de archivo que indica una regla activada, para que también los
dobles clics sigan las reglas; mientras está activo, los tipos siguen las
reglas. «off» restaura cada aplicación predeterminada que reemplazó, salvo
las que usted haya cambiado después. «status» lista cada tipo con la
aplicación que Korvane reemplazó. «serve» responde a las peticiones del
escritorio a través de su bus de mensajes; es el bus quien lo inicia.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener acepta «on», «off», «status» o «serve»</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Ninguna regla coincide con este enlace. ¿Qué aplicación debería abrirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 no sugirió ninguna aplicación para este enlace.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>¿Usar siempre esta aplicación para los enlaces %1? [S/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>¿Usar siempre esta aplicación para %1? [S/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>no hay ningún navegador web que iniciar</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>También abre enlaces para %1: %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane abre enlaces para %1: activado</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane abre enlaces para %1: desactivado</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>Con «on»: también los enlaces web y de correo (http, https y cada esquema que nombran los enlaces de una regla); un enlace que ninguna regla reclama se abre con el navegador que Korvane reemplazó.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links solo se puede usar con «opener on»</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Ya no abre enlaces para %1; se devolvió: %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 no es un registro que Korvane pueda leer, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>No se pudo crear %1.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 no es un archivo de reglas.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 no se puede leer como reglas y no se pudo apartar, así que se dejó como estaba.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>no se restauró. %1 no aceptó la nueva aplicación predeterminada.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>no se cambió. %1 no aceptó la nueva aplicación predeterminada.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>no se restauró. %1 sigue abriendo estos archivos.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>no se cambió. %1 sigue abriendo estos archivos.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>no se restauró. %1 sigue abriendo estos archivos, según se establece en %2.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>no se cambió. %1 sigue abriendo estos archivos, según se establece en %2.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>no es posible. %1 no tiene ningún tipo de archivo registrado para esta extensión.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 ya es la aplicación predeterminada.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>no es posible. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>hecho. %1 es ahora la aplicación predeterminada.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>nada que restaurar.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>no es posible restaurar.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>nada que restaurar; el cambio se interrumpió antes de hacerse.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>se dejó como estaba; su aplicación predeterminada se eliminó después.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>se dejó como estaba; usted la cambió después a %1.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>la aplicación predeterminada anterior es desconocida o ya no está instalada, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>se restauró; antes no tenía aplicación predeterminada.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>se restauró %1.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>se restauró, pero no se pudo actualizar el registro: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>No se encontró la aplicación de esta regla. Elija primero una aplicación.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>Añada primero al menos una extensión. No se pueden establecer aplicaciones predeterminadas para grupos de tipos.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>no es posible mientras Korvane abra estos archivos para %1; desactive primero «Abrir archivos para el escritorio».</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>No se pudieron mostrar los archivos: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n carpeta mostrada en %1</numerusform>
            <numerusform>%n carpetas mostradas en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n elemento mostrado en %1</numerusform>
            <numerusform>%n elementos mostrados en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n carpeta abierta en %1</numerusform>
            <numerusform>%n carpetas abiertas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>No se encontró %n aplicación: %1.</numerusform>
            <numerusform>No se encontraron %n aplicaciones: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n archivo abierto con %1</numerusform>
            <numerusform>%n archivos abiertos con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>%n archivo abierto en %1</numerusform>
            <numerusform>%n archivos abiertos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n aplicación</numerusform>
            <numerusform>%n aplicaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>Ese archivo ya no existe.</numerusform>
            <numerusform>Esos archivos ya no existen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Se pidió a %1 que abriera %n elemento</numerusform>
            <numerusform>Se pidió a %1 que abriera %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1 no pudo abrir el archivo (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>%n carpeta ignorada</numerusform>
            <numerusform>%n carpetas ignoradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>falta %n</numerusform>
            <numerusform>faltan %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n archivo con %1</numerusform>
            <numerusform>%n archivos con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n enlace abierto con %1</numerusform>
            <numerusform>%n enlaces abiertos con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n enlace con %1</numerusform>
            <numerusform>%n enlaces con %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n enlace no se puede mostrar en %1</numerusform>
            <numerusform>%n enlaces no se pueden mostrar en %1</numerusform>
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
        <translation>(sin extensiones)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>también se aplica, pero la regla %1 toma el archivo antes</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>se aplica: nombra %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>se aplica: el tipo está en su grupo</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>se aplica: el archivo está en sus carpetas</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>sin aplicación</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>el archivo está fuera de sus carpetas</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>no se aplica</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>terminaciones: ninguna</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>terminaciones: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>tipo: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>padres: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>también llamado: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>tipo: desconocido</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>regla %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>ejecuta: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>el escritorio: lo abre mediante Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>el escritorio: lo abre mediante Korvane, según %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>sin Korvane: ninguna aplicación</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>sin Korvane: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>sin Korvane: %1, según %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>se aplica: sus enlaces lo nombran (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>no coincide con nada: no tiene extensiones ni grupo de tipos.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>elija una aplicación para esta regla.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 por la regla %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>nunca se aplica: las reglas anteriores se quedan con todos sus archivos (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>no se encontró %1.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 acepta un solo archivo a la vez: al soltar varios archivos se inicia una vez por cada uno, nunca una sola vez para todos.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 también está en la regla %2, que tiene prioridad para ella.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>ningún nombre de archivo puede terminar en %1.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 no tiene ningún tipo de archivo registrado para %2, así que «Establecer como predeterminada» no funciona para ella; el envío de archivos sigue funcionando.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>dentro de %1, la regla %2 se queda antes con sus archivos %3.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 no puede coincidir con ningún enlace: un enlace file: se abre como archivo.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 no puede coincidir con ningún enlace: un enlace empieza por su esquema, como https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1 no coincide con ningún enlace tal como está escrito; escriba solo el sitio, como %2, y coincidirá por http y https.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>la regla %1 se queda antes con sus enlaces %2.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>Exportar reglas</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importar reglas</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 responde como otro usuario</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>no entendió la solicitud</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>otros usuarios pueden entrar en %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>no se pudo crear %1: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 es una ruta demasiado larga para un socket</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>no se pudo crear su socket: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>su escritorio</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>el gestor de archivos</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>the key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>the key</comment>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>bandeja del sistema</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>barra de tareas</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 no es una aplicación instalada.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>No se pudo eliminar %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>No se pudo crear %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>%1 cambió mientras tanto; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>el registro del cambio está incompleto.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 ya no existe.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>no se puede contactar con el bus de mensajes del escritorio: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>otro proceso responde por %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n carpeta → abrir en %1</numerusform>
            <numerusform>%n carpetas → abrir en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n carpeta → mostrar en %1</numerusform>
            <numerusform>%n carpetas → mostrar en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n carpeta ignorada</numerusform>
            <numerusform>%n carpetas ignoradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Mostrar %n elemento y más en %1</numerusform>
            <numerusform>Mostrar %n elementos y más en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Mostrar %n elemento en %1</numerusform>
            <numerusform>Mostrar %n elementos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>Abrir %n archivo y más con sus aplicaciones predeterminadas</numerusform>
            <numerusform>Abrir %n archivos y más con sus aplicaciones predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>Abrir %n archivo con su aplicación predeterminada</numerusform>
            <numerusform>Abrir %n archivos con sus aplicaciones predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n archivo → %1</numerusform>
            <numerusform>%n archivos → %1</numerusform>
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
            <numerusform>%n para una aplicación que falta</numerusform>
            <numerusform>%n para una aplicación que falta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>se preguntará por %n</numerusform>
            <numerusform>se preguntará por %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 y más</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Abrir en %1</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Mostrar en %1</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>Ignorar</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n enlace no se puede mostrar</numerusform>
            <numerusform>%n enlaces no se pueden mostrar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n enlace con su aplicación predeterminada</numerusform>
            <numerusform>%n enlaces con sus aplicaciones predeterminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n enlace → %1</numerusform>
            <numerusform>%n enlaces → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
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
        <translation>grupo: %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>solo en %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>enlaces: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Compruebe la regla correspondiente en Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane no pudo abrir un archivo</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>Ese archivo no contiene ninguna regla válida de Korvane.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>La regla %1 de ese archivo tiene un nombre de aplicación más largo que cualquier nombre real, así que no se importó ninguna regla.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>La regla %1 de ese archivo tiene un ID de aplicación más largo que cualquier ID real, así que no se importó ninguna regla.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>La regla %1 de ese archivo tiene una ruta de aplicación más larga que cualquier ruta real, así que no se importó ninguna regla.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>La regla %1 de ese archivo tiene una extensión más larga que cualquier extensión real, así que no se importó ninguna regla.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>%n regla exportada</numerusform>
            <numerusform>%n reglas exportadas</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>No se pudieron guardar las reglas ahí: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>%n regla importada</numerusform>
            <numerusform>%n reglas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>Se omitió %n regla cuya aplicación es el propio Korvane</numerusform>
            <numerusform>Se omitieron %n reglas cuya aplicación es el propio Korvane</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>En todas las reglas de ese archivo la aplicación es el propio Korvane. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>No se pudieron importar las reglas. %1</translation>
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
        <translation>Texto</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>Archivos comprimidos</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>Código</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>Korvane no puede ser la aplicación de sus propias reglas</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>Korvane no puede ser la aplicación de sus propias reglas.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>la aplicación</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Elegir una aplicación</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>Filtrar aplicaciones</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicaciones</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>Solo en carpetas</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>La regla solo se aplica a los archivos que están dentro de estas carpetas, una por línea (~ es su carpeta personal). Si no hay ninguna, se aplica en todas partes.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>La regla también abre estos enlaces, uno por línea: un esquema (mailto:), un sitio y sus subdominios (example.org) o un patrón en el que * representa cualquier texto (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>&amp;Elegir carpeta…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>Cada archivo se abre con la aplicación que indica su regla</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Suelte los archivos aquí</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Aplicaciones predeterminadas</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>Suelte aquí para abrir con la aplicación predeterminada habitual</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>el gestor de archivos</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>Mostrar en %1</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>Suelte aquí para solo mostrar en %1</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>¿Por qué esta aplicación?</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>Adónde fue cada archivo soltado y por qué</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>¿Por qué esta aplicación?</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>Adónde fue cada archivo y por qué</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 se abre con %2</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: no se encontró la aplicación de su regla</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: ninguna regla coincide</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>%n archivo más no se explica aquí.</numerusform>
            <numerusform>%n archivos más no se explican aquí.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>No se pudo leer su archivo de reglas, así que se guardó como %1 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>No se pudieron guardar sus reglas. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>Los inicios posteriores de Korvane no pueden contactar con esta ventana: %1. Hasta que se solucione, abrir archivos con Korvane puede iniciar otra ventana, y los comandos que cambian sus reglas o aplicaciones predeterminadas se negarán a ejecutarse.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>No se pudieron guardar sus últimos cambios en las reglas.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>Suelte en «Aplicaciones predeterminadas» para abrir con la aplicación predeterminada habitual · en «Mostrar en %1» para solo mostrar en %1</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>Mantenga pulsada la tecla %1 al soltar para abrir con la aplicación predeterminada habitual · Mantenga pulsada %2 para solo mostrar en %3</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Salir de Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>Corrija la regla de abajo.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Aplicaciones predeterminadas</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>Elegir otra aplicación…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Abrir con</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Ninguna regla coincide con este archivo. ¿Qué aplicación debería abrirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 no sugirió ninguna aplicación para este archivo.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>Usar siempre esta aplicación (el archivo no tiene extensión)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>Aplicaciones sugeridas</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>Usar siempre esta aplicación para %1</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Ninguna regla coincide con este enlace. ¿Qué aplicación debería abrirlo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 no sugirió ninguna aplicación para este enlace.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>enlaces %1</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>Usar siempre esta aplicación para %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>Usar siempre esta aplicación (el enlace no indica ningún sitio)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Eliminar la regla %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>Regla %1 eliminada</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>Mover la regla %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>Regla %1 movida</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>Activar la regla %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>Desactivar la regla %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>Editar la regla %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Importar %n regla</numerusform>
            <numerusform>Importar %n reglas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>Establecer como predeterminada</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Arrastre para reordenar</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>Extensiones, p. ej. md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>Eliminar regla</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>ninguna aplicación</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>También coincide con el grupo de tipos: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>Añadir grupo de tipos…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>No se eligió ninguna aplicación</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>No se encontró la aplicación</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 no tiene ningún tipo de archivo registrado para estas extensiones, así que no puede tener una aplicación predeterminada para ellas.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>Sin grupo de tipos</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Otro…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>Los archivos %1 se abren actualmente con %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>regla %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>regla %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>Regla %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regla %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Eliminar la regla %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>Eliminar la regla %1: %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensiones</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>Limpiar extensiones</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>Grupo de tipos</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>Solo en %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>Solo en carpetas…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>Enlaces: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>Enlaces…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>Aún no hay reglas</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>Añada una regla, o suelte un archivo y elija una aplicación.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>Ejecutar al iniciar la sesión</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>Mostrar en la %1</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>Este escritorio no tiene %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>Mantener el icono de la %1</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Preferencias de Korvane</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>El icono de la %1 permanece visible cuando el icono de la %2 está oculto, para que la aplicación siempre esté accesible.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>Carpetas soltadas</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>No se pudo cambiar «Ejecutar al iniciar la sesión»: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>Abrir archivos para el escritorio</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>Los dobles clics en %1 y en otras aplicaciones también siguen sus reglas. Al desactivarlo, se restauran todas las aplicaciones predeterminadas que Korvane reemplazó.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>Asumiendo los tipos que indican sus reglas…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Restaurando las aplicaciones predeterminadas que Korvane reemplazó…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 no tiene ninguna entrada para el servicio de apertura de Korvane, así que no se cambió nada.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane abre %n tipo de archivo para %1.</numerusform>
            <numerusform>Korvane abre %n tipos de archivo para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Abrir también enlaces web y de correo</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>Los enlaces también siguen sus reglas; un enlace que ninguna regla indica se abre con el navegador que Korvane reemplazó.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Korvane abre ahora archivos para %1; todavía ninguna regla activada indica un tipo de archivo.</translation>
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
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpiar recientes</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Salir de Korvane</translation>
    </message>
</context>
</TS>
