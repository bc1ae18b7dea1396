<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 é maior que %2 MiB.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>%1 ficaria maior que %2 MiB, mais do que o Korvane lê de volta.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>%1 é um link para %2, que não existe.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>Outra instância do Korvane está alterando %1; tente novamente.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>Não foi possível bloquear %1 para gravação (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>Verifique a regra correspondente com “korvane rules”.</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>a pasta atual não pode ser lida, então os arquivos não podem ser encontrados</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: o caminho é longo demais para ser passado a um aplicativo</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>não foi possível salvar a regra. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Nenhuma regra corresponde a este arquivo. Qual aplicativo deve abri-lo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 não sugeriu nenhum aplicativo para este arquivo.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>Número (vazio para pular): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>Escolha um número de 1 a %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>Sempre usar este aplicativo para .%1? [S/n] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>Ainda não há regras.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(sem extensões)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>sem aplicativo</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>aplicativo: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>aplicativo: %1 (não encontrado)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>ativada</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>desativada</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regra %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>Nenhum aviso em %n regra.</numerusform>
            <numerusform>Nenhum aviso em %n regras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 em %n regra.</numerusform>
            <numerusform>%1 em %n regras.</numerusform>
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
            <numerusform>a regra %1 não existe (há %n regra)</numerusform>
            <numerusform>a regra %1 não existe (há %n regras)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>a regra %1 não tem nenhum aplicativo padrão substituído registrado, então não há nada a restaurar</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>tudo o que foi pedido foi feito</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>algo falhou ou foi recusado (um arquivo ou aplicativo ausente, uma inicialização ou gravação que falhou, um aplicativo padrão que não mudou)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>o comando foi usado incorretamente</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>NOME</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>encaminha arquivos para os aplicativos que suas regras indicam</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>SINOPSE</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>DESCRIÇÃO</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>Sem um comando, o Korvane abre sua janela; com arquivos, ele os passa para
a janela como se fossem soltos de uma vez, iniciando-a se não estiver em
execução. Cada arquivo abre no aplicativo que suas regras indicam para ele;
para um arquivo que nenhuma regra reivindica, a pergunta é feita na janela.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>COMANDOS</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>OPÇÕES</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>Mostra a ajuda (também após um comando).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra a versão.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>STATUS DE SAÍDA</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>ARQUIVOS</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>As regras.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>Os aplicativos padrão que o Korvane substituiu, para restaurá-los.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>As preferências.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>VEJA TAMBÉM</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>Encaminha arquivos aos aplicativos que suas regras indicam. Sem comando,
abre a janela e lhe passa os arquivos como se fossem soltos de uma vez.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>mostra esta ajuda (também após um comando)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostra a versão</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Status de saída:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comando desconhecido “%1”</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>a janela do Korvane está em execução; faça essa alteração nela ou feche-a antes</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>não foi possível acessar a janela do Korvane: %1. Nada foi alterado, pois ela pode estar usando esses arquivos.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>torna o aplicativo da regra N o padrão, ou restaura o que ele substituiu</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>Torna o aplicativo da regra N (conforme numerado por “korvane rules”) o
padrão para cada uma de suas extensões, ou restaura os aplicativos padrão
que ele substituiu.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>default aceita “set N” ou “restore N”</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>abre os arquivos como se fossem soltos de uma vez</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>Abre os arquivos como se fossem soltos de uma vez: cada um no aplicativo
que suas regras indicam, os de um mesmo aplicativo em uma só inicialização.
Para um arquivo que nenhuma regra reivindica, a pergunta é feita aqui:
digite o número de um aplicativo, ou nada para pular.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>Em vez disso, mostra os arquivos no gerenciador de arquivos.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>Abre-os com seus aplicativos padrão habituais.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>um arquivo para abrir</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>open precisa de pelo menos um FILE</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>%n arquivo passado para a janela do Korvane.</numerusform>
            <numerusform>%n arquivos passados para a janela do Korvane.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>a janela do Korvane não informou o que aconteceu com os arquivos soltos</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>não foi possível acessar a janela do Korvane: %1; abrindo aqui.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>mostra onde cada arquivo seria aberto</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>Mostra em qual aplicativo cada arquivo seria aberto, pelas suas regras,
sem abrir, registrar ou alterar nada.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>um arquivo para consultar</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>route precisa de pelo menos um FILE</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 Encaminhando sem regras.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>%1 não foi encontrado</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>nenhuma regra corresponde</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>lista ou verifica as regras, importa-as de FILE ou exporta-as para FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>Lista as regras, numeradas na ordem de encaminhamento; ou as verifica
neste ambiente de trabalho, uma linha por aviso, e sai com 1 se houver
algum; ou adiciona as regras de FILE ao final da lista; ou grava cada
regra em FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>uso desconhecido de rules: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>não foi possível acessar a janela do Korvane: %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>não responde</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>não foi possível acessar a janela do Korvane: %1. Esta instância funciona sozinha; inicializações posteriores não conseguem acessá-la.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>O Korvane foi iniciado pelo próprio Korvane para abrir esses arquivos, então não os encaminha de novo. Verifique a regra cujo aplicativo executa o Korvane.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>não foi possível iniciar a janela do Korvane: %1: %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>Explicar: as terminações e o tipo considerados, o papel de cada regra, o comando que seria executado e a escolha do próprio ambiente.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>O Korvane não abre arquivos para %1.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>%1 não tem nenhuma entrada para o serviço de abertura do Korvane, então nada foi alterado</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>Não foi possível registrar o serviço de abertura do Korvane em %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>O Korvane agora abre %n tipo de arquivo para %1.</numerusform>
            <numerusform>O Korvane agora abre %n tipos de arquivo para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>O Korvane agora abre arquivos para %1; nenhuma regra ativada indica um tipo de arquivo ainda.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>O Korvane não abre mais arquivos para %1; %n tipo de arquivo devolvido.</numerusform>
            <numerusform>O Korvane não abre mais arquivos para %1; %n tipos de arquivo devolvidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>Não foi possível devolver %n tipo de arquivo; “korvane opener off” tenta novamente.</numerusform>
            <numerusform>Não foi possível devolver %n tipos de arquivo; “korvane opener off” tenta novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>O Korvane abre arquivos para %1: ativado</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>O Korvane abre arquivos para %1: desativado</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>antes sem aplicativo</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>no lugar de %1 (não está mais instalado)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>no lugar de %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1, segundo %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>Abre-os para o ambiente de trabalho, como seu serviço de abertura: sem janela; um arquivo que nenhuma regra reivindica abre no aplicativo que o Korvane substituiu.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>--reveal, --with-defaults e --for-desktop são mutuamente exclusivas</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>abre arquivos para o ambiente de trabalho segundo as regras, ou deixa de abrir</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>não foi possível iniciar a janela do Korvane: %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>“on” torna o Korvane o aplicativo padrão do ambiente de trabalho para cada
tipo de arquivo que uma regra ativada indica, para que cliques duplos também
sigam as regras; enquanto ativado, os tipos acompanham as regras. “off”
restaura cada aplicativo padrão que ele substituiu, mantendo os que você
alterou depois. “status” lista cada tipo com o aplicativo que o Korvane
substituiu. “serve” responde às solicitações do ambiente de trabalho pelo
barramento de mensagens dele; é o barramento que o inicia.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>opener aceita “on”, “off”, “status” ou “serve”</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Nenhuma regra corresponde a este link. Qual aplicativo deve abri-lo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>%1 não sugeriu nenhum aplicativo para este link.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>Sempre usar este aplicativo para links %1? [S/n] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>Sempre usar este aplicativo para %1? [S/n] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>não há nenhum navegador web para iniciar</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Ele também abre links para %1: %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>O Korvane abre links para %1: ativado</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>O Korvane abre links para %1: desativado</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>Com “on”: também links da web e de e-mail (http, https e cada esquema que os links de uma regra indicam); um link que nenhuma regra reivindica abre no navegador que o Korvane substituiu.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>--links só pode ser usada com “opener on”</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>Ele não abre mais links para %1; devolvidos: %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>%1 não é um registro que o Korvane consiga ler, então foi deixado como está.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Não foi possível criar %1.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>%1 não é um arquivo de regras.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>%1 não pode ser lido como regras e não pôde ser guardado à parte, então foi deixado como está.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>não restaurado. %1 não aceitou o novo aplicativo padrão.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>não alterado. %1 não aceitou o novo aplicativo padrão.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>não restaurado. %1 ainda abre esses arquivos.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>não alterado. %1 ainda abre esses arquivos.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>não restaurado. %1 ainda abre esses arquivos, conforme definido em %2.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>não alterado. %1 ainda abre esses arquivos, conforme definido em %2.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>não é possível. %1 não tem nenhum tipo de arquivo registrado para esta extensão.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>%1 já é o aplicativo padrão.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>não é possível. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>feito. %1 agora é o aplicativo padrão.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>nada a restaurar.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>não é possível restaurar.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>nada a restaurar; a alteração foi interrompida antes de ser feita.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>deixado como está; seu aplicativo padrão foi removido depois.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>deixado como está; você o alterou para %1 depois.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>o aplicativo padrão anterior é desconhecido ou não está mais instalado, então foi deixado como está.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>restaurado; antes não tinha aplicativo padrão.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>restaurado para %1.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>restaurado, mas não foi possível atualizar o registro: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>O aplicativo desta regra não foi encontrado. Escolha um aplicativo primeiro.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>Adicione pelo menos uma extensão primeiro. Grupos de tipos não podem ter aplicativo padrão.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>não é possível enquanto o Korvane abre esses arquivos para %1; desative primeiro “Abrir arquivos para o ambiente de trabalho”.</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>Não foi possível mostrar os arquivos: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n pasta mostrada no %1</numerusform>
            <numerusform>%n pastas mostradas no %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n item mostrado no %1</numerusform>
            <numerusform>%n itens mostrados no %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n pasta aberta no %1</numerusform>
            <numerusform>%n pastas abertas no %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>%n aplicativo não foi encontrado: %1.</numerusform>
            <numerusform>%n aplicativos não foram encontrados: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n arquivo aberto com %1</numerusform>
            <numerusform>%n arquivos abertos com %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>%n arquivo aberto em %1</numerusform>
            <numerusform>%n arquivos abertos em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n aplicativo</numerusform>
            <numerusform>%n aplicativos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>Esse arquivo não existe mais.</numerusform>
            <numerusform>Esses arquivos não existem mais.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>%1 foi solicitado a abrir %n item</numerusform>
            <numerusform>%1 foi solicitado a abrir %n itens</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>%1 não conseguiu abrir o arquivo (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>%n pasta ignorada</numerusform>
            <numerusform>%n pastas ignoradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n ausente</numerusform>
            <numerusform>%n ausentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n arquivo com %1</numerusform>
            <numerusform>%n arquivos com %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n link aberto com %1</numerusform>
            <numerusform>%n links abertos com %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>%n link com %1</numerusform>
            <numerusform>%n links com %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n link não pode ser mostrado no %1</numerusform>
            <numerusform>%n links não podem ser mostrados no %1</numerusform>
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
        <translation>(sem extensões)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>também se aplica, mas a regra %1 fica com o arquivo antes</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>se aplica: ela cita %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>se aplica: o tipo está no grupo dela</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>se aplica: o arquivo está nas pastas dela</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>desativada</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>sem aplicativo</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>o arquivo está fora das pastas dela</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>não se aplica</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>terminações: nenhuma</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>terminações: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>tipo: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>pais: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>também chamado: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>tipo: desconhecido</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>regra %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>executa: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>o ambiente de trabalho: abre-o por meio do Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>o ambiente de trabalho: abre-o por meio do Korvane, segundo %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>sem o Korvane: nenhum aplicativo</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>sem o Korvane: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>sem o Korvane: %1, segundo %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>se aplica: os links dela o citam (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>não corresponde a nada: não tem extensões nem grupo de tipos.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>escolha um aplicativo para esta regra.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 pela regra %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>nunca se aplica: regras anteriores ficam com todos os seus arquivos (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>%1 aceita um arquivo por vez: soltar vários arquivos o inicia uma vez para cada um, nunca uma vez para todos.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>%1 também está na regra %2, que tem prioridade para ela.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>nenhum nome de arquivo pode terminar em %1.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>%1 não tem nenhum tipo de arquivo registrado para %2, então “Tornar padrão” não funciona para ela; o encaminhamento continua funcionando.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>a pasta %1 não existe.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>dentro de %1, a regra %2 fica primeiro com seus arquivos %3.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 não pode corresponder a nenhum link: um link file: abre como arquivo.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>%1 não pode corresponder a nenhum link: um link começa com seu esquema, como https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>%1 não corresponde a nenhum link do jeito que está escrito; escreva só o site, como %2, e ele corresponderá por http e https.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>a regra %1 fica primeiro com seus links %2.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>Exportar regras</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Arquivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>Importar regras</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>%1 responde como outro usuário</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>não responde</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>não entendeu a solicitação</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 é um link simbólico</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>outros usuários podem entrar em %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>não foi possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>%1 é um caminho longo demais para um soquete</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>não foi possível criar o soquete: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>seu ambiente de trabalho</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>gerenciador de arquivos</translation>
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
        <translation>bandeja do sistema</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>barra de tarefas</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>%1 não é um aplicativo instalado.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>Não foi possível remover %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>Não foi possível criar %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>%1 foi alterado nesse meio-tempo; tente novamente.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>o registro da alteração está incompleto.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 não existe mais.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>não foi possível acessar o barramento de mensagens do ambiente de trabalho: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>outro processo responde por %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n pasta → abrir no %1</numerusform>
            <numerusform>%n pastas → abrir no %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>%n pasta → mostrar no %1</numerusform>
            <numerusform>%n pastas → mostrar no %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>%n pasta ignorada</numerusform>
            <numerusform>%n pastas ignoradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Mostrar %n item e mais no %1</numerusform>
            <numerusform>Mostrar %n itens e mais no %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>Mostrar %n item no %1</numerusform>
            <numerusform>Mostrar %n itens no %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>Abrir %n arquivo e mais em seus aplicativos padrão</numerusform>
            <numerusform>Abrir %n arquivos e mais em seus aplicativos padrão</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>Abrir %n arquivo em seu aplicativo padrão</numerusform>
            <numerusform>Abrir %n arquivos em seus aplicativos padrão</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>%n arquivo → %1</numerusform>
            <numerusform>%n arquivos → %1</numerusform>
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
            <numerusform>%n para um aplicativo ausente</numerusform>
            <numerusform>%n para um aplicativo ausente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n a perguntar</numerusform>
            <numerusform>%n a perguntar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 e mais</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Abrir no %1</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>Mostrar no %1</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>Ignorar</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>%n link não pode ser mostrado</numerusform>
            <numerusform>%n links não podem ser mostrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>%n link em seu aplicativo padrão</numerusform>
            <numerusform>%n links em seus aplicativos padrão</numerusform>
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
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
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
        <translation>somente em %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>links: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>Verifique a regra correspondente no Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>O Korvane não conseguiu abrir um arquivo</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>Esse arquivo não contém nenhuma regra válida do Korvane.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>A regra %1 desse arquivo tem um nome de aplicativo maior que qualquer nome real, então nenhuma regra foi importada.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>A regra %1 desse arquivo tem um ID de aplicativo maior que qualquer ID real, então nenhuma regra foi importada.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>A regra %1 desse arquivo tem um caminho de aplicativo maior que qualquer caminho real, então nenhuma regra foi importada.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>A regra %1 desse arquivo tem uma extensão maior que qualquer extensão real, então nenhuma regra foi importada.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>%n regra exportada</numerusform>
            <numerusform>%n regras exportadas</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>Não foi possível salvar as regras ali: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>%n regra importada</numerusform>
            <numerusform>%n regras importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>%n regra cujo aplicativo é o próprio Korvane foi deixada de fora</numerusform>
            <numerusform>%n regras cujo aplicativo é o próprio Korvane foram deixadas de fora</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>Todas as regras desse arquivo usam o próprio Korvane como aplicativo. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>Não foi possível importar as regras. %1</translation>
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
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>Arquivos compactados</translation>
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
        <translation>O Korvane não pode ser o aplicativo de suas próprias regras</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>O Korvane não pode ser o aplicativo de suas próprias regras.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>o aplicativo</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>Escolher um aplicativo</translation>
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
        <translation>Filtrar aplicativos</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicativos</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>Somente em pastas</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>A regra se aplica somente a arquivos dentro destas pastas, uma por linha (~ é sua pasta pessoal). Sem nenhuma, ela se aplica em todo lugar.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>A regra também abre estes links, um por linha: um esquema (mailto:), um site e seus subdomínios (example.org) ou um padrão em que * representa qualquer texto (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>&amp;Escolher pasta…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>Cada arquivo abre no aplicativo que sua regra indica</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>Solte arquivos aqui</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Aplicativos padrão</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>Solte aqui para abrir no aplicativo padrão habitual</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>Mostrar no %1</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>Solte aqui para apenas mostrar no %1</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>Por que este aplicativo?</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>Para onde foi cada arquivo solto e por quê</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>Por que este aplicativo?</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>Para onde foi cada arquivo e por quê</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>%1 abre com %2</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: o aplicativo da sua regra não foi encontrado</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: nenhuma regra corresponde</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>Mais %n arquivo não explicado aqui.</numerusform>
            <numerusform>Mais %n arquivos não explicados aqui.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>Não foi possível ler seu arquivo de regras, então ele foi guardado como %1 e um novo foi criado.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>Não foi possível salvar suas regras. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>Inicializações posteriores do Korvane não conseguem acessar esta janela: %1. Até que isso seja corrigido, abrir arquivos com o Korvane pode iniciar outra janela, e os comandos que alteram suas regras ou aplicativos padrão se recusarão a executar.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>Não foi possível salvar suas últimas alterações nas regras.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>Solte em “Aplicativos padrão” para abrir no aplicativo padrão habitual · em “Mostrar no %1” para apenas mostrar no %1</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>Segure %1 ao soltar para abrir no aplicativo padrão habitual · Segure %2 para apenas mostrar no %3</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Adicionar regra</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir arquivo…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Sair do Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>Corrija a regra abaixo.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Aplicativos padrão</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>Escolher outro aplicativo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Abrir com</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>Nenhuma regra corresponde a este arquivo. Qual aplicativo deve abri-lo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>%1 não sugeriu nenhum aplicativo para este arquivo.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>Sempre usar este aplicativo (o arquivo não tem extensão)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>Aplicativos sugeridos</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>Sempre usar este aplicativo para %1</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>Nenhuma regra corresponde a este link. Qual aplicativo deve abri-lo?</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>%1 não sugeriu nenhum aplicativo para este link.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>links %1</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>Sempre usar este aplicativo para %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>Sempre usar este aplicativo (o link não indica nenhum site)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>Adicionar regra</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Excluir regra %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>Regra %1 excluída</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>Mover regra %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>Regra %1 movida</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>Ativar regra %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>Desativar regra %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>Editar regra %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>Importar %n regra</numerusform>
            <numerusform>Importar %n regras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>Tornar padrão</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Arraste para reordenar</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativada</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>Extensões, ex.: md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>Excluir regra</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>nenhum aplicativo</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>Também corresponde ao grupo de tipos: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>Adicionar grupo de tipos…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>Nenhum aplicativo escolhido</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>Aplicativo não encontrado</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>%1 não tem nenhum tipo de arquivo registrado para essas extensões, então não pode ter um aplicativo padrão para elas.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>Nenhum grupo de tipos</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>Outro…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>Arquivos %1 atualmente abrem com %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>regra %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>regra %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>Regra %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>Regra %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>Excluir regra %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>Excluir regra %1: %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensões</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>Limpar extensões</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>Grupo de tipos</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicativo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>Somente em %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>Somente em pastas…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>Links: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>Links…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>Ainda não há regras</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>Adicione uma regra, ou solte um arquivo e escolha um aplicativo.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>Executar ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>Mostrar na %1</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>Este ambiente de trabalho não tem %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>Manter o ícone na %1</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>Preferências do Korvane</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>O ícone na %1 continua visível quando o ícone na %2 está oculto, para que o aplicativo esteja sempre acessível.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>Ao soltar pastas</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>Não foi possível alterar “Executar ao iniciar a sessão”: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>Abrir arquivos para o ambiente de trabalho</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>Cliques duplos no %1 e em outros aplicativos também seguem suas regras. Quando desativado, todos os aplicativos padrão que o Korvane substituiu são restaurados.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>Assumindo os tipos que suas regras indicam…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>Restaurando os aplicativos padrão que o Korvane substituiu…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>%1 não tem nenhuma entrada para o serviço de abertura do Korvane, então nada foi alterado.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>O Korvane abre %n tipo de arquivo para %1.</numerusform>
            <numerusform>O Korvane abre %n tipos de arquivo para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>Abrir também links da web e de e-mail</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>Os links também seguem suas regras; um link que nenhuma regra indica abre no navegador que o Korvane substituiu.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>O Korvane agora abre arquivos para %1; nenhuma regra ativada indica um tipo de arquivo ainda.</translation>
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
        <translation>Mostrar janela</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Abrir arquivo…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nenhum arquivo recente</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar recentes</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>Sair do Korvane</translation>
    </message>
</context>
</TS>
