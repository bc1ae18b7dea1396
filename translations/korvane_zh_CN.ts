<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是常规文件。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 大于 %2 MiB。</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 将大于 %2 MiB，超出了 Korvane 能读回的大小。</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 是指向 %2 的链接，但后者不存在。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>%1 正被另一个 Korvane 更改；请重试。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>无法锁定 %1 以进行写入（%2.lock）。</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>请用“korvane rules”检查其规则。</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>无法读取当前文件夹，因此找不到这些文件</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1：路径太长，无法传递给应用</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>无法保存规则。%1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>没有规则匹配此文件。应使用哪个应用打开它？</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 没有为此文件推荐任何应用。</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>编号（留空则跳过）： </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>请选择 1 到 %1 之间的编号。</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>始终使用此应用打开 .%1 文件吗？[Y/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>尚无规则。</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>（无扩展名）</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>无应用</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>应用：%1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>应用：%1（未找到）</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>；</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>规则 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>在 %n 条规则中未发现问题。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>在 %n 条规则中发现 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n 个问题</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>不存在规则 %1（共有 %n 条规则）</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>规则 %1 没有被替换的默认应用的记录，因此无需恢复</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>所有请求的操作均已完成</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>有操作失败或被拒绝（文件或应用缺失、启动或写入失败、默认应用未更改）</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>命令用法错误</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>名称</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>按规则将文件分派给指定的应用</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>概述</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>描述</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>不带命令时，Korvane 打开其窗口；带文件时，它将这些文件作为一次拖放
交给窗口，窗口未运行时会先启动它。每个文件都会在规则为其指定的
应用中打开；没有规则匹配的文件会在窗口中询问您。</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>命令</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>显示帮助（也可放在命令之后）。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>退出状态</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>文件</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>规则。</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Korvane 替换掉的默认应用，用于恢复。</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>设置。</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>参见</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>按规则将文件分派给指定的应用。不带命令时，
打开窗口并将文件作为一次拖放交给它。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>显示此帮助（也可放在命令之后）</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>显示版本</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>退出状态：</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>Korvane 窗口正在运行；请在窗口中进行此更改，或先退出它</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>无法连接 Korvane 窗口：%1。未做任何更改，因为它可能正在使用这些文件。</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>将规则 N 的应用设为默认应用，或恢复被它替换的默认应用</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>将规则 N（按“korvane rules”的编号）的应用设为其各个扩展名的
默认应用，或恢复被它替换的默认应用。</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default 需要“set N”或“restore N”</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>将文件作为一次拖放打开</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>将文件作为一次拖放打开：每个文件在规则指定的应用中打开，同一应用的
文件通过一次启动全部交给它。没有规则匹配的文件会在此处询问：
输入应用的编号，或直接回车跳过。</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>改为在文件管理器中显示这些文件。</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>改用它们常规的默认应用打开。</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>要打开的文件</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open 需要至少一个 FILE</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>已将 %n 个文件交给 Korvane 窗口。</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>Korvane 窗口未告知此次拖放的结果</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>无法连接 Korvane 窗口：%1；改在此处打开。</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>显示每个文件将在何处打开</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>按照您的规则显示每个文件将在哪个应用中打开，
不会打开、记录或更改任何内容。</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>要分派的文件</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route 需要至少一个 FILE</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 将不使用规则进行分派。</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>未找到 %1</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>没有匹配的规则</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>列出或检查规则，从 FILE 导入规则或将规则导出到 FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>按分派顺序列出带编号的规则；或对照此桌面检查规则，每个问题一行，
发现任何问题时以状态 1 退出；或将 FILE 中的规则添加到列表末尾；
或将所有规则写入 FILE。</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>rules 的未知用法：%1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>无法连接 Korvane 窗口：%1。</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>它没有响应</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>无法连接 Korvane 窗口：%1。此实例将独立运行；之后启动的 Korvane 无法连接到它。</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>此 Korvane 是由 Korvane 启动来打开这些文件的，因此不会再次转交它们。请检查应用会运行 Korvane 的那条规则。</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>无法启动 Korvane 窗口：%1：%2。</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>说明原因：所考虑的扩展名和类型、每条规则的作用、将要运行的命令，以及桌面自己的选择。</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 当前未为 %1 打开文件。</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 中没有 Korvane 文件处理程序的条目，因此未做任何更改</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>无法向 %1 注册 Korvane 文件处理程序：%2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane 现在为 %1 打开 %n 种文件类型。</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 现在为 %1 打开文件；但尚无已启用的规则指定文件类型。</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane 不再为 %1 打开文件；已交还 %n 种文件类型。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>有 %n 种文件类型未能交还；再次运行“korvane opener off”即可重试。</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 为 %1 打开文件：已开启</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 为 %1 打开文件：已关闭</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>此前无应用</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>取代 %1（已不再安装）</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>取代 %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1，依据 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>作为桌面的文件处理程序为桌面打开它们：不显示窗口；没有规则匹配的文件将在 Korvane 所替换的应用中打开。</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal、--with-defaults 和 --for-desktop 不能同时使用</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>按规则为桌面打开文件，或停止这样做</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>无法启动 Korvane 窗口：%1。</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>“on”让 Korvane 成为桌面上已启用规则所指定的每种文件类型的默认应用，
使双击也遵循规则；开启期间，这些类型随规则而变。“off”恢复它替换掉的
每个默认应用，但保留您此后自行更改过的。
“status”列出每种类型以及 Korvane 替换掉的应用。
“serve”通过桌面的消息总线响应其请求；它由总线启动。</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener 需要“on”、“off”、“status”或“serve”</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>没有规则匹配此链接。应使用哪个应用打开它？</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 没有为此链接推荐任何应用。</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>始终使用此应用打开 %1 链接吗？[Y/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>始终使用此应用打开 %1 的链接吗？[Y/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>没有可启动的网页浏览器</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>它也为 %1 打开链接：%2。</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 为 %1 打开链接：已开启</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 为 %1 打开链接：已关闭</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>与“on”一起使用：也打开网页和邮件链接（http、https 以及规则的链接所指定的每种协议）；没有规则匹配的链接将在 Korvane 所替换的浏览器中打开。</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links 只能与“opener on”一起使用</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>它不再为 %1 打开链接；已交还：%2。</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 不是 Korvane 可读取的记录，因此保持原样。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>无法创建 %1。</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 不是规则文件。</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 无法作为规则读取，也无法另行保留，因此保持原样。</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>未恢复。%1 未接受新的默认应用。</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>未更改。%1 未接受新的默认应用。</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>未恢复。这些文件仍由 %1 打开。</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>未更改。这些文件仍由 %1 打开。</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>未恢复。这些文件仍由 %1 打开（在 %2 中设置）。</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>未更改。这些文件仍由 %1 打开（在 %2 中设置）。</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>无法完成。%1 没有为此扩展名注册文件类型。</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 已是默认应用。</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>无法完成。%1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>完成。%1 现在是默认应用。</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>无需恢复。</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>无法恢复。</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>无需恢复；更改在生效前已中断。</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>保持原样；其默认应用此后已被移除。</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>保持原样；您此后已将其改为 %1。</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>之前的默认应用未知或已不再安装，因此保持原样。</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>已恢复；之前没有默认应用。</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>已恢复为 %1。</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>已恢复，但无法更新记录：%1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>未找到此规则的应用。请先选择一个应用。</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>请先添加至少一个扩展名。类型组不能设为默认。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane 正在为 %1 打开这些文件，因此无法完成；请先关闭“为桌面打开文件”。</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>无法显示这些文件：%1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>已在 %1 中显示 %n 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>已在 %1 中显示 %n 个项目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>已在 %1 中打开 %n 个文件夹</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>未找到 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>未找到 %n 个应用：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>已在 %1 中打开 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>已在 %1中打开 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n 个应用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>这些文件已不存在。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>已请求 %1 打开 %n 个项目</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1 无法打开该文件（%2）</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>已忽略 %n 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>缺失 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1 中 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>已在 %1 中打开 %n 个链接</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1 中 %n 个链接</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>无法在 %1 中显示 %n 个链接</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplainText</name>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>；</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>（无扩展名）</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>也适用，但规则 %1 先接管了该文件</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>适用：它列出了 %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>适用：该类型属于它的类型组</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>适用：文件位于它的文件夹中</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>无应用</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>文件不在它的文件夹中</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>不适用</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>扩展名：无</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>扩展名：%1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>类型：%1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>父类型：%1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>别名：%1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>类型：未知</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>规则 %1（%2）：%3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>运行：%1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>桌面：通过 Korvane 打开</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>桌面：通过 Korvane 打开，依据 %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>不用 Korvane：无应用</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>不用 Korvane：%1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>不用 Korvane：%1，依据 %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>适用：它的链接列出了它（%1）</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>不匹配任何文件：它既没有扩展名，也没有类型组。</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>请为此规则选择一个应用。</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 由规则 %2 接管</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>从不生效：前面的规则已接管其所有文件（%1）。</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>未找到 %1。</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 一次只接受一个文件：拖放多个文件时会为每个文件分别启动一次，而不会一次全部打开。</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 也出现在规则 %2 中，并由该规则优先接管。</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>任何文件名都不能以 %1 结尾。</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 没有为 %2 注册文件类型，因此无法对其使用“设为默认”；分派仍然有效。</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>在 %1 中，规则 %2 会先接管其 %3 文件。</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 无法匹配任何链接：file: 链接会作为文件打开。</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 无法匹配任何链接：链接以其协议开头，例如 https://。</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>按当前写法，%1 不匹配任何链接；只写站点，如 %2，即可同时匹配 http 和 https 链接。</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>规则 %1 会先接管其 %2 链接。</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>导出规则</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON 文件 (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>导入规则</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 以另一个用户的身份响应</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>它没有响应</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>它无法理解该请求</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 是符号链接</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于另一个用户</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>其他用户可以进入 %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 路径太长，无法用作套接字</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>无法创建其套接字：%1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>您的桌面</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>文件管理器</translation>
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
        <translation>系统托盘</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>任务栏</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 不是已安装的应用。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>无法移除 %1。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>无法创建 %1。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>%1 在此期间已被更改；请重试。</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>更改记录不完整。</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 已不存在。</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>无法连接桌面的消息总线：%1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>另一个进程已在响应 %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 个文件夹 → 在 %1 中打开</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 个文件夹 → 在 %1 中显示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>忽略 %n 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>在 %1 中显示 %n 个及更多项目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>在 %1 中显示 %n 个项目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>在各自的默认应用中打开 %n 个及更多文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>在各自的默认应用中打开 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n 个文件 → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n → %1</source>
        <comment>files, %1: an app</comment>
        <translation>
            <numerusform>%n 个 → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n for a missing app</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 个缺少应用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 个待询问</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 及更多</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>在 %1 中打开</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>在 %1 中显示</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>忽略</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n 个链接无法显示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>在各自的默认应用中打开 %n 个链接</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n 个链接 → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>在命令行选项上显示帮助。</translation>
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
        <translation>类型组：%1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>仅限 %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>链接：%1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>请在 Korvane 中检查其规则。</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane 无法打开文件</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>该文件不包含任何有效的 Korvane 规则。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>该文件中规则 %1 的应用名称超出了任何实际名称的长度，因此未导入任何规则。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>该文件中规则 %1 的应用 ID 超出了任何实际 ID 的长度，因此未导入任何规则。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>该文件中规则 %1 的应用路径超出了任何实际路径的长度，因此未导入任何规则。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>该文件中规则 %1 的扩展名超出了任何实际扩展名的长度，因此未导入任何规则。</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>已导出 %n 条规则</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>无法将规则保存到该位置：%1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>已导入 %n 条规则</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>已略过 %n 条指定 Korvane 自身的规则</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>该文件中的规则全都指定 Korvane 自身。%1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>无法导入规则。%1</translation>
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
        <translation>文本</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>图像</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>音频</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>视频</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>归档文件</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>代码</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>规则不能指定 Korvane 自身来打开文件</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>规则不能指定 Korvane 自身来打开文件。</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>该应用</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>选择应用</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>筛选应用</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>仅限指定文件夹</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>此规则仅适用于这些文件夹中的文件，每行一个（~ 表示您的主文件夹）。如果没有任何文件夹，则适用于所有位置。</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>此规则还会打开这些链接，每行一个：协议（mailto:）、站点及其子域名（example.org），或用 * 代表任意文本的模式（https://github.com/*/pull/*）。</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>选择文件夹(&amp;C)…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>选择文件夹</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>每个文件都会在其规则指定的应用中打开</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>将文件拖放到此处</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>默认应用</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>拖放到此处，在常规默认应用中打开</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>文件管理器</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>在 %1 中显示</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>拖放到此处，仅在 %1 中显示</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>为什么是这个应用？</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>此次拖放中每个文件的去向及原因</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>为什么是这个应用？</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>每个文件的去向及原因</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 在 %2 中打开</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1：未找到其规则的应用</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1：没有匹配的规则</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>另有 %n 个文件未在此说明。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>无法读取您的规则文件，因此已将其保留为 %1，并新建了一个规则文件。</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>无法保存您的规则。%1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>之后启动的 Korvane 无法连接到此窗口：%1。在此问题修复之前，用 Korvane 打开文件可能会启动另一个窗口，而更改规则或默认应用的命令将拒绝运行。</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>无法保存您最近对规则所做的更改。</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>拖放到“默认应用”上，在常规默认应用中打开 · 拖放到“在 %1 中显示”上，仅在 %1 中显示</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>拖放时按住 %1，在常规默认应用中打开 · 按住 %2，仅在 %3 中显示</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>添加规则</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>打开文件…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>退出 Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>请修正下面的规则。</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>默认应用</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>选择其他应用…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>打开方式</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>没有规则匹配此文件。应使用哪个应用打开它？</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 没有为此文件推荐任何应用。</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>始终使用此应用（文件没有扩展名）</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>推荐的应用</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>始终使用此应用打开 %1 文件</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>没有规则匹配此链接。应使用哪个应用打开它？</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 没有为此链接推荐任何应用。</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>%1 链接</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>始终使用此应用打开 %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>始终使用此应用（链接未指明网站）</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>添加规则</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>删除规则 %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>已删除规则 %1</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>移动规则 %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>已移动规则 %1</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>启用规则 %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>禁用规则 %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>编辑规则 %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>导入 %n 条规则</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>设为默认</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>拖动以调整顺序</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>扩展名，例如 md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>删除规则</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>无应用</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>同时匹配类型组：%1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>添加类型组…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>未选择应用</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>未找到应用</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 没有为这些扩展名注册文件类型，因此无法为它们设置默认应用。</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>无类型组</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>其他…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>%1 文件当前由 %2 打开</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>规则 %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>规则 %1：%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>规则 %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>规则 %1：%2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>删除规则 %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>删除规则 %1：%2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>扩展名</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>清除扩展名</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>类型组</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>仅限 %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>仅限指定文件夹…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>链接：%1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>链接…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>尚无规则</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>添加一条规则，或拖放一个文件并选择应用。</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>在%1中显示</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>此桌面没有%1。</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>保留%1图标</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Korvane 设置</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>隐藏%2图标时，%1图标仍保持可见，确保始终可以访问本应用。</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>拖放的文件夹</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>无法更改“登录时启动”：%1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>为桌面打开文件</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>在 %1 和其他应用中双击时也会遵循您的规则。关闭后，Korvane 替换掉的所有默认应用都会恢复。</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>正在接管您的规则所指定的类型…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>正在恢复 Korvane 替换掉的默认应用…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 中没有 Korvane 文件处理程序的条目，因此未做任何更改。</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane 正在为 %1 打开 %n 种文件类型。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>也打开网页和邮件链接</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>链接也会遵循您的规则；没有规则指定的链接将在 Korvane 所替换的浏览器中打开。</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Korvane 现在为 %1 打开文件；但尚无已启用的规则指定文件类型。</translation>
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
        <translation>显示窗口</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>打开文件…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近使用</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>没有最近使用的文件</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>清除最近使用</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>退出 Korvane</translation>
    </message>
</context>
</TS>
