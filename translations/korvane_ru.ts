<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 больше %2 МиБ.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>Размер %1 превысил бы %2 МиБ — больше, чем Korvane может прочитать.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 — ссылка на %2, но такого пути не существует.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>%1 изменяется другим экземпляром Korvane; повторите попытку.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>Не удалось заблокировать %1 для записи (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>Проверьте соответствующее правило командой «korvane rules».</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>не удаётся прочитать текущую папку, поэтому невозможно найти файлы</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: путь слишком длинный для передачи приложению</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>не удалось сохранить правило. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Для этого файла нет подходящего правила. В каком приложении его открыть?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 не предлагает приложений для этого файла.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>Номер (пусто — пропустить): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>Выберите номер от 1 до %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>Всегда использовать это приложение для .%1? [Д/н] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>д</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>Правил пока нет.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(без расширений)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>без приложения</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>приложение: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>приложение: %1 (не найдено)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>включено</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>выключено</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Правило %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>В %n правиле замечаний нет.</numerusform>
            <numerusform>В %n правилах замечаний нет.</numerusform>
            <numerusform>В %n правилах замечаний нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 в %n правиле.</numerusform>
            <numerusform>%1 в %n правилах.</numerusform>
            <numerusform>%1 в %n правилах.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n замечание</numerusform>
            <numerusform>%n замечания</numerusform>
            <numerusform>%n замечаний</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>правила %1 нет (всего %n правило)</numerusform>
            <numerusform>правила %1 нет (всего %n правила)</numerusform>
            <numerusform>правила %1 нет (всего %n правил)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>для правила %1 нет записей о заменённых приложениях по умолчанию, поэтому восстанавливать нечего</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>всё запрошенное выполнено</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>что-то не удалось или было отклонено (нет файла или приложения, не удались запуск или запись, не изменилось приложение по умолчанию)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>команда использована неправильно</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>ИМЯ</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>направляет файлы в приложения, заданные вашими правилами</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>СИНТАКСИС</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>ОПИСАНИЕ</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>Без команды Korvane открывает своё окно; с файлами — передаёт их окну
как одно перетаскивание, запуская окно, если оно не открыто. Каждый файл
открывается в приложении, заданном для него вашими правилами; о файле,
для которого нет правила, спрашивается в окне.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>КОМАНДЫ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>ПАРАМЕТРЫ</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>Показать справку (также после команды).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>КОД ВЫХОДА</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>ФАЙЛЫ</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>Правила.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Приложения по умолчанию, заменённые Korvane, — для их восстановления.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>Настройки.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>СМОТРИТЕ ТАКЖЕ</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>Направляет файлы в приложения, заданные вашими правилами. Без
команды открывает окно и передаёт ему файлы как одно перетаскивание.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>показать эту справку (также после команды)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>показать версию</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Код выхода:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>окно Korvane открыто; внесите это изменение там или сначала закройте его</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>не удаётся связаться с окном Korvane: %1. Ничего не изменено, так как окно может использовать эти файлы.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>сделать приложение правила N приложением по умолчанию или вернуть то, что оно заменило</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>Делает приложение правила N (по нумерации «korvane rules») приложением
по умолчанию для каждого из его расширений или возвращает заменённые им
приложения по умолчанию.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default принимает «set N» или «restore N»</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>открыть файлы как одно перетаскивание</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>Открывает файлы как одно перетаскивание: каждый — в приложении, заданном
вашими правилами, файлы одного приложения — за один запуск. О файле, для
которого нет правила, спрашивается здесь: введите номер приложения или
ничего не вводите, чтобы пропустить файл.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>Вместо этого показать файлы в файловом менеджере.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>Открыть их в обычных приложениях по умолчанию.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>файл для открытия</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>для open нужен хотя бы один FILE</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>Окну Korvane передан %n файл.</numerusform>
            <numerusform>Окну Korvane передано %n файла.</numerusform>
            <numerusform>Окну Korvane передано %n файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>окно Korvane не сообщило, чем закончилось перетаскивание</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>не удаётся связаться с окном Korvane: %1; файлы открываются здесь.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>показать, где откроется каждый файл</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>Показывает, в каком приложении по вашим правилам откроется каждый файл,
ничего не открывая, не записывая и не изменяя.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>файл для распределения</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>для route нужен хотя бы один FILE</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 Распределение без правил.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>приложение %1 не найдено</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>нет подходящего правила</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>вывести или проверить правила, импортировать их из FILE или экспортировать в FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>Выводит правила, пронумерованные в порядке применения; или проверяет их
в этом окружении рабочего стола, по строке на замечание, и завершается
с кодом 1, если замечания есть; или добавляет правила из FILE в конец
списка; или записывает все правила в FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>неизвестный вариант rules: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>не удаётся связаться с окном Korvane: %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>оно не отвечает</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>не удаётся связаться с окном Korvane: %1. Это окно работает само по себе; последующие запуски не смогут с ним связаться.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>Korvane запущен самим Korvane для открытия этих файлов, поэтому не передаёт их дальше. Проверьте правило, приложение которого запускает Korvane.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>не удаётся запустить окно Korvane: %1: %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>Объяснить: учтённые окончания и тип, роль каждого правила, команду, которая была бы запущена, и собственный выбор рабочего стола.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Сейчас %1 не открывает файлы через Korvane.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 не содержит записи об обработчике файлов Korvane, поэтому ничего не изменено</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>%1 не принимает обработчик файлов Korvane: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Теперь %1 открывает через Korvane %n тип файлов.</numerusform>
            <numerusform>Теперь %1 открывает через Korvane %n типа файлов.</numerusform>
            <numerusform>Теперь %1 открывает через Korvane %n типов файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Теперь %1 открывает файлы через Korvane; ни одно включённое правило пока не указывает тип файлов.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Теперь %1 открывает файлы без Korvane; возвращён %n тип файлов.</numerusform>
            <numerusform>Теперь %1 открывает файлы без Korvane; возвращены %n типа файлов.</numerusform>
            <numerusform>Теперь %1 открывает файлы без Korvane; возвращено %n типов файлов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>Не удалось вернуть %n тип файлов; команда «korvane opener off» повторит попытку.</numerusform>
            <numerusform>Не удалось вернуть %n типа файлов; команда «korvane opener off» повторит попытку.</numerusform>
            <numerusform>Не удалось вернуть %n типов файлов; команда «korvane opener off» повторит попытку.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>%1 открывает файлы через Korvane: включено</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>%1 открывает файлы через Korvane: выключено</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>ранее: без приложения</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>ранее: %1 (больше не установлено)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>ранее: %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1, согласно %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>Открыть их по запросу окружения рабочего стола как его обработчик файлов: без окна; файл, для которого нет правила, откроется в приложении, которое заменил Korvane.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal, --with-defaults и --for-desktop нельзя использовать вместе</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>открывать файлы по запросу окружения рабочего стола согласно правилам или прекратить</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>не удаётся запустить окно Korvane: %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>«on» делает Korvane приложением по умолчанию рабочего стола для каждого типа
файлов, указанного во включённом правиле, чтобы и двойные щелчки следовали
правилам; пока режим включён, набор типов следует за правилами. «off» возвращает
все заменённые приложения по умолчанию, кроме тех, что вы с тех пор изменили.
«status» выводит каждый тип с приложением, которое заменил Korvane.
«serve» отвечает на запросы рабочего стола через его шину сообщений; эту команду запускает сама шина.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener принимает «on», «off», «status» или «serve»</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Для этой ссылки нет подходящего правила. В каком приложении её открыть?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 не предлагает приложений для этой ссылки.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>Всегда использовать это приложение для ссылок %1? [Д/н] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>Всегда использовать это приложение для %1? [Д/н] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>нет веб-браузера, который можно запустить</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Также %1 открывает через Korvane ссылки: %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>%1 открывает ссылки через Korvane: включено</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>%1 открывает ссылки через Korvane: выключено</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>Вместе с «on»: также веб- и почтовые ссылки (http, https и каждая схема, указанная в ссылках правил); ссылка, для которой нет правила, откроется в браузере, который заменил Korvane.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links используется только с «opener on»</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Теперь %1 открывает ссылки без Korvane; возвращены: %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 не является записью, которую может прочитать Korvane, поэтому файл оставлен как есть.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Не удалось создать %1.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 не является файлом правил.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>Не удаётся прочитать %1 как файл правил и не удалось отложить его в сторону, поэтому файл оставлен как есть.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>не восстановлено. %1 не принимает новое приложение по умолчанию.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>не изменено. %1 не принимает новое приложение по умолчанию.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>не восстановлено. Эти файлы по-прежнему открывает %1.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>не изменено. Эти файлы по-прежнему открывает %1.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>не восстановлено. Эти файлы по-прежнему открывает %1, как задано в %2.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>не изменено. Эти файлы по-прежнему открывает %1, как задано в %2.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>невозможно. %1 не имеет зарегистрированного типа файлов для этого расширения.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 уже используется по умолчанию.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>невозможно. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>готово. Теперь по умолчанию используется %1.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>нечего восстанавливать.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>восстановить невозможно.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>нечего восстанавливать: изменение было прервано до того, как его внесли.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>оставлено как есть: с тех пор его приложение по умолчанию было удалено.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>оставлено как есть: с тех пор вы заменили его на %1.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>прежнее приложение по умолчанию неизвестно или больше не установлено, поэтому оставлено как есть.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>восстановлено: раньше приложения по умолчанию не было.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>восстановлено: %1.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>восстановлено, но не удалось обновить запись: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>Приложение для этого правила не найдено. Сначала выберите приложение.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>Сначала добавьте хотя бы одно расширение. Группы типов нельзя назначить по умолчанию.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>невозможно, пока Korvane открывает эти файлы вместо %1; сначала выключите «Открывать файлы по запросу окружения рабочего стола».</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>Не удалось показать файлы: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Показана %n папка в %1</numerusform>
            <numerusform>Показаны %n папки в %1</numerusform>
            <numerusform>Показано %n папок в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Показан %n объект в %1</numerusform>
            <numerusform>Показаны %n объекта в %1</numerusform>
            <numerusform>Показано %n объектов в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Открыта %n папка в %1</numerusform>
            <numerusform>Открыты %n папки в %1</numerusform>
            <numerusform>Открыто %n папок в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>Приложение %1 не найдено.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>Не найдено %n приложение: %1.</numerusform>
            <numerusform>Не найдено %n приложения: %1.</numerusform>
            <numerusform>Не найдено %n приложений: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1: открыт %n файл</numerusform>
            <numerusform>%1: открыто %n файла</numerusform>
            <numerusform>%1: открыто %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>Открыт %n файл в %1</numerusform>
            <numerusform>Открыто %n файла в %1</numerusform>
            <numerusform>Открыто %n файлов в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n приложении</numerusform>
            <numerusform>%n приложениях</numerusform>
            <numerusform>%n приложениях</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>Этого файла больше нет.</numerusform>
            <numerusform>Этих файлов больше нет.</numerusform>
            <numerusform>Этих файлов больше нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>%1: запрошено открытие %n объекта</numerusform>
            <numerusform>%1: запрошено открытие %n объектов</numerusform>
            <numerusform>%1: запрошено открытие %n объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1: не удалось открыть файл (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>Пропущена %n папка</numerusform>
            <numerusform>Пропущены %n папки</numerusform>
            <numerusform>Пропущено %n папок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n отсутствует</numerusform>
            <numerusform>%n отсутствуют</numerusform>
            <numerusform>%n отсутствуют</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1: %n файл</numerusform>
            <numerusform>%1: %n файла</numerusform>
            <numerusform>%1: %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1: открыта %n ссылка</numerusform>
            <numerusform>%1: открыты %n ссылки</numerusform>
            <numerusform>%1: открыто %n ссылок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1: %n ссылка</numerusform>
            <numerusform>%1: %n ссылки</numerusform>
            <numerusform>%1: %n ссылок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n ссылку нельзя показать в %1</numerusform>
            <numerusform>%n ссылки нельзя показать в %1</numerusform>
            <numerusform>%n ссылок нельзя показать в %1</numerusform>
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
        <translation>(без расширений)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>тоже подходит, но файл раньше забирает правило %1</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>подходит: в нём указано %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>подходит: тип входит в его группу</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>подходит: файл лежит в его папках</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>выключено</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>приложение не задано</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>файл вне его папок</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>не подходит</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>окончания: нет</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>окончания: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>тип: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>родительские: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>также: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>тип: неизвестен</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>правило %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>запускает: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>рабочий стол: открывает его через Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>рабочий стол: открывает его через Korvane, согласно %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>без Korvane: нет приложения</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>без Korvane: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>без Korvane: %1, согласно %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>подходит: его называют ссылки правила (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>ничему не соответствует: в нём нет ни расширений, ни группы типов.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>выберите приложение для этого правила.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 — правило %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>никогда не применяется: все его файлы забирают правила выше (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>приложение %1 не найдено.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 принимает только по одному файлу: при перетаскивании нескольких файлов приложение запускается для каждого отдельно, а не один раз для всех.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 входит также в правило %2, которое для него имеет приоритет.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>ни одно имя файла не может оканчиваться на %1.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 не имеет зарегистрированного типа файлов для %2, поэтому «Сделать по умолчанию» для него не сработает; распределение файлов по-прежнему работает.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>папка %1 не существует.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>внутри %1 его файлы %3 раньше забирает правило %2.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 не может соответствовать ни одной ссылке: ссылка вида file: открывается как файл.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 не может соответствовать ни одной ссылке: ссылка начинается со схемы, например https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1 в таком виде не соответствует ни одной ссылке; укажите только сайт, то есть %2, и он будет соответствовать ссылкам по http и https.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>его ссылки %2 раньше забирает правило %1.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>Экспорт правил</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Файлы JSON (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Импорт правил</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 отвечает от имени другого пользователя</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>оно не отвечает</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>оно не поняло запрос</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 — символическая ссылка</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не папка</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>у других пользователей есть доступ к %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>не удалось создать %1: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 — слишком длинный путь для сокета</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>не удалось создать его сокет: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>ваше окружение рабочего стола</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>файловом менеджере</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>the key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>the key</comment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>system tray</source>
        <translation>области уведомлений</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>панели задач</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 не является установленным приложением.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>Не удалось удалить %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Не удалось создать %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>Файл %1 тем временем изменился; повторите попытку.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>запись об изменении неполна.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 больше не существует.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>не удаётся подключиться к шине сообщений рабочего стола: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>%1 уже обслуживает другой процесс</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n папка → открыть в %1</numerusform>
            <numerusform>%n папки → открыть в %1</numerusform>
            <numerusform>%n папок → открыть в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n папка → показать в %1</numerusform>
            <numerusform>%n папки → показать в %1</numerusform>
            <numerusform>%n папок → показать в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n папка будет пропущена</numerusform>
            <numerusform>%n папки будут пропущены</numerusform>
            <numerusform>%n папок будет пропущено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Показать не менее %n объекта в %1</numerusform>
            <numerusform>Показать не менее %n объектов в %1</numerusform>
            <numerusform>Показать не менее %n объектов в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Показать %n объект в %1</numerusform>
            <numerusform>Показать %n объекта в %1</numerusform>
            <numerusform>Показать %n объектов в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>Открыть не менее %n файла в приложениях по умолчанию</numerusform>
            <numerusform>Открыть не менее %n файлов в приложениях по умолчанию</numerusform>
            <numerusform>Открыть не менее %n файлов в приложениях по умолчанию</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>Открыть %n файл в приложениях по умолчанию</numerusform>
            <numerusform>Открыть %n файла в приложениях по умолчанию</numerusform>
            <numerusform>Открыть %n файлов в приложениях по умолчанию</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n файл → %1</numerusform>
            <numerusform>%n файла → %1</numerusform>
            <numerusform>%n файлов → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n → %1</source>
        <comment>files, %1: an app</comment>
        <translation>
            <numerusform>%n → %1</numerusform>
            <numerusform>%n → %1</numerusform>
            <numerusform>%n → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n for a missing app</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n — для отсутствующего приложения</numerusform>
            <numerusform>%n — для отсутствующего приложения</numerusform>
            <numerusform>%n — для отсутствующего приложения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n — будет задан вопрос</numerusform>
            <numerusform>%n — будет задан вопрос</numerusform>
            <numerusform>%n — будет задан вопрос</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 и другие</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Открыть в %1</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Показать в %1</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>Пропустить</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n ссылку нельзя показать</numerusform>
            <numerusform>%n ссылки нельзя показать</numerusform>
            <numerusform>%n ссылок нельзя показать</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n ссылка — в приложениях по умолчанию</numerusform>
            <numerusform>%n ссылки — в приложениях по умолчанию</numerusform>
            <numerusform>%n ссылок — в приложениях по умолчанию</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n ссылка → %1</numerusform>
            <numerusform>%n ссылки → %1</numerusform>
            <numerusform>%n ссылок → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Вывод справки по параметрам командной строки.</translation>
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
        <translation>группа: %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>только в %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>ссылки: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Проверьте соответствующее правило в Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane не удалось открыть файл</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 не существует.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>В этом файле нет допустимых правил Korvane.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>В правиле %1 этого файла имя приложения длиннее любого реального, поэтому правила не импортированы.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>В правиле %1 этого файла идентификатор приложения длиннее любого реального, поэтому правила не импортированы.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>В правиле %1 этого файла путь к приложению длиннее любого реального, поэтому правила не импортированы.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>В правиле %1 этого файла расширение длиннее любого реального, поэтому правила не импортированы.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>Экспортировано %n правило</numerusform>
            <numerusform>Экспортировано %n правила</numerusform>
            <numerusform>Экспортировано %n правил</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>Не удалось сохранить туда правила: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>Импортировано %n правило</numerusform>
            <numerusform>Импортировано %n правила</numerusform>
            <numerusform>Импортировано %n правил</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>Пропущено %n правило, указывающее на сам Korvane</numerusform>
            <numerusform>Пропущено %n правила, указывающих на сам Korvane</numerusform>
            <numerusform>Пропущено %n правил, указывающих на сам Korvane</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>Все правила в этом файле указывают на сам Korvane. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>Не удалось импортировать правила. %1</translation>
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
        <translation>Текст</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>Архивы</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>Код</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>Korvane не может сам открывать файлы по своим правилам</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>Korvane не может сам открывать файлы по своим правилам.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>приложение</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Выбор приложения</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>Фильтр приложений</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Приложения</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>Только в папках</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>Правило применяется только к файлам в этих папках — по одной на строку (~ — ваша домашняя папка). Если папок нет, оно применяется везде.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>Правило также открывает эти ссылки — по одной на строку: схема (mailto:), сайт вместе с его поддоменами (example.org) или шаблон, в котором * означает любой текст (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>&amp;Выбрать папку…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Выбор папки</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>Каждый файл откроется в приложении, указанном в его правиле</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Перетащите файлы сюда</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Приложения по умолчанию</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>Перетащите сюда, чтобы открыть в обычном приложении по умолчанию</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>файловом менеджере</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>Показать в %1</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>Перетащите сюда, чтобы только показать в %1</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Почему это приложение?</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>Почему каждый файл из перетаскивания попал именно туда</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>Почему это приложение?</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>Почему каждый файл попал именно туда</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 открывается в %2</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: приложение из его правила не найдено</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: нет подходящего правила</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>Ещё %n файл здесь не объяснён.</numerusform>
            <numerusform>Ещё %n файла здесь не объяснены.</numerusform>
            <numerusform>Ещё %n файлов здесь не объяснено.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>Не удалось прочитать файл правил, поэтому он сохранён как %1 и создан новый.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>Не удалось сохранить правила. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>Последующие запуски Korvane не могут связаться с этим окном: %1. Пока это не исправлено, открытие файлов через Korvane может запустить ещё одно окно, а команды, изменяющие правила или приложения по умолчанию, не будут выполняться.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>Не удалось сохранить последние изменения правил.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>Перетащите на «Приложения по умолчанию», чтобы открыть в обычном приложении по умолчанию · на «Показать в %1», чтобы только показать в %1</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>Удерживайте %1 при перетаскивании, чтобы открыть в обычном приложении по умолчанию · Удерживайте %2, чтобы только показать в %3</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Добавить правило</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Открыть файл…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Выйти из Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>Исправьте правило ниже.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Приложения по умолчанию</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>Выбрать другое приложение…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Открыть с помощью</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Для этого файла нет подходящего правила. В каком приложении его открыть?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 не предлагает приложений для этого файла.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>Всегда использовать это приложение (у файла нет расширения)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>Рекомендуемые приложения</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>Всегда использовать это приложение для %1</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Для этой ссылки нет подходящего правила. В каком приложении её открыть?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 не предлагает приложений для этой ссылки.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>ссылок %1</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>Всегда использовать это приложение для %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>Всегда использовать это приложение (в ссылке нет сайта)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>Добавление правила</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Удаление правила %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>Правило %1 удалено</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>Перемещение правила %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>Правило %1 перемещено</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>Включение правила %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>Выключение правила %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>Изменение правила %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Импорт %n правила</numerusform>
            <numerusform>Импорт %n правил</numerusform>
            <numerusform>Импорт %n правил</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>Сделать по умолчанию</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Перетащите, чтобы изменить порядок</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>Расширения, например md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>Удалить правило</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>не задано</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>Также соответствует группе типов: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>Добавить группу типов…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>Приложение не выбрано</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>Приложение не найдено</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 не имеет зарегистрированного типа файлов для этих расширений, поэтому для них нельзя назначить приложение по умолчанию.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>Без группы типов</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Другое…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>Файлы %1 сейчас открываются в %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>правило %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>правило %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>Правило %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Правило %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Удалить правило %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>Удалить правило %1: %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>Очистить расширения</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>Группа типов</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>Только в %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>Только в папках…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>Ссылки: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>Ссылки…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>Правил пока нет</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>Добавьте правило или перетащите файл и выберите приложение.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>Показывать в %1</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>В этом окружении рабочего стола нет %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>Оставлять значок в %1</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Настройки Korvane</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>Значок в %1 остаётся видимым, когда значок в %2 скрыт, чтобы приложение всегда было доступно.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>Перетащенные папки</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>Не удалось изменить параметр «Запускать при входе в систему»: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>Открывать файлы по запросу окружения рабочего стола</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>Двойные щелчки в %1 и других приложениях тоже следуют вашим правилам. При выключении возвращаются все приложения по умолчанию, заменённые Korvane.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>Korvane берёт на себя типы файлов из ваших правил…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Возврат приложений по умолчанию, заменённых Korvane…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 не содержит записи об обработчике файлов Korvane, поэтому ничего не изменено.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Сейчас %1 открывает через Korvane %n тип файлов.</numerusform>
            <numerusform>Сейчас %1 открывает через Korvane %n типа файлов.</numerusform>
            <numerusform>Сейчас %1 открывает через Korvane %n типов файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Открывать также веб- и почтовые ссылки</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>Ссылки тоже следуют вашим правилам; ссылка, для которой нет правила, откроется в браузере, который заменил Korvane.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Теперь %1 открывает файлы через Korvane; ни одно включённое правило пока не указывает тип файлов.</translation>
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
        <translation>Показать окно</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Открыть файл…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Нет недавних файлов</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Очистить недавние</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Выйти из Korvane</translation>
    </message>
</context>
</TS>
