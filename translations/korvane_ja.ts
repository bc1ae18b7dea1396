<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 のサイズが %2 MiB を超えています。</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 は %2 MiB を超えてしまい、Korvane が読み込める上限を超えます。</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 は存在しない %2 へのリンクです。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>%1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>%1 は別の Korvane が変更中です。もう一度試してください。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>%1 を書き込み用にロックできませんでした (%2.lock)。</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>&apos;korvane rules&apos; でそのルールを確認してください。</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>現在のフォルダーを読み取れないため、ファイルが見つかりません</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: パスが長すぎてアプリに渡せません</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>ルールを保存できませんでした。%1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>このファイルに一致するルールがありません。どのアプリで開きますか?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 はこのファイル用のアプリを提案しませんでした。</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>番号 (空欄でスキップ): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>1 から %1 までの番号を選んでください。</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>.%1 には常にこのアプリを使いますか? [Y/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>ルールはまだありません。</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(拡張子なし)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>アプリなし</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>アプリ: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>アプリ: %1 (見つかりません)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>ルール %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>%n 個のルールに指摘事項はありません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%n 個のルールに %1 があります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n 件の指摘事項</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>ルール %1 はありません (ルールは %n 個です)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>ルール %1 には置き換えた既定のアプリの記録がないため、復元するものはありません</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>要求された処理をすべて完了しました</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>いずれかの処理が失敗したか拒否されました (ファイルやアプリが見つからない、起動や書き込みに失敗した、既定のアプリが変わらなかったなど)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>コマンドの使い方が誤っています</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>ルールで指定したアプリにファイルを振り分ける</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>書式</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>説明</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>コマンドがない場合、Korvane はウィンドウを開きます。ファイルを指定すると、
それらを 1 回のドロップとしてウィンドウに渡します (ウィンドウが実行中で
なければ起動します)。各ファイルはルールで指定したアプリで開きます。
どのルールにも一致しないファイルについては、ウィンドウで確認します。</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>ヘルプを表示します (コマンドの後にも指定できます)。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>終了ステータス</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>ルール。</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Korvane が置き換えた既定のアプリ (復元用)。</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>設定。</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>関連項目</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>ルールで指定したアプリにファイルを振り分けます。コマンドがない
場合は、ウィンドウを開き、ファイルを 1 回のドロップとして渡します。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>このヘルプを表示する (コマンドの後にも指定可)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>バージョンを表示する</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>&apos;%1&apos; は不明なコマンドです</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>Korvane のウィンドウが実行中です。そちらで変更するか、先にウィンドウを終了してください</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>Korvane のウィンドウに接続できません: %1。ウィンドウがこれらのファイルを使用している可能性があるため、何も変更しませんでした。</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>ルール N のアプリを既定にする、または置き換えた既定を復元する</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>ルール N (&apos;korvane rules&apos; が表示する番号) のアプリを、その各拡張子の
既定のアプリにします。または、置き換えた既定のアプリを復元します。</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default には &apos;set N&apos; または &apos;restore N&apos; を指定してください</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>ファイルを 1 回のドロップとして開く</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>ファイルを 1 回のドロップとして開きます。各ファイルはルールで指定した
アプリで開き、同じアプリのファイルは 1 回の起動でまとめて渡します。
どのルールにも一致しないファイルはここで確認します。アプリの番号を
入力するか、何も入力せずにスキップしてください。</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>代わりにファイルマネージャーでファイルを表示します。</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>ファイルを通常の既定のアプリで開きます。</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>開くファイル</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open には FILE が 1 つ以上必要です</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>%n 個のファイルを Korvane のウィンドウに渡しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>Korvane のウィンドウからドロップの結果が返されませんでした</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>Korvane のウィンドウに接続できません: %1。ここで開きます。</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>各ファイルがどこで開かれるかを表示する</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>ルールに従って各ファイルがどのアプリで開かれるかを表示します。
実際に開いたり、記録や変更をしたりはしません。</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>振り分け先を確認するファイル</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route には FILE が 1 つ以上必要です</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 ルールなしで振り分けます。</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>一致するルールがありません</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>ルールを一覧表示または検査する、FILE からインポートする、FILE へエクスポートする</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>ルールを振り分けの順に番号付きで一覧表示します。または、ルールを
このデスクトップに照らして検査し、指摘事項を 1 行ずつ表示して、1 件でも
あれば 1 で終了します。または、FILE のルールを一覧の末尾に追加します。
または、すべてのルールを FILE に書き出します。</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>rules の使い方が不明です: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>Korvane のウィンドウに接続できません: %1。</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>応答がありません</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>Korvane のウィンドウに接続できません: %1。このウィンドウは単独で動作するため、後から起動した Korvane からは接続できません。</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>これらのファイルを開くために Korvane が Korvane 自身から起動されたため、ファイルを再度渡すことはしません。Korvane を起動するアプリを指定しているルールを確認してください。</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>Korvane のウィンドウを起動できません: %1: %2。</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>理由を示す: 考慮した拡張子と種類、各ルールの役割、実行されるコマンド、デスクトップ自身の選択。</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane は %1 に代わってファイルを開いていません。</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 に Korvane のファイルハンドラーのエントリーがないため、何も変更しませんでした</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>Korvane のファイルハンドラーを %1 に登録できませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane が %1 に代わって %n 種類のファイルを開くようになりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane が %1 に代わってファイルを開くようになりました。ただし、ファイルの種類を指定している有効なルールはまだありません。</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>Korvane は %1 に代わってファイルを開かなくなりました。%n 種類のファイルを元に戻しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>%n 種類のファイルを元に戻せませんでした。&apos;korvane opener off&apos; で再試行できます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane が %1 に代わってファイルを開く: オン</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane が %1 に代わってファイルを開く: オフ</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>置き換え前はアプリなし</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>置き換え前は %1 (もうインストールされていません)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>置き換え前は %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1 (%2 による)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>デスクトップのファイルハンドラーとして、デスクトップに代わってファイルを開きます。ウィンドウは表示しません。どのルールにも一致しないファイルは、Korvane が置き換えたアプリで開きます。</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal、--with-defaults、--for-desktop は同時に指定できません</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>デスクトップに代わってルールどおりにファイルを開く、またはそれをやめる</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>Korvane のウィンドウを起動できません: %1。</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>&apos;on&apos; は、有効なルールが指定するすべてのファイルの種類について、Korvane を
デスクトップの既定にし、ダブルクリックでもルールに従うようにします。オンの間は、
種類がルールに合わせて変わります。&apos;off&apos; は置き換えたすべての既定を元に
戻します (その後に変更したものはそのままです)。&apos;status&apos; は各種類を、Korvane が
置き換えたアプリとともに一覧表示します。
&apos;serve&apos; はデスクトップのメッセージバス経由で要求に応答します。バスから起動されます。</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener には &apos;on&apos;、&apos;off&apos;、&apos;status&apos; または &apos;serve&apos; を指定してください</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>このリンクに一致するルールがありません。どのアプリで開きますか?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 はこのリンク用のアプリを提案しませんでした。</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>%1 リンクには常にこのアプリを使いますか? [Y/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>%1 には常にこのアプリを使いますか? [Y/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>起動する Web ブラウザーがありません</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>%1 に代わってリンクも開きます: %2。</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane が %1 に代わってリンクを開く: オン</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane が %1 に代わってリンクを開く: オフ</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>&apos;on&apos; の場合: Web リンクとメールリンクも開きます (http、https、およびルールのリンクが指定するすべてのスキーム)。どのルールにも一致しないリンクは、Korvane が置き換えたブラウザーで開きます。</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links は &apos;opener on&apos; でのみ指定できます</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>%1 に代わってリンクを開くのもやめました。元に戻しました: %2。</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 は Korvane が読み取れる記録ではないため、そのままにしました。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 はルールファイルではありません。</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 はルールとして読み取れず、退避もできなかったため、そのままにしました。</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>復元されませんでした。%1 が新しい既定のアプリを受け入れませんでした。</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>変更されませんでした。%1 が新しい既定のアプリを受け入れませんでした。</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>復元されませんでした。これらのファイルは引き続き %1 で開かれます。</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>変更されませんでした。これらのファイルは引き続き %1 で開かれます。</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>復元されませんでした。%2 の設定により、これらのファイルは引き続き %1 で開かれます。</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>変更されませんでした。%2 の設定により、これらのファイルは引き続き %1 で開かれます。</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>設定できません。%1 にはこの拡張子に登録されたファイルの種類がありません。</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 はすでに既定のアプリです。</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>実行できません。%1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>完了しました。%1 が既定のアプリになりました。</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>復元するものはありません。</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>復元できません。</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>復元するものはありません。変更は実行前に中断されました。</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>そのままにしました。その後、既定のアプリの設定が削除されています。</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>そのままにしました。その後、%1 に変更されています。</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>以前の既定のアプリが不明か、もうインストールされていないため、そのままにしました。</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>復元しました。以前は既定のアプリがありませんでした。</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>%1 に復元しました。</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>復元しましたが、記録を更新できませんでした: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>このルールのアプリが見つかりませんでした。先にアプリを選択してください。</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>先に拡張子を 1 つ以上追加してください。種類グループは既定に設定できません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>Korvane が %1 に代わってこれらのファイルを開いている間は実行できません。先に「デスクトップに代わってファイルを開く」をオフにしてください。</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>ファイルを表示できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個のフォルダーを %1 で表示しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個の項目を %1 で表示しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個のフォルダーを %1 で開きました</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 が見つかりませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>%n 個のアプリが見つかりませんでした: %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n 個のファイルを %1 で開きました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>%n 個のファイルを %1 で開きました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n 個のアプリ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>それらのファイルはもう存在しません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>%n 個の項目を開くよう %1 に依頼しました</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1 はファイルを開けませんでした (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>%n 個のフォルダーを無視しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 個が見つかりません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1 で %n 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n 個のリンクを %1 で開きました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%1 で %n 個のリンク</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個のリンクは %1 で表示できません</numerusform>
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
        <translation>(拡張子なし)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>これも当てはまりますが、先にルール %1 がファイルを受け取ります</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>当てはまります: %1 を含みます</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>当てはまります: 種類がそのグループに含まれます</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>当てはまります: ファイルがそのフォルダーにあります</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>アプリなし</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>ファイルはそのフォルダーの外にあります</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>当てはまりません</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>拡張子: なし</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>拡張子: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>種類: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>親: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>別名: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>種類: 不明</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>ルール %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>実行: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>デスクトップ: Korvane 経由で開く</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>デスクトップ: Korvane 経由で開く (%1 による)</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>Korvane なし: アプリなし</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>Korvane なし: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>Korvane なし: %1 (%2 による)</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>当てはまります: リンクの条件に合います (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>何にも一致しません: 拡張子も種類グループもありません。</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>このルールのアプリを選択してください。</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>ルール %2 の %1</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>適用されることはありません: 前にあるルールがすべてのファイルを受け持ちます (%1)。</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 が見つかりませんでした。</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 は一度に 1 つのファイルしか受け取りません: 複数のファイルをドロップすると、まとめて 1 回ではなく、ファイルごとに 1 回ずつ起動します。</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 はルール %2 にもあり、そちらが優先されます。</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>ファイル名の末尾が %1 になることはありません。</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 には %2 に登録されたファイルの種類がないため、「既定に設定」は使えません。振り分けは引き続き機能します。</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>%1 の中では、ルール %2 がこのルールの %3 ファイルを先に受け持ちます。</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 はどのリンクにも一致しません: file: リンクはファイルとして開かれます。</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 はどのリンクにも一致しません: リンクは https:// のようにスキームで始まります。</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1 は書かれたままではどのリンクにも一致しません。%2 のようにサイトだけを書くと、http と https の両方で一致します。</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>ルール %1 がこのルールの %2 リンクを先に受け持ちます。</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>ルールのエクスポート</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>ルールのインポート</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 は別のユーザーとして応答しています</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>応答がありません</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>要求を理解できませんでした</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 はシンボリックリンクです</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 は別のユーザーが所有しています</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>他のユーザーが %1 にアクセスできます</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>%1 を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 はソケットのパスとして長すぎます</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>ソケットを作成できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>お使いのデスクトップ</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>ファイルマネージャー</translation>
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
        <translation>システムトレイ</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>タスクバー</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 はインストールされているアプリではありません。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>%1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>%1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>%1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>その間に %1 が変更されました。もう一度試してください。</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>変更の記録が不完全です。</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 はもう存在しません。</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>デスクトップのメッセージバスに接続できません: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>%1 には別のプロセスが応答しています</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個のフォルダー → %1 で開く</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個のフォルダー → %1 で表示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n 個のフォルダーは無視</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個以上の項目を %1 で表示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n 個の項目を %1 で表示</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>%n 個以上のファイルを既定のアプリで開く</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>%n 個のファイルを既定のアプリで開く</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n 個のファイル → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n → %1</source>
        <comment>files, %1: an app</comment>
        <translation>
            <numerusform>%n 個 → %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n for a missing app</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 個はアプリが見つかりません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 個は開くアプリを確認</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 など</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>%1 で開く</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>%1 で表示</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>無視する</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n 個のリンクは表示できません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n 個のリンクを既定のアプリで開く</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n 個のリンク → %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
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
        <translation>種類グループ: %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>%1 のみ</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>リンク: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Korvane でそのルールを確認してください。</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>Korvane はファイルを開けませんでした</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 は存在しません。</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>そのファイルには有効な Korvane のルールがありません。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>そのファイルのルール %1 のアプリ名が実際にはありえない長さのため、ルールをインポートしませんでした。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>そのファイルのルール %1 のアプリ ID が実際にはありえない長さのため、ルールをインポートしませんでした。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>そのファイルのルール %1 のアプリのパスが実際にはありえない長さのため、ルールをインポートしませんでした。</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>そのファイルのルール %1 の拡張子が実際にはありえない長さのため、ルールをインポートしませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>%n 個のルールをエクスポートしました</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>その場所にルールを保存できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>%n 個のルールをインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>Korvane 自身を指定している %n 個のルールを除外しました</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>そのファイルのルールはすべて Korvane 自身を指定しています。%1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>ルールをインポートできませんでした。%1</translation>
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
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>画像</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>コード</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>Korvane 自身を指定したルールのファイルは Korvane では開けません</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>Korvane 自身を指定したルールのファイルは Korvane では開けません。</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>アプリ</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>アプリの選択</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>アプリのフィルター</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>アプリ</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>指定したフォルダーのみ</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>このルールは、これらのフォルダー内のファイルにのみ適用されます。1 行に 1 つずつ指定します (~ はホームフォルダー)。指定がない場合は、どこにでも適用されます。</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>このルールは、これらのリンクも開きます。スキーム (mailto:)、サイトとそのサブドメイン (example.org)、または * が任意の文字列を表すパターン (https://github.com/*/pull/*) を 1 行に 1 つずつ指定します。</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>フォルダーを選択(&amp;C)…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>各ファイルはルールで指定したアプリで開きます</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>ここにファイルをドロップ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>既定のアプリ</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>ここにドロップすると通常の既定のアプリで開きます</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>ファイルマネージャー</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>%1 で表示</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>ここにドロップすると %1 で表示するだけです</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>このアプリが選ばれた理由</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>ドロップした各ファイルがその行き先になった理由</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>このアプリが選ばれた理由</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>各ファイルがその行き先になった理由</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 は %2 で開きます</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: ルールのアプリが見つかりませんでした</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: 一致するルールがありません</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>ほかの %n 個のファイルはここでは説明していません。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>ルールファイルを読み取れなかったため、%1 として保存し、新しいルールファイルを作成しました。</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>ルールを保存できませんでした。%1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>後から起動した Korvane はこのウィンドウに接続できません: %1。これが解決されるまでは、Korvane でファイルを開くと別のウィンドウが起動することがあり、ルールや既定のアプリを変更するコマンドは実行されません。</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>ルールへの最後の変更を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>「既定のアプリ」にドロップすると通常の既定のアプリで開きます · 「%1 で表示」にドロップすると %1 で表示するだけです</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>%1 を押しながらドロップすると通常の既定のアプリで開きます · %2 を押しながらドロップすると %3 で表示するだけです</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>ルールを追加</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>ファイルを開く…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Korvane を終了</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>下のルールを修正してください。</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>既定のアプリ</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>別のアプリを選択…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>アプリで開く</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>このファイルに一致するルールがありません。どのアプリで開きますか?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 はこのファイル用のアプリを提案しませんでした。</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>常にこのアプリを使う (拡張子のないファイル)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>提案されたアプリ</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>%1 には常にこのアプリを使う</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>このリンクに一致するルールがありません。どのアプリで開きますか?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 はこのリンク用のアプリを提案しませんでした。</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>%1 リンク</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>%1 には常にこのアプリを使う</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>常にこのアプリを使う (サイトを示さないリンク)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>ルールの追加</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>ルール %1 の削除</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>ルール %1 を削除しました</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>ルール %1 の移動</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>ルール %1 を移動しました</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>ルール %1 の有効化</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>ルール %1 の無効化</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>ルール %1 の編集</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>%n 個のルールのインポート</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>既定に設定</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>ドラッグして並べ替え</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>拡張子 (例: md, markdown)</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>ルールを削除</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他の操作</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>アプリなし</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>種類グループにも一致: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>種類グループを追加…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>アプリが選択されていません</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>アプリが見つかりません</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 にはこれらの拡張子に登録されたファイルの種類がないため、既定のアプリを設定できません。</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>種類グループなし</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>その他…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>%1 は現在 %2 で開かれます</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>ルール %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>ルール %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>ルール %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>ルール %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>ルール %1 を削除</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>ルール %1: %2 を削除</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>拡張子</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>拡張子を消去</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>種類グループ</translation>
    </message>
    <message>
        <source>App</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>%1 のみ</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>指定したフォルダーのみ…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>リンク: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>リンク…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>ルールはまだありません</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>ルールを追加するか、ファイルをドロップしてアプリを選んでください。</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>%1 に表示</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>このデスクトップには %1 がありません。</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>%1 のアイコンを残す</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Korvane の設定</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>%2 のアイコンを非表示にしても %1 のアイコンは表示されたままなので、いつでもアプリにアクセスできます。</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>ドロップしたフォルダー</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>「ログイン時に起動」を変更できませんでした: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>デスクトップに代わってファイルを開く</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>%1 やその他のアプリでのダブルクリックもルールに従います。オフにすると、Korvane が置き換えた既定のアプリはすべて元に戻ります。</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>ルールで指定した種類を引き継いでいます…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Korvane が置き換えた既定のアプリを元に戻しています…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 に Korvane のファイルハンドラーのエントリーがないため、何も変更しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>Korvane は %1 に代わって %n 種類のファイルを開きます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Web リンクとメールリンクも開く</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>リンクもルールに従います。どのルールにも指定されていないリンクは、Korvane が置き換えたブラウザーで開きます。</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>Korvane が %1 に代わってファイルを開くようになりました。ただし、ファイルの種類を指定している有効なルールはまだありません。</translation>
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
        <translation>ウィンドウを表示</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>ファイルを開く…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>最近使用したファイル</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>最近使用したファイルはありません</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Korvane を終了</translation>
    </message>
</context>
</TS>
