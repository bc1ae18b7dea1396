<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BaseText</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>ليس %1 ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>حجم %1 أكبر من %2 مي.بايت.</translation>
    </message>
    <message>
        <source>%1 would be larger than %2 MiB, more than Korvane reads back.</source>
        <translation>سيصبح حجم %1 أكبر من %2 مي.بايت، وهو أكثر مما يستطيع Korvane قراءته لاحقًا.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which doesn&apos;t exist.</source>
        <translation>تشير الوصلة %1 إلى %2، وهو غير موجود.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>%1 is being changed by another Korvane; try again.</source>
        <translation>تغيّر نسخة أخرى من Korvane الملف %1 حاليًا؛ حاول مجددًا.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be locked for writing (%2.lock).</source>
        <translation>تعذّر قفل %1 للكتابة (%2.lock).</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Check its rule with &apos;korvane rules&apos;.</source>
        <translation>تحقق من قاعدته باستخدام «korvane rules».</translation>
    </message>
    <message>
        <source>the current folder can&apos;t be read, so the files can&apos;t be found</source>
        <translation>تتعذر قراءة المجلد الحالي، لذا يتعذر العثور على الملفات</translation>
    </message>
    <message>
        <source>%1: the path is too long to hand to an app</source>
        <translation>%1: المسار أطول من أن يُمرَّر إلى تطبيق</translation>
    </message>
    <message>
        <source>the rule couldn&apos;t be saved. %1</source>
        <translation>تعذّر حفظ القاعدة. %1</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>لا تطابق أي قاعدة هذا الملف. أي تطبيق تريد أن يفتحه؟</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <comment>%1: the desktop</comment>
        <translation>لم يقترح %1 أي تطبيقات لهذا الملف.</translation>
    </message>
    <message>
        <source>Number (empty to skip): </source>
        <translation>الرقم (اتركه فارغًا للتخطي): </translation>
    </message>
    <message>
        <source>Choose a number from 1 to %1.</source>
        <translation>اختر رقمًا من 1 إلى %1.</translation>
    </message>
    <message>
        <source>Always use this app for .%1? [Y/n] </source>
        <translation>أأستخدم هذا التطبيق دائمًا لملفات .%1؟ [ن/ل] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short answer yes</comment>
        <translation>ن</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No rules yet.</source>
        <translation>لا قواعد بعد.</translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(بلا امتدادات)</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>بلا تطبيق</translation>
    </message>
    <message>
        <source>app: %1</source>
        <translation>التطبيق: %1</translation>
    </message>
    <message>
        <source>app: %1 (not found)</source>
        <translation>التطبيق: %1 (غير موجود)</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>مُفعّلة</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>معطّلة</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>القاعدة %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>No findings in %n rule(s).</source>
        <translation>
            <numerusform>لا ملاحظات في أي قاعدة.</numerusform>
            <numerusform>لا ملاحظات في قاعدة واحدة.</numerusform>
            <numerusform>لا ملاحظات في قاعدتين.</numerusform>
            <numerusform>لا ملاحظات في %n قواعد.</numerusform>
            <numerusform>لا ملاحظات في %n قاعدة.</numerusform>
            <numerusform>لا ملاحظات في %n قاعدة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n rule(s).</source>
        <comment>%1: a number of findings</comment>
        <translation>
            <numerusform>%1 في %n قاعدة.</numerusform>
            <numerusform>%1 في قاعدة واحدة.</numerusform>
            <numerusform>%1 في قاعدتين.</numerusform>
            <numerusform>%1 في %n قواعد.</numerusform>
            <numerusform>%1 في %n قاعدة.</numerusform>
            <numerusform>%1 في %n قاعدة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>لا ملاحظات</numerusform>
            <numerusform>ملاحظة واحدة</numerusform>
            <numerusform>ملاحظتان</numerusform>
            <numerusform>%n ملاحظات</numerusform>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>there is no rule %1 (there are %n rules)</source>
        <translation>
            <numerusform>لا توجد قاعدة رقمها %1 (لا توجد أي قواعد)</numerusform>
            <numerusform>لا توجد قاعدة رقمها %1 (توجد قاعدة واحدة فقط)</numerusform>
            <numerusform>لا توجد قاعدة رقمها %1 (توجد قاعدتان فقط)</numerusform>
            <numerusform>لا توجد قاعدة رقمها %1 (توجد %n قواعد)</numerusform>
            <numerusform>لا توجد قاعدة رقمها %1 (توجد %n قاعدة)</numerusform>
            <numerusform>لا توجد قاعدة رقمها %1 (توجد %n قاعدة)</numerusform>
        </translation>
    </message>
    <message>
        <source>rule %1 has no replaced defaults on record, so there is nothing to restore</source>
        <translation>لا يوجد في السجل أي تطبيقات مبدئية استبدلتها القاعدة %1، لذا لا شيء لاستعادته</translation>
    </message>
    <message>
        <source>everything asked was done</source>
        <translation>نُفّذ كل ما طُلب</translation>
    </message>
    <message>
        <source>something failed or was refused (a missing file or app, a launch or a write that failed, a default that didn&apos;t change)</source>
        <translation>فشل أمر ما أو رُفض (ملف أو تطبيق مفقود، أو تشغيل أو كتابة فشلا، أو تطبيق مبدئي لم يتغير)</translation>
    </message>
    <message>
        <source>the command was used wrongly</source>
        <translation>استُخدم الأمر بشكل خاطئ</translation>
    </message>
    <message>
        <source>NAME</source>
        <comment>a man page&apos;s section</comment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>route files to the applications your rules name</source>
        <translation>توجيه الملفات إلى التطبيقات التي تحددها قواعدك</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <comment>a man page&apos;s section</comment>
        <translation>الخلاصة</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <comment>a man page&apos;s section</comment>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Without a command, Korvane opens its window; with files, it hands them to
the window as one drop, starting it when it is not running. Each file opens in
the application your rules name for it; a file that no rule claims is asked
about in the window.</source>
        <translation>دون أمر، يفتح Korvane نافذته؛ ومع ملفات، يسلّمها إلى النافذة كإفلات واحد،
ويشغّل النافذة إن لم تكن تعمل. يُفتح كل ملف في التطبيق الذي تحدده قواعدك
له؛ أما الملف الذي لا تطابقه أي قاعدة فيُسأل عنه في النافذة.</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <comment>a man page&apos;s section</comment>
        <translation>الأوامر</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>a man page&apos;s section</comment>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Show the help (also after a command).</source>
        <translation>يعرض المساعدة (بعد أمر أيضًا).</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>يعرض الإصدارة.</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <comment>a man page&apos;s section</comment>
        <translation>حالة الخروج</translation>
    </message>
    <message>
        <source>FILES</source>
        <comment>a man page&apos;s section</comment>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>The rules.</source>
        <translation>القواعد.</translation>
    </message>
    <message>
        <source>The defaults Korvane replaced, for restoring them.</source>
        <translation>التطبيقات المبدئية التي استبدلها Korvane، لاستعادتها.</translation>
    </message>
    <message>
        <source>The settings.</source>
        <translation>الإعدادات.</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <comment>a man page&apos;s section</comment>
        <translation>انظر أيضًا</translation>
    </message>
    <message>
        <source>Routes files to the applications your rules name. Without a
command, opens the window and hands it the files as one drop.</source>
        <translation>يوجّه الملفات إلى التطبيقات التي تحددها قواعدك. دون أمر، يفتح
النافذة ويسلّمها الملفات كإفلات واحد.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>الأوامر:</translation>
    </message>
    <message>
        <source>show this help (also after a command)</source>
        <translation>يعرض هذه المساعدة (بعد أمر أيضًا)</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>يعرض الإصدارة</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>حالة الخروج:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>أمر مجهول «%1»</translation>
    </message>
    <message>
        <source>the Korvane window is running; make this change there, or quit it first</source>
        <translation>نافذة Korvane تعمل؛ أجرِ هذا التغيير فيها، أو أنهِها أولًا</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. Nothing was changed, since it may be using these files.</source>
        <translation>يتعذر الوصول إلى نافذة Korvane: %1. لم يُغيَّر شيء، فقد تكون تستخدم هذه الملفات.</translation>
    </message>
    <message>
        <source>make rule N&apos;s app the default, or put back what it replaced</source>
        <translation>يجعل تطبيق القاعدة N هو المبدئي، أو يعيد ما استبدله</translation>
    </message>
    <message>
        <source>Makes the application of rule N (as &apos;korvane rules&apos; numbers them) the
default for each of its extensions, or puts back the defaults it replaced.</source>
        <translation>يجعل تطبيق القاعدة N (بترقيم «korvane rules») التطبيق المبدئي لكل
امتداد من امتداداتها، أو يعيد التطبيقات المبدئية التي استبدلها.</translation>
    </message>
    <message>
        <source>default takes &apos;set N&apos; or &apos;restore N&apos;</source>
        <translation>يقبل الأمر default «set N» أو «restore N»</translation>
    </message>
    <message>
        <source>open the files as one drop</source>
        <translation>يفتح الملفات كإفلات واحد</translation>
    </message>
    <message>
        <source>Opens the files as one drop: each in the application your rules name, the
files of one application in one launch. A file that no rule claims is
asked about here: type the number of an application, or nothing to skip.</source>
        <translation>يفتح الملفات كإفلات واحد: كلٌّ في التطبيق الذي تحدده قواعدك، وملفات
التطبيق الواحد في تشغيل واحد. أما الملف الذي لا تطابقه أي قاعدة
فيُسأل عنه هنا: اكتب رقم تطبيق، أو لا شيء للتخطي.</translation>
    </message>
    <message>
        <source>Show the files in the file manager instead.</source>
        <translation>يعرض الملفات في مدير الملفات بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>Open them with their usual default applications.</source>
        <translation>يفتحها بتطبيقاتها المبدئية المعتادة.</translation>
    </message>
    <message>
        <source>a file to open</source>
        <translation>ملف لفتحه</translation>
    </message>
    <message>
        <source>open needs at least one FILE</source>
        <translation>يحتاج الأمر open إلى FILE واحد على الأقل</translation>
    </message>
    <message numerus="yes">
        <source>Handed %n file(s) to the Korvane window.</source>
        <translation>
            <numerusform>لم يُسلَّم أي ملف إلى نافذة Korvane.</numerusform>
            <numerusform>سُلّم ملف واحد إلى نافذة Korvane.</numerusform>
            <numerusform>سُلّم ملفان إلى نافذة Korvane.</numerusform>
            <numerusform>سُلّمت %n ملفات إلى نافذة Korvane.</numerusform>
            <numerusform>سُلّم %n ملفًا إلى نافذة Korvane.</numerusform>
            <numerusform>سُلّم %n ملف إلى نافذة Korvane.</numerusform>
        </translation>
    </message>
    <message>
        <source>the Korvane window didn&apos;t say how the drop ended</source>
        <translation>لم تُخبر نافذة Korvane بنتيجة الإفلات</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1; opening here.</source>
        <translation>يتعذر الوصول إلى نافذة Korvane: %1؛ سيجري الفتح هنا.</translation>
    </message>
    <message>
        <source>show where each file would open</source>
        <translation>يعرض أين سيُفتح كل ملف</translation>
    </message>
    <message>
        <source>Shows which application each file would open in, by your rules,
without opening, recording or changing anything.</source>
        <translation>يعرض التطبيق الذي سيُفتح فيه كل ملف حسب قواعدك، دون أن يفتح
أو يسجّل أو يغيّر أي شيء.</translation>
    </message>
    <message>
        <source>a file to route</source>
        <translation>ملف لتوجيهه</translation>
    </message>
    <message>
        <source>route needs at least one FILE</source>
        <translation>يحتاج الأمر route إلى FILE واحد على الأقل</translation>
    </message>
    <message>
        <source>%1 Routing without rules.</source>
        <translation>%1 يجري التوجيه دون قواعد.</translation>
    </message>
    <message>
        <source>not there</source>
        <translation>غير موجود</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found</source>
        <translation>لم يُعثر على %1</translation>
    </message>
    <message>
        <source>no rule matches</source>
        <translation>لا تطابقه أي قاعدة</translation>
    </message>
    <message>
        <source>list or check the rules, import them from FILE or export them to FILE</source>
        <translation>يسرد القواعد أو يفحصها، أو يستوردها من FILE أو يصدّرها إلى FILE</translation>
    </message>
    <message>
        <source>Lists the rules, numbered in routing order; or checks them against this
desktop, one line per finding, and exits 1 when there is any; or adds the
rules of FILE at the end of the list; or writes every rule to FILE.</source>
        <translation>يسرد القواعد مرقّمة بترتيب التوجيه؛ أو يفحصها على سطح المكتب هذا، سطرًا
لكل ملاحظة، ويخرج بالرمز 1 إن وُجدت أي ملاحظة؛ أو يضيف قواعد FILE إلى
نهاية القائمة؛ أو يكتب كل القواعد إلى FILE.</translation>
    </message>
    <message>
        <source>unknown use of rules: %1</source>
        <translation>استخدام مجهول للأمر rules: %1</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1.</source>
        <translation>يتعذر الوصول إلى نافذة Korvane: %1.</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>لا تستجيب</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be reached: %1. This one runs on its own; later starts can&apos;t reach it.</source>
        <translation>يتعذر الوصول إلى نافذة Korvane: %1. ستعمل هذه النسخة وحدها؛ ولن تصل إليها مرات التشغيل اللاحقة.</translation>
    </message>
    <message>
        <source>Korvane was started by Korvane to open these files, so it doesn&apos;t hand them on again. Check the rule whose app runs Korvane.</source>
        <translation>شغّل Korvane نفسَه لفتح هذه الملفات، لذا لن يمرّرها مجددًا. تحقق من القاعدة التي يشغّل تطبيقُها Korvane.</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1: %2.</source>
        <translation>يتعذر تشغيل نافذة Korvane: %1: %2.</translation>
    </message>
    <message>
        <source>Say why: the endings and type considered, each rule&apos;s part, the command that would run and the desktop&apos;s own choice.</source>
        <translation>اشرح السبب: النهايات والنوع المعتبَرة، ودور كل قاعدة، والأمر الذي سيُشغَّل، واختيار سطح المكتب نفسه.</translation>
    </message>
    <message>
        <source>Korvane doesn&apos;t open files for %1.</source>
        <comment>%1: the desktop</comment>
        <translation>لا يفتح Korvane الملفات نيابةً عن %1.</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed</source>
        <comment>%1: the desktop</comment>
        <translation>ليس لدى %1 مدخل لمعالج الملفات في Korvane، لذا لم يُغيَّر شيء</translation>
    </message>
    <message>
        <source>Korvane&apos;s opener couldn&apos;t be given to %1: %2</source>
        <comment>%1: the desktop, %2: why</comment>
        <translation>تعذّر تسجيل معالج الملفات في Korvane لدى %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1 now.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>لا يفتح Korvane الآن أي نوع من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane الآن نوعًا واحدًا من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane الآن نوعين من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane الآن %n أنواع من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane الآن %n نوعًا من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane الآن %n نوع من الملفات نيابةً عن %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <comment>%1: the desktop</comment>
        <translation>يفتح Korvane الآن الملفات نيابةً عن %1؛ لكن لا تذكر أي قاعدة مُفعّلة نوع ملف بعد.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane no longer opens files for %1; %n file type(s) given back.</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>لم يعد Korvane يفتح الملفات نيابةً عن %1؛ لم يُعَد أي نوع من الملفات.</numerusform>
            <numerusform>لم يعد Korvane يفتح الملفات نيابةً عن %1؛ أُعيد نوع واحد من الملفات.</numerusform>
            <numerusform>لم يعد Korvane يفتح الملفات نيابةً عن %1؛ أُعيد نوعان من الملفات.</numerusform>
            <numerusform>لم يعد Korvane يفتح الملفات نيابةً عن %1؛ أُعيدت %n أنواع من الملفات.</numerusform>
            <numerusform>لم يعد Korvane يفتح الملفات نيابةً عن %1؛ أُعيد %n نوعًا من الملفات.</numerusform>
            <numerusform>لم يعد Korvane يفتح الملفات نيابةً عن %1؛ أُعيد %n نوع من الملفات.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file type(s) could not be given back; &apos;korvane opener off&apos; tries again.</source>
        <translation>
            <numerusform>لا أنواع ملفات تعذّرت إعادتها؛ يعيد الأمر «korvane opener off» المحاولة.</numerusform>
            <numerusform>تعذّرت إعادة نوع واحد من الملفات؛ يعيد الأمر «korvane opener off» المحاولة.</numerusform>
            <numerusform>تعذّرت إعادة نوعين من الملفات؛ يعيد الأمر «korvane opener off» المحاولة.</numerusform>
            <numerusform>تعذّرت إعادة %n أنواع من الملفات؛ يعيد الأمر «korvane opener off» المحاولة.</numerusform>
            <numerusform>تعذّرت إعادة %n نوعًا من الملفات؛ يعيد الأمر «korvane opener off» المحاولة.</numerusform>
            <numerusform>تعذّرت إعادة %n نوع من الملفات؛ يعيد الأمر «korvane opener off» المحاولة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Korvane opens files for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>يفتح Korvane الملفات نيابةً عن %1: مفعّل</translation>
    </message>
    <message>
        <source>Korvane opens files for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>يفتح Korvane الملفات نيابةً عن %1: معطّل</translation>
    </message>
    <message>
        <source>in place of no app</source>
        <translation>بلا تطبيق سابق</translation>
    </message>
    <message>
        <source>in place of %1 (no longer installed)</source>
        <translation>بدلًا من %1 (لم يعد مثبّتًا)</translation>
    </message>
    <message>
        <source>in place of %1</source>
        <translation>بدلًا من %1</translation>
    </message>
    <message>
        <source>%1, as %2 said</source>
        <comment>%1: in place of an app, %2: a file</comment>
        <translation>%1، حسب %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file type, what it opened with before</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Open them for the desktop, as its opener: without a window; a file no rule claims opens in the app Korvane replaced.</source>
        <translation>يفتحها نيابةً عن سطح المكتب بوصفه معالج الملفات لديه: دون نافذة؛ ويُفتح الملف الذي لا تطابقه أي قاعدة في التطبيق الذي استبدله Korvane.</translation>
    </message>
    <message>
        <source>--reveal, --with-defaults and --for-desktop exclude each other</source>
        <translation>لا يمكن الجمع بين الخيارات --reveal و --with-defaults و --for-desktop</translation>
    </message>
    <message>
        <source>open files for the desktop by the rules, or stop</source>
        <translation>يفتح الملفات نيابةً عن سطح المكتب حسب القواعد، أو يتوقف عن ذلك</translation>
    </message>
    <message>
        <source>the Korvane window can&apos;t be started: %1.</source>
        <translation>يتعذر تشغيل نافذة Korvane: %1.</translation>
    </message>
    <message>
        <source>&apos;on&apos; makes Korvane the desktop&apos;s default for every file type an enabled rule
names, so that double-clicks follow the rules too; while on, the types follow
the rules. &apos;off&apos; puts back every default it replaced, keeping those you
changed since. &apos;status&apos; lists each type with the app Korvane replaced.
&apos;serve&apos; answers the desktop&apos;s requests over its message bus; the bus starts it.</source>
        <translation>مع «on» يصبح Korvane التطبيق المبدئي لسطح المكتب لكل نوع ملف تذكره قاعدة
مُفعّلة، لكي يتبع النقر المزدوج القواعد أيضًا؛ وما دام مُفعّلًا، تتبع الأنواع
القواعد. ومع «off» يعيد كل تطبيق مبدئي استبدله، مع إبقاء ما غيّرته أنت
منذ ذلك الحين. ومع «status» يسرد كل نوع مع التطبيق الذي استبدله Korvane.
ومع «serve» يجيب عن طلبات سطح المكتب عبر ناقل رسائله؛ والناقل هو من يشغّله.</translation>
    </message>
    <message>
        <source>opener takes &apos;on&apos;, &apos;off&apos;, &apos;status&apos; or &apos;serve&apos;</source>
        <translation>يقبل الأمر opener «on» أو «off» أو «status» أو «serve»</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>لا تطابق أي قاعدة هذا الرابط. أي تطبيق تريد أن يفتحه؟</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <comment>%1: the desktop</comment>
        <translation>لم يقترح %1 أي تطبيقات لهذا الرابط.</translation>
    </message>
    <message>
        <source>Always use this app for %1 links? [Y/n] </source>
        <comment>%1: as mailto:</comment>
        <translation>أأستخدم هذا التطبيق دائمًا لروابط %1؟ [ن/ل] </translation>
    </message>
    <message>
        <source>Always use this app for %1? [Y/n] </source>
        <comment>%1: a site, as example.org</comment>
        <translation>أأستخدم هذا التطبيق دائمًا للموقع %1؟ [ن/ل] </translation>
    </message>
    <message>
        <source>there is no web browser to start</source>
        <translation>لا يوجد متصفح ويب لتشغيله</translation>
    </message>
    <message>
        <source>It opens links for %1 too: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>ويفتح أيضًا الروابط نيابةً عن %1: %2.</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: on</source>
        <comment>%1: the desktop</comment>
        <translation>يفتح Korvane الروابط نيابةً عن %1: مفعّل</translation>
    </message>
    <message>
        <source>Korvane opens links for %1: off</source>
        <comment>%1: the desktop</comment>
        <translation>يفتح Korvane الروابط نيابةً عن %1: معطّل</translation>
    </message>
    <message>
        <source>With &apos;on&apos;: web and mail links too (http, https and every scheme a rule&apos;s links name); a link no rule claims opens in the browser Korvane replaced.</source>
        <translation>مع «on»: روابط الويب والبريد أيضًا (http و https وكل مخطط تذكره روابط قاعدة ما)؛ ويُفتح الرابط الذي لا تطابقه أي قاعدة في المتصفح الذي استبدله Korvane.</translation>
    </message>
    <message>
        <source>--links goes with &apos;opener on&apos; only</source>
        <translation>لا يُستخدم الخيار --links إلا مع «opener on»</translation>
    </message>
    <message>
        <source>It no longer opens links for %1; given back: %2.</source>
        <comment>%1: the desktop, %2: schemes</comment>
        <translation>ولم يعد يفتح الروابط نيابةً عن %1؛ أُعيد: %2.</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>%1 isn&apos;t a record Korvane can read, so it was left as it is.</source>
        <translation>ليس %1 سجلًا يستطيع Korvane قراءته، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>تعذّر إنشاء %1.</translation>
    </message>
    <message>
        <source>%1 is not a rules file.</source>
        <translation>ليس %1 ملف قواعد.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read as rules and couldn&apos;t be kept aside, so it was left as it is.</source>
        <translation>تتعذر قراءة %1 كقواعد وتعذّر الاحتفاظ به جانبًا، لذا تُرك كما هو.</translation>
    </message>
</context>
<context>
    <name>DefaultsText</name>
    <message>
        <source>not restored. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>لم تتم الاستعادة. لم يعتمد %1 التطبيق المبدئي الجديد.</translation>
    </message>
    <message>
        <source>not changed. %1 didn&apos;t take the new default.</source>
        <comment>%1: the desktop</comment>
        <translation>لم يتم التغيير. لم يعتمد %1 التطبيق المبدئي الجديد.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files.</source>
        <translation>لم تتم الاستعادة. ما زال %1 يفتح هذه الملفات.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files.</source>
        <translation>لم يتم التغيير. ما زال %1 يفتح هذه الملفات.</translation>
    </message>
    <message>
        <source>not restored. %1 still opens these files, as set in %2.</source>
        <translation>لم تتم الاستعادة. ما زال %1 يفتح هذه الملفات، حسب الإعداد في %2.</translation>
    </message>
    <message>
        <source>not changed. %1 still opens these files, as set in %2.</source>
        <translation>لم يتم التغيير. ما زال %1 يفتح هذه الملفات، حسب الإعداد في %2.</translation>
    </message>
    <message>
        <source>not possible. %1 has no registered file type for this extension.</source>
        <comment>%1: the desktop</comment>
        <translation>غير ممكن. ليس لدى %1 نوع ملف مسجّل لهذا الامتداد.</translation>
    </message>
    <message>
        <source>%1 is already the default.</source>
        <translation>التطبيق المبدئي هو %1 أصلًا.</translation>
    </message>
    <message>
        <source>not possible. %1</source>
        <comment>%1: why</comment>
        <translation>غير ممكن. %1</translation>
    </message>
    <message>
        <source>done. %1 is now the default.</source>
        <translation>تم. أصبح %1 هو التطبيق المبدئي.</translation>
    </message>
    <message>
        <source>nothing to restore.</source>
        <translation>لا شيء لاستعادته.</translation>
    </message>
    <message>
        <source>not possible to restore.</source>
        <translation>تتعذر الاستعادة.</translation>
    </message>
    <message>
        <source>nothing to restore; the change was cut short before it was made.</source>
        <translation>لا شيء لاستعادته؛ انقطع التغيير قبل إجرائه.</translation>
    </message>
    <message>
        <source>left as it is; its default was removed since.</source>
        <translation>تُرك كما هو؛ فقد أُزيل تطبيقه المبدئي منذ ذلك الحين.</translation>
    </message>
    <message>
        <source>left as it is; you changed it to %1 since.</source>
        <translation>تُرك كما هو؛ فقد غيّرته إلى %1 منذ ذلك الحين.</translation>
    </message>
    <message>
        <source>the previous default app is unknown or no longer installed, so it was left as is.</source>
        <translation>التطبيق المبدئي السابق مجهول أو لم يعد مثبّتًا، لذا تُرك كما هو.</translation>
    </message>
    <message>
        <source>restored; it had no default app before.</source>
        <translation>استُعيد؛ لم يكن له تطبيق مبدئي من قبل.</translation>
    </message>
    <message>
        <source>restored to %1.</source>
        <translation>استُعيد إلى %1.</translation>
    </message>
    <message>
        <source>restored, but the record couldn&apos;t be updated: %1</source>
        <comment>%1: why</comment>
        <translation>استُعيد، لكن تعذّر تحديث السجل: %1</translation>
    </message>
    <message>
        <source>The app for this rule wasn&apos;t found. Choose an app first.</source>
        <translation>لم يُعثر على تطبيق هذه القاعدة. اختر تطبيقًا أولًا.</translation>
    </message>
    <message>
        <source>Add at least one extension first. Type groups can&apos;t be set as defaults.</source>
        <translation>أضف امتدادًا واحدًا على الأقل أولًا. لا يمكن تعيين التطبيق المبدئي لمجموعات الأنواع.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an extension, what became of its default</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not possible while Korvane opens these files for %1; turn &quot;Open files for the desktop&quot; off first.</source>
        <comment>%1: the desktop</comment>
        <translation>غير ممكن ما دام Korvane يفتح هذه الملفات نيابةً عن %1؛ أوقف «افتح الملفات نيابةً عن سطح المكتب» أولًا.</translation>
    </message>
</context>
<context>
    <name>DropText</name>
    <message>
        <source>Couldn&apos;t show the files: %1</source>
        <translation>تعذّر عرض الملفات: %1</translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لم يُظهَر أي مجلد في %1</numerusform>
            <numerusform>أُظهر مجلد واحد في %1</numerusform>
            <numerusform>أُظهر مجلدان في %1</numerusform>
            <numerusform>أُظهرت %n مجلدات في %1</numerusform>
            <numerusform>أُظهر %n مجلدًا في %1</numerusform>
            <numerusform>أُظهر %n مجلد في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Revealed %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لم يُظهَر أي عنصر في %1</numerusform>
            <numerusform>أُظهر عنصر واحد في %1</numerusform>
            <numerusform>أُظهر عنصران في %1</numerusform>
            <numerusform>أُظهرت %n عناصر في %1</numerusform>
            <numerusform>أُظهر %n عنصرًا في %1</numerusform>
            <numerusform>أُظهر %n عنصر في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n folder(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لم يُفتح أي مجلد في %1</numerusform>
            <numerusform>فُتح مجلد واحد في %1</numerusform>
            <numerusform>فُتح مجلدان في %1</numerusform>
            <numerusform>فُتحت %n مجلدات في %1</numerusform>
            <numerusform>فُتح %n مجلدًا في %1</numerusform>
            <numerusform>فُتح %n مجلد في %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) weren&apos;t found: %1.</source>
        <translation>
            <numerusform>لم يُعثر على أي تطبيق: %1.</numerusform>
            <numerusform>لم يُعثر على تطبيق واحد: %1.</numerusform>
            <numerusform>لم يُعثر على تطبيقين: %1.</numerusform>
            <numerusform>لم يُعثر على %n تطبيقات: %1.</numerusform>
            <numerusform>لم يُعثر على %n تطبيقًا: %1.</numerusform>
            <numerusform>لم يُعثر على %n تطبيق: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>لم يُفتح أي ملف في %1</numerusform>
            <numerusform>فُتح ملف واحد في %1</numerusform>
            <numerusform>فُتح ملفان في %1</numerusform>
            <numerusform>فُتحت %n ملفات في %1</numerusform>
            <numerusform>فُتح %n ملفًا في %1</numerusform>
            <numerusform>فُتح %n ملف في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n file(s) in %1</source>
        <comment>%1: a number of apps</comment>
        <translation>
            <numerusform>لم يُفتح أي ملف في %1</numerusform>
            <numerusform>فُتح ملف واحد في %1</numerusform>
            <numerusform>فُتح ملفان في %1</numerusform>
            <numerusform>فُتحت %n ملفات في %1</numerusform>
            <numerusform>فُتح %n ملفًا في %1</numerusform>
            <numerusform>فُتح %n ملف في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <comment>files opened in them</comment>
        <translation>
            <numerusform>%n تطبيق</numerusform>
            <numerusform>تطبيق واحد</numerusform>
            <numerusform>تطبيقين</numerusform>
            <numerusform>%n تطبيقات</numerusform>
            <numerusform>%n تطبيقًا</numerusform>
            <numerusform>%n تطبيق</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Those files aren&apos;t there any more.</source>
        <translation>
            <numerusform>لم تعد تلك الملفات موجودة.</numerusform>
            <numerusform>لم يعد ذلك الملف موجودًا.</numerusform>
            <numerusform>لم يعد ذانك الملفان موجودين.</numerusform>
            <numerusform>لم تعد تلك الملفات موجودة.</numerusform>
            <numerusform>لم تعد تلك الملفات موجودة.</numerusform>
            <numerusform>لم تعد تلك الملفات موجودة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Asked %1 to open %n item(s)</source>
        <comment>%1: the desktop</comment>
        <translation>
            <numerusform>لم يُطلب من %1 فتح أي عنصر</numerusform>
            <numerusform>طُلب من %1 فتح عنصر واحد</numerusform>
            <numerusform>طُلب من %1 فتح عنصرين</numerusform>
            <numerusform>طُلب من %1 فتح %n عناصر</numerusform>
            <numerusform>طُلب من %1 فتح %n عنصرًا</numerusform>
            <numerusform>طُلب من %1 فتح %n عنصر</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 couldn&apos;t open the file (%2)</source>
        <translation>تعذّر على %1 فتح الملف (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Ignored %n folder(s)</source>
        <translation>
            <numerusform>لم يجرِ تجاهل أي مجلد</numerusform>
            <numerusform>جرى تجاهل مجلد واحد</numerusform>
            <numerusform>جرى تجاهل مجلدين</numerusform>
            <numerusform>جرى تجاهل %n مجلدات</numerusform>
            <numerusform>جرى تجاهل %n مجلدًا</numerusform>
            <numerusform>جرى تجاهل %n مجلد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing</source>
        <comment>files</comment>
        <translation>
            <numerusform>لا ملفات مفقودة</numerusform>
            <numerusform>ملف واحد مفقود</numerusform>
            <numerusform>ملفان مفقودان</numerusform>
            <numerusform>%n ملفات مفقودة</numerusform>
            <numerusform>%n ملفًا مفقودًا</numerusform>
            <numerusform>%n ملف مفقود</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>لا ملفات في %1</numerusform>
            <numerusform>ملف واحد في %1</numerusform>
            <numerusform>ملفان في %1</numerusform>
            <numerusform>%n ملفات في %1</numerusform>
            <numerusform>%n ملفًا في %1</numerusform>
            <numerusform>%n ملف في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Opened %n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>لم يُفتح أي رابط في %1</numerusform>
            <numerusform>فُتح رابط واحد في %1</numerusform>
            <numerusform>فُتح رابطان في %1</numerusform>
            <numerusform>فُتحت %n روابط في %1</numerusform>
            <numerusform>فُتح %n رابطًا في %1</numerusform>
            <numerusform>فُتح %n رابط في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in %1</source>
        <comment>%1: an app&apos;s name</comment>
        <translation>
            <numerusform>لا روابط في %1</numerusform>
            <numerusform>رابط واحد في %1</numerusform>
            <numerusform>رابطان في %1</numerusform>
            <numerusform>%n روابط في %1</numerusform>
            <numerusform>%n رابطًا في %1</numerusform>
            <numerusform>%n رابط في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لا روابط يتعذر إظهارها في %1</numerusform>
            <numerusform>يتعذر إظهار رابط واحد في %1</numerusform>
            <numerusform>يتعذر إظهار رابطين في %1</numerusform>
            <numerusform>يتعذر إظهار %n روابط في %1</numerusform>
            <numerusform>يتعذر إظهار %n رابطًا في %1</numerusform>
            <numerusform>يتعذر إظهار %n رابط في %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExplainText</name>
    <message>
        <source>; </source>
        <comment>between a rule&apos;s parts</comment>
        <translation>؛ </translation>
    </message>
    <message>
        <source>(no extensions)</source>
        <translation>(بلا امتدادات)</translation>
    </message>
    <message>
        <source>also applies, but rule %1 takes the file first</source>
        <translation>تنطبق أيضًا، لكن القاعدة %1 تأخذ الملف أولًا</translation>
    </message>
    <message>
        <source>applies: it names %1</source>
        <translation>تنطبق: تذكر %1</translation>
    </message>
    <message>
        <source>applies: the type is in its group</source>
        <translation>تنطبق: النوع ضمن مجموعتها</translation>
    </message>
    <message>
        <source>applies: the file is in its folders</source>
        <translation>تنطبق: الملف داخل مجلداتها</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>متوقفة</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>بلا تطبيق</translation>
    </message>
    <message>
        <source>the file is outside its folders</source>
        <translation>الملف خارج مجلداتها</translation>
    </message>
    <message>
        <source>doesn&apos;t apply</source>
        <translation>لا تنطبق</translation>
    </message>
    <message>
        <source>endings: none</source>
        <translation>النهايات: لا شيء</translation>
    </message>
    <message>
        <source>endings: %1</source>
        <translation>النهايات: %1</translation>
    </message>
    <message>
        <source>type: %1</source>
        <translation>النوع: %1</translation>
    </message>
    <message>
        <source>parents: %1</source>
        <translation>الأصول: %1</translation>
    </message>
    <message>
        <source>also called: %1</source>
        <translation>يُسمّى أيضًا: %1</translation>
    </message>
    <message>
        <source>type: unknown</source>
        <translation>النوع: غير معروف</translation>
    </message>
    <message>
        <source>rule %1 (%2): %3</source>
        <translation>القاعدة %1 (%2): %3</translation>
    </message>
    <message>
        <source>runs: %1</source>
        <translation>يُشغِّل: %1</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane</source>
        <translation>سطح المكتب: يفتحه عبر Korvane</translation>
    </message>
    <message>
        <source>the desktop: opens it through Korvane, as %1 says</source>
        <translation>سطح المكتب: يفتحه عبر Korvane، كما يقول %1</translation>
    </message>
    <message>
        <source>without Korvane: no app</source>
        <translation>دون Korvane: لا تطبيق</translation>
    </message>
    <message>
        <source>without Korvane: %1</source>
        <translation>دون Korvane: %1</translation>
    </message>
    <message>
        <source>without Korvane: %1, as %2 says</source>
        <translation>دون Korvane: %1، كما يقول %2</translation>
    </message>
    <message>
        <source>applies: its links name it (%1)</source>
        <translation>تنطبق: تذكره روابطها (%1)</translation>
    </message>
</context>
<context>
    <name>FindingText</name>
    <message>
        <source>matches nothing: it has no extensions and no type group.</source>
        <translation>لا تطابق شيئًا: ليس لها امتدادات ولا مجموعة أنواع.</translation>
    </message>
    <message>
        <source>choose an app for this rule.</source>
        <translation>اختر تطبيقًا لهذه القاعدة.</translation>
    </message>
    <message>
        <source>%1 by rule %2</source>
        <comment>an extension or group, a rule&apos;s number</comment>
        <translation>%1 بواسطة القاعدة %2</translation>
    </message>
    <message>
        <source>never applies: earlier rules take all its files (%1).</source>
        <translation>لا تُطبَّق أبدًا: تأخذ القواعد السابقة كل ملفاتها (%1).</translation>
    </message>
    <message>
        <source>%1 wasn&apos;t found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>%1 takes one file at a time: a drop of several files starts it once for each, never once for all.</source>
        <translation>يقبل %1 ملفًا واحدًا في كل مرة: إفلات عدة ملفات يشغّله مرة لكل ملف، لا مرة واحدة لها جميعًا.</translation>
    </message>
    <message>
        <source>%1 is also in rule %2, which wins for it.</source>
        <comment>%1: an extension</comment>
        <translation>يوجد %1 أيضًا في القاعدة %2، ولها الأولوية فيه.</translation>
    </message>
    <message>
        <source>%1 can&apos;t end any file name.</source>
        <comment>%1: an extension</comment>
        <translation>لا يمكن أن ينتهي أي اسم ملف بـ %1.</translation>
    </message>
    <message>
        <source>%1 has no registered type for %2, so &quot;Make default&quot; can&apos;t work for it; routing still does.</source>
        <comment>%1: the desktop, %2: an extension</comment>
        <translation>ليس لدى %1 نوع ملف مسجّل للامتداد %2، لذا لا يعمل «اجعله المبدئي» معه؛ لكن التوجيه ما زال يعمل.</translation>
    </message>
    <message>
        <source>the folder %1 doesn&apos;t exist.</source>
        <translation>المجلد %1 غير موجود.</translation>
    </message>
    <message>
        <source>inside %1, rule %2 takes its %3 files first.</source>
        <comment>%1: a folder, %3: an extension</comment>
        <translation>داخل %1، تسبقها القاعدة %2 إلى ملفات %3.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a file: link opens as a file.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>لا يمكن أن يطابق %1 أي رابط: فالرابط file: يُفتح كملف.</translation>
    </message>
    <message>
        <source>%1 can&apos;t match any link: a link starts with its scheme, as https://.</source>
        <comment>%1: a rule&apos;s link condition</comment>
        <translation>لا يمكن أن يطابق %1 أي رابط: فالرابط يبدأ بمخططه، مثل https://.</translation>
    </message>
    <message>
        <source>%1 matches no link as written; write the site alone, as %2, and it matches over http and https.</source>
        <comment>%1: a web link, %2: its host</comment>
        <translation>لا يطابق %1 أي رابط بصيغته المكتوبة؛ اكتب الموقع وحده، مثل %2، فيطابق عبر http و https.</translation>
    </message>
    <message>
        <source>rule %1 takes its %2 links first.</source>
        <comment>%2: a rule&apos;s link condition</comment>
        <translation>تسبقها القاعدة %1 إلى روابط %2.</translation>
    </message>
</context>
<context>
    <name>GuiFileDialogs</name>
    <message>
        <source>Export Rules</source>
        <translation>تصدير القواعد</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>ملفات JSON (*.json)</translation>
    </message>
    <message>
        <source>Import Rules</source>
        <translation>استيراد القواعد</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
</context>
<context>
    <name>InstanceText</name>
    <message>
        <source>%1 answers as another user</source>
        <translation>يستجيب %1 كمستخدم آخر</translation>
    </message>
    <message>
        <source>it doesn&apos;t answer</source>
        <translation>لا تستجيب</translation>
    </message>
    <message>
        <source>it didn&apos;t understand the request</source>
        <translation>لم تفهم الطلب</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read: %2</source>
        <translation>تتعذر قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>المسار %1 وصلة رمزية</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>ليس %1 مجلدًا</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>ينتمي %1 إلى مستخدم آخر</translation>
    </message>
    <message>
        <source>other users can enter %1</source>
        <translation>يمكن لمستخدمين آخرين دخول %1</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made: %2</source>
        <translation>تعذّر إنشاء %1: %2</translation>
    </message>
    <message>
        <source>%1 is too long a path for a socket</source>
        <translation>المسار %1 أطول من أن يُستخدم لمقبس</translation>
    </message>
    <message>
        <source>its socket couldn&apos;t be made: %1</source>
        <translation>تعذّر إنشاء مقبسها: %1</translation>
    </message>
</context>
<context>
    <name>PlatformText</name>
    <message>
        <source>your desktop</source>
        <translation>سطح مكتبك</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>مدير الملفات</translation>
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
        <translation>صينية النظام</translation>
    </message>
    <message>
        <source>taskbar</source>
        <translation>شريط المهام</translation>
    </message>
    <message>
        <source>%1 is not an installed application.</source>
        <translation>ليس %1 تطبيقًا مثبّتًا.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be removed.</source>
        <translation>تعذّرت إزالة %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be made.</source>
        <translation>تعذّر إنشاء %1.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be written: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>%1 changed meanwhile; try again.</source>
        <translation>تغيّر %1 في أثناء ذلك؛ حاول مجددًا.</translation>
    </message>
    <message>
        <source>the record of the change is incomplete.</source>
        <translation>سجل التغيير غير مكتمل.</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>لم يعد %1 موجودًا.</translation>
    </message>
    <message>
        <source>the desktop&apos;s message bus can&apos;t be reached: %1</source>
        <translation>يتعذر الوصول إلى ناقل رسائل سطح المكتب: %1</translation>
    </message>
    <message>
        <source>another process answers for %1</source>
        <translation>تستجيب عملية أخرى باسم %1</translation>
    </message>
</context>
<context>
    <name>PreviewText</name>
    <message numerus="yes">
        <source>%n folder(s) → open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لا مجلدات ← فتح في %1</numerusform>
            <numerusform>مجلد واحد ← فتح في %1</numerusform>
            <numerusform>مجلدان ← فتح في %1</numerusform>
            <numerusform>%n مجلدات ← فتح في %1</numerusform>
            <numerusform>%n مجلدًا ← فتح في %1</numerusform>
            <numerusform>%n مجلد ← فتح في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) → reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لا مجلدات ← إظهار في %1</numerusform>
            <numerusform>مجلد واحد ← إظهار في %1</numerusform>
            <numerusform>مجلدان ← إظهار في %1</numerusform>
            <numerusform>%n مجلدات ← إظهار في %1</numerusform>
            <numerusform>%n مجلدًا ← إظهار في %1</numerusform>
            <numerusform>%n مجلد ← إظهار في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) ignored</source>
        <translation>
            <numerusform>لا يُتجاهل أي مجلد</numerusform>
            <numerusform>يُتجاهل مجلد واحد</numerusform>
            <numerusform>يُتجاهل مجلدان</numerusform>
            <numerusform>تُتجاهل %n مجلدات</numerusform>
            <numerusform>يُتجاهل %n مجلدًا</numerusform>
            <numerusform>يُتجاهل %n مجلد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) and more in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>أظهِر %n عنصر وأكثر في %1</numerusform>
            <numerusform>أظهِر عنصرًا واحدًا وأكثر في %1</numerusform>
            <numerusform>أظهِر عنصرين وأكثر في %1</numerusform>
            <numerusform>أظهِر %n عناصر وأكثر في %1</numerusform>
            <numerusform>أظهِر %n عنصرًا وأكثر في %1</numerusform>
            <numerusform>أظهِر %n عنصر وأكثر في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reveal %n item(s) in %1</source>
        <comment>%1: the file manager</comment>
        <translation>
            <numerusform>لا عناصر لإظهارها في %1</numerusform>
            <numerusform>أظهِر عنصرًا واحدًا في %1</numerusform>
            <numerusform>أظهِر عنصرين في %1</numerusform>
            <numerusform>أظهِر %n عناصر في %1</numerusform>
            <numerusform>أظهِر %n عنصرًا في %1</numerusform>
            <numerusform>أظهِر %n عنصر في %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) and more in their default apps</source>
        <translation>
            <numerusform>افتح الملفات في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح ملفًا واحدًا وأكثر في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح ملفين وأكثر في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح %n ملفات وأكثر في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح %n ملفًا وأكثر في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح %n ملف وأكثر في تطبيقاتها المبدئية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %n file(s) in their default apps</source>
        <translation>
            <numerusform>لا ملفات لفتحها في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح ملفًا واحدًا في تطبيقه المبدئي</numerusform>
            <numerusform>افتح ملفين في تطبيقاتهما المبدئية</numerusform>
            <numerusform>افتح %n ملفات في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح %n ملفًا في تطبيقاتها المبدئية</numerusform>
            <numerusform>افتح %n ملف في تطبيقاتها المبدئية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>لا ملفات ← %1</numerusform>
            <numerusform>ملف واحد ← %1</numerusform>
            <numerusform>ملفان ← %1</numerusform>
            <numerusform>%n ملفات ← %1</numerusform>
            <numerusform>%n ملفًا ← %1</numerusform>
            <numerusform>%n ملف ← %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n → %1</source>
        <comment>files, %1: an app</comment>
        <translation>
            <numerusform>%n ← %1</numerusform>
            <numerusform>%n ← %1</numerusform>
            <numerusform>%n ← %1</numerusform>
            <numerusform>%n ← %1</numerusform>
            <numerusform>%n ← %1</numerusform>
            <numerusform>%n ← %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n for a missing app</source>
        <comment>files</comment>
        <translation>
            <numerusform>لا ملفات لتطبيق مفقود</numerusform>
            <numerusform>ملف واحد لتطبيق مفقود</numerusform>
            <numerusform>ملفان لتطبيق مفقود</numerusform>
            <numerusform>%n ملفات لتطبيق مفقود</numerusform>
            <numerusform>%n ملفًا لتطبيق مفقود</numerusform>
            <numerusform>%n ملف لتطبيق مفقود</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n will ask</source>
        <comment>files</comment>
        <translation>
            <numerusform>لا ملفات سيُسأل عنها</numerusform>
            <numerusform>ملف واحد سيُسأل عنه</numerusform>
            <numerusform>ملفان سيُسأل عنهما</numerusform>
            <numerusform>%n ملفات سيُسأل عنها</numerusform>
            <numerusform>%n ملفًا سيُسأل عنها</numerusform>
            <numerusform>%n ملف سيُسأل عنها</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and more</source>
        <comment>a drag&apos;s preview of many files</comment>
        <translation>%1 وأكثر</translation>
    </message>
    <message>
        <source>Open in %1</source>
        <comment>%1: the file manager</comment>
        <translation>افتح في %1</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <comment>%1: the file manager</comment>
        <translation>أظهِر في %1</translation>
    </message>
    <message>
        <source>Ignore</source>
        <comment>folders</comment>
        <translation>تجاهل</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) can&apos;t be revealed</source>
        <translation>
            <numerusform>لا روابط يتعذر إظهارها</numerusform>
            <numerusform>يتعذر إظهار رابط واحد</numerusform>
            <numerusform>يتعذر إظهار رابطين</numerusform>
            <numerusform>يتعذر إظهار %n روابط</numerusform>
            <numerusform>يتعذر إظهار %n رابطًا</numerusform>
            <numerusform>يتعذر إظهار %n رابط</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) in their default apps</source>
        <translation>
            <numerusform>لا روابط في تطبيقاتها المبدئية</numerusform>
            <numerusform>رابط واحد في تطبيقه المبدئي</numerusform>
            <numerusform>رابطان في تطبيقاتهما المبدئية</numerusform>
            <numerusform>%n روابط في تطبيقاتها المبدئية</numerusform>
            <numerusform>%n رابطًا في تطبيقاتها المبدئية</numerusform>
            <numerusform>%n رابط في تطبيقاتها المبدئية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) → %1</source>
        <comment>%1: an app</comment>
        <translation>
            <numerusform>لا روابط ← %1</numerusform>
            <numerusform>رابط واحد ← %1</numerusform>
            <numerusform>رابطان ← %1</numerusform>
            <numerusform>%n روابط ← %1</numerusform>
            <numerusform>%n رابطًا ← %1</numerusform>
            <numerusform>%n رابط ← %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>‎الاستخدام:‎ %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>خيارات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RuleText</name>
    <message>
        <source>group: %1</source>
        <translation>المجموعة: %1</translation>
    </message>
    <message>
        <source>only in %1</source>
        <translation>فقط في %1</translation>
    </message>
    <message>
        <source>links: %1</source>
        <translation>الروابط: %1</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>Check its rule in Korvane.</source>
        <translation>تحقق من قاعدته في Korvane.</translation>
    </message>
    <message>
        <source>Korvane couldn&apos;t open a file</source>
        <translation>تعذّر على Korvane فتح ملف</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>%1 doesn&apos;t exist.</source>
        <translation>الملف %1 غير موجود.</translation>
    </message>
    <message>
        <source>That file doesn&apos;t contain any valid Korvane rules.</source>
        <translation>لا يحتوي ذلك الملف على أي قواعد Korvane صالحة.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app name longer than any real one, so no rules were imported.</source>
        <translation>في القاعدة %1 من ذلك الملف اسم تطبيق أطول من أي اسم حقيقي، لذا لم تُستورد أي قاعدة.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app ID longer than any real one, so no rules were imported.</source>
        <translation>في القاعدة %1 من ذلك الملف معرّف تطبيق أطول من أي معرّف حقيقي، لذا لم تُستورد أي قاعدة.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an app path longer than any real one, so no rules were imported.</source>
        <translation>في القاعدة %1 من ذلك الملف مسار تطبيق أطول من أي مسار حقيقي، لذا لم تُستورد أي قاعدة.</translation>
    </message>
    <message>
        <source>Rule %1 of that file has an extension longer than any real one, so no rules were imported.</source>
        <translation>في القاعدة %1 من ذلك الملف امتداد أطول من أي امتداد حقيقي، لذا لم تُستورد أي قاعدة.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n rule(s)</source>
        <translation>
            <numerusform>لم تُصدَّر أي قاعدة</numerusform>
            <numerusform>صُدّرت قاعدة واحدة</numerusform>
            <numerusform>صُدّرت قاعدتان</numerusform>
            <numerusform>صُدّرت %n قواعد</numerusform>
            <numerusform>صُدّرت %n قاعدة</numerusform>
            <numerusform>صُدّرت %n قاعدة</numerusform>
        </translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be saved there: %1</source>
        <translation>تعذّر حفظ القواعد هناك: %1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n rule(s)</source>
        <translation>
            <numerusform>لم تُستورد أي قاعدة</numerusform>
            <numerusform>استُوردت قاعدة واحدة</numerusform>
            <numerusform>استُوردت قاعدتان</numerusform>
            <numerusform>استُوردت %n قواعد</numerusform>
            <numerusform>استُوردت %n قاعدة</numerusform>
            <numerusform>استُوردت %n قاعدة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n rule(s) naming Korvane itself</source>
        <translation>
            <numerusform>لم تُستبعد أي قاعدة تطبيقها Korvane نفسه</numerusform>
            <numerusform>استُبعدت قاعدة واحدة تطبيقها Korvane نفسه</numerusform>
            <numerusform>استُبعدت قاعدتان تطبيقهما Korvane نفسه</numerusform>
            <numerusform>استُبعدت %n قواعد تطبيقها Korvane نفسه</numerusform>
            <numerusform>استُبعدت %n قاعدة تطبيقها Korvane نفسه</numerusform>
            <numerusform>استُبعدت %n قاعدة تطبيقها Korvane نفسه</numerusform>
        </translation>
    </message>
    <message>
        <source>That file&apos;s rules all name Korvane itself. %1</source>
        <translation>كل قواعد ذلك الملف تطبيقها Korvane نفسه. %1</translation>
    </message>
    <message>
        <source>The rules couldn&apos;t be imported. %1</source>
        <translation>تعذّر استيراد القواعد. %1</translation>
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
        <translation>نصوص</translation>
    </message>
    <message>
        <source>Images</source>
        <comment>a type group</comment>
        <translation>صور</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>a type group</comment>
        <translation>صوتيات</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>a type group</comment>
        <translation>فيديو</translation>
    </message>
    <message>
        <source>Archives</source>
        <comment>a type group</comment>
        <translation>أرشيفات</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>a type group</comment>
        <translation>شفرات برمجية</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between names in a list</comment>
        <translation>، </translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules</source>
        <comment>a line of its own</comment>
        <translation>لا يستطيع Korvane فتح الملفات لقواعد تطبيقها Korvane نفسه</translation>
    </message>
    <message>
        <source>Korvane can&apos;t open files for its own rules.</source>
        <translation>لا يستطيع Korvane فتح الملفات لقواعد تطبيقها Korvane نفسه.</translation>
    </message>
    <message>
        <source>the app</source>
        <translation>التطبيق</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooser</name>
    <message>
        <source>Choose an App</source>
        <translation>اختر تطبيقًا</translation>
    </message>
</context>
<context>
    <name>korvane::AppChooserDialog</name>
    <message>
        <source>Filter</source>
        <translation>رشّح</translation>
    </message>
    <message>
        <source>Filter apps</source>
        <translation>رشّح التطبيقات</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>التطبيقات</translation>
    </message>
</context>
<context>
    <name>korvane::ConditionsDialog</name>
    <message>
        <source>Only in Folders</source>
        <translation>في مجلدات معيّنة فقط</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>الروابط</translation>
    </message>
    <message>
        <source>The rule applies only to files inside these folders, one per line (~ is your home folder). With none, it applies everywhere.</source>
        <translation>لا تنطبق القاعدة إلا على الملفات داخل هذه المجلدات، مجلد في كل سطر (~ هو مجلد المنزل). وإن لم يوجد أي مجلد، تنطبق في كل مكان.</translation>
    </message>
    <message>
        <source>The rule also opens these links, one per line: a scheme (mailto:), a site and its subdomains (example.org), or a pattern where * stands for any text (https://github.com/*/pull/*).</source>
        <translation>تفتح القاعدة أيضًا هذه الروابط، رابط في كل سطر: مخطط (mailto:)، أو موقع ونطاقاته الفرعية (example.org)، أو نمط تمثّل فيه * أي نص (https://github.com/*/pull/*).</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>&amp;Choose Folder…</source>
        <translation>&amp;اختر مجلدًا…</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>اختر مجلدًا</translation>
    </message>
</context>
<context>
    <name>korvane::DropZone</name>
    <message>
        <source>Each file opens in the app its rule names</source>
        <translation>يُفتح كل ملف في التطبيق الذي تحدده قاعدته</translation>
    </message>
    <message>
        <source>Drop files here</source>
        <translation>أفلت الملفات هنا</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>التطبيقات المبدئية</translation>
    </message>
    <message>
        <source>Drop here to open in the normal default app</source>
        <translation>أفلت هنا للفتح في التطبيق المبدئي المعتاد</translation>
    </message>
    <message>
        <source>the file manager</source>
        <translation>مدير الملفات</translation>
    </message>
    <message>
        <source>Reveal in %1</source>
        <translation>أظهِر في %1</translation>
    </message>
    <message>
        <source>Drop here to just reveal in %1</source>
        <translation>أفلت هنا للإظهار فقط في %1</translation>
    </message>
    <message>
        <source>Why this app?</source>
        <translation>لماذا هذا التطبيق؟</translation>
    </message>
    <message>
        <source>Why each file of the drop went where it went</source>
        <translation>لماذا ذهب كل ملف من الإفلات إلى حيث ذهب</translation>
    </message>
</context>
<context>
    <name>korvane::ExplainDialog</name>
    <message>
        <source>Why This App?</source>
        <translation>لماذا هذا التطبيق؟</translation>
    </message>
    <message>
        <source>Why each file went where it went</source>
        <translation>لماذا ذهب كل ملف إلى حيث ذهب</translation>
    </message>
    <message>
        <source>%1 opens in %2</source>
        <comment>%1: a file, %2: an app</comment>
        <translation>يُفتح %1 في %2</translation>
    </message>
    <message>
        <source>%1: its rule&apos;s app wasn&apos;t found</source>
        <comment>%1: a file</comment>
        <translation>%1: لم يُعثر على تطبيق قاعدته</translation>
    </message>
    <message>
        <source>%1: no rule matches</source>
        <comment>%1: a file</comment>
        <translation>%1: لا تطابقه أي قاعدة</translation>
    </message>
    <message numerus="yes">
        <source>%n more file(s) not explained here.</source>
        <translation>
            <numerusform>لا ملفات أخرى غير مشروحة هنا.</numerusform>
            <numerusform>ملف آخر غير مشروح هنا.</numerusform>
            <numerusform>ملفان آخران غير مشروحين هنا.</numerusform>
            <numerusform>%n ملفات أخرى غير مشروحة هنا.</numerusform>
            <numerusform>%n ملفًا آخر غير مشروح هنا.</numerusform>
            <numerusform>%n ملف آخر غير مشروح هنا.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::GuiApp</name>
    <message>
        <source>Your rules file couldn&apos;t be read, so it was kept as %1 and a new one was started.</source>
        <translation>تعذّرت قراءة ملف قواعدك، لذا احتُفظ به باسم %1 وبُدئ ملف جديد.</translation>
    </message>
    <message>
        <source>Your rules couldn&apos;t be saved. %1</source>
        <translation>تعذّر حفظ قواعدك. %1</translation>
    </message>
    <message>
        <source>Later starts of Korvane can&apos;t reach this window: %1. Until that is fixed, opening files with Korvane may start another window, and the commands that change your rules or default apps refuse to run.</source>
        <translation>لا تستطيع مرات تشغيل Korvane اللاحقة الوصول إلى هذه النافذة: %1. وإلى أن يُصلَح ذلك، قد يشغّل فتحُ الملفات بـ Korvane نافذةً أخرى، وسترفض الأوامر التي تغيّر قواعدك أو تطبيقاتك المبدئية العمل.</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Your last changes to the rules couldn&apos;t be saved.</source>
        <translation>تعذّر حفظ آخر تغييراتك على القواعد.</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Drop on “Default apps” to open in the normal default app · on “Reveal in %1” to just reveal in %1</source>
        <translation>أفلت على «التطبيقات المبدئية» للفتح في التطبيق المبدئي المعتاد · وعلى «أظهِر في %1» للإظهار فقط في %1</translation>
    </message>
    <message>
        <source>Hold %1 while dropping to open in the normal default app · Hold %2 to just reveal in %3</source>
        <translation>أبقِ %1 مضغوطًا أثناء الإفلات للفتح في التطبيق المبدئي المعتاد · وأبقِ %2 مضغوطًا للإظهار فقط في %3</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>أضف قاعدة</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استورد</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>صدّر</translation>
    </message>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>افتح ملفًا…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>أنهِ Korvane</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>أعِد</translation>
    </message>
    <message>
        <source>Fix the rule below.</source>
        <translation>أصلح القاعدة أدناه.</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>التطبيقات المبدئية</translation>
    </message>
</context>
<context>
    <name>korvane::PendingFilesDialog</name>
    <message>
        <source>Choose another app…</source>
        <translation>اختر تطبيقًا آخر…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>افتح باستخدام</translation>
    </message>
    <message>
        <source>No rule matches this file. Which app should open it?</source>
        <translation>لا تطابق أي قاعدة هذا الملف. أي تطبيق تريد أن يفتحه؟</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this file.</source>
        <translation>لم يقترح %1 أي تطبيقات لهذا الملف.</translation>
    </message>
    <message>
        <source>Always use this app (file has no extension)</source>
        <translation>استخدم هذا التطبيق دائمًا (الملف بلا امتداد)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Suggested apps</source>
        <translation>التطبيقات المقترحة</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: an extension</comment>
        <translation>استخدم هذا التطبيق دائمًا لملفات %1</translation>
    </message>
    <message>
        <source>No rule matches this link. Which app should open it?</source>
        <translation>لا تطابق أي قاعدة هذا الرابط. أي تطبيق تريد أن يفتحه؟</translation>
    </message>
    <message>
        <source>%1 didn&apos;t suggest any apps for this link.</source>
        <translation>لم يقترح %1 أي تطبيقات لهذا الرابط.</translation>
    </message>
    <message>
        <source>%1 links</source>
        <comment>%1: a scheme, as mailto:</comment>
        <translation>روابط %1</translation>
    </message>
    <message>
        <source>Always use this app for %1</source>
        <comment>%1: a site, as example.org</comment>
        <translation>استخدم هذا التطبيق دائمًا لفتح %1</translation>
    </message>
    <message>
        <source>Always use this app (the link names no site)</source>
        <translation>استخدم هذا التطبيق دائمًا (الرابط لا يسمّي موقعًا)</translation>
    </message>
</context>
<context>
    <name>korvane::RuleHistory</name>
    <message>
        <source>Add rule</source>
        <translation>إضافة قاعدة</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>حذف القاعدة %1</translation>
    </message>
    <message>
        <source>Deleted rule %1</source>
        <translation>حُذفت القاعدة %1</translation>
    </message>
    <message>
        <source>Move rule %1</source>
        <translation>نقل القاعدة %1</translation>
    </message>
    <message>
        <source>Moved rule %1</source>
        <translation>نُقلت القاعدة %1</translation>
    </message>
    <message>
        <source>Turn on rule %1</source>
        <translation>تفعيل القاعدة %1</translation>
    </message>
    <message>
        <source>Turn off rule %1</source>
        <translation>تعطيل القاعدة %1</translation>
    </message>
    <message>
        <source>Edit rule %1</source>
        <translation>تحرير القاعدة %1</translation>
    </message>
    <message numerus="yes">
        <source>Import %n rule(s)</source>
        <translation>
            <numerusform>استيراد القواعد</numerusform>
            <numerusform>استيراد قاعدة واحدة</numerusform>
            <numerusform>استيراد قاعدتين</numerusform>
            <numerusform>استيراد %n قواعد</numerusform>
            <numerusform>استيراد %n قاعدة</numerusform>
            <numerusform>استيراد %n قاعدة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvane::RuleRow</name>
    <message>
        <source>Make default</source>
        <translation>اجعله المبدئي</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعِد</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>اسحب لإعادة الترتيب</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>مُفعّلة</translation>
    </message>
    <message>
        <source>Extensions, e.g. md, markdown</source>
        <translation>الامتدادات، مثل md, markdown</translation>
    </message>
    <message>
        <source>Delete rule</source>
        <translation>احذف القاعدة</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>no app</source>
        <translation>لا تطبيق</translation>
    </message>
    <message>
        <source>Also matches type group: %1</source>
        <translation>تطابق أيضًا مجموعة الأنواع: %1</translation>
    </message>
    <message>
        <source>Add type group…</source>
        <translation>أضف مجموعة أنواع…</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>غيّر</translation>
    </message>
    <message>
        <source>No app chosen</source>
        <translation>لم يُختر أي تطبيق</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>اختر</translation>
    </message>
    <message>
        <source>App not found</source>
        <translation>التطبيق غير موجود</translation>
    </message>
    <message>
        <source>%1 has no registered file type for these extensions, so it can&apos;t have a default app for them.</source>
        <translation>ليس لدى %1 نوع ملف مسجّل لهذه الامتدادات، لذا لا يمكن أن يكون لها تطبيق مبدئي فيه.</translation>
    </message>
    <message>
        <source>No type group</source>
        <translation>بلا مجموعة أنواع</translation>
    </message>
    <message>
        <source>Other…</source>
        <translation>أخرى…</translation>
    </message>
    <message>
        <source>%1 currently opens in %2</source>
        <comment>%1: an extension, %2: an app</comment>
        <translation>تُفتح ملفات %1 حاليًا في %2</translation>
    </message>
    <message>
        <source>rule %1</source>
        <translation>القاعدة %1</translation>
    </message>
    <message>
        <source>rule %1: %2</source>
        <translation>القاعدة %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a control, the rule it acts on</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Rule %1</source>
        <translation>القاعدة %1</translation>
    </message>
    <message>
        <source>Rule %1: %2</source>
        <translation>القاعدة %1: %2</translation>
    </message>
    <message>
        <source>Delete rule %1</source>
        <translation>احذف القاعدة %1</translation>
    </message>
    <message>
        <source>Delete rule %1: %2</source>
        <translation>احذف القاعدة %1: %2</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>الامتدادات</translation>
    </message>
    <message>
        <source>Clear extensions</source>
        <translation>امسح الامتدادات</translation>
    </message>
    <message>
        <source>Type group</source>
        <translation>مجموعة الأنواع</translation>
    </message>
    <message>
        <source>App</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>انقل لأعلى</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>انقل لأسفل</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <comment>%1: folders</comment>
        <translation>فقط في %1</translation>
    </message>
    <message>
        <source>Only in Folders…</source>
        <translation>في مجلدات معيّنة فقط…</translation>
    </message>
    <message>
        <source>Links: %1</source>
        <comment>%1: a rule&apos;s links</comment>
        <translation>الروابط: %1</translation>
    </message>
    <message>
        <source>Links…</source>
        <translation>الروابط…</translation>
    </message>
</context>
<context>
    <name>korvane::RulesList</name>
    <message>
        <source>No rules yet</source>
        <translation>لا قواعد بعد</translation>
    </message>
    <message>
        <source>Add a rule, or drop a file and pick an app.</source>
        <translation>أضف قاعدة، أو أفلت ملفًا واختر تطبيقًا.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
</context>
<context>
    <name>korvane::SettingsWindow</name>
    <message>
        <source>Launch at login</source>
        <translation>شغّل عند الولوج</translation>
    </message>
    <message>
        <source>Show in the %1</source>
        <translation>اعرض في %1</translation>
    </message>
    <message>
        <source>This desktop has no %1.</source>
        <translation>ليس في سطح المكتب هذا %1.</translation>
    </message>
    <message>
        <source>Keep the %1 icon</source>
        <translation>أبقِ أيقونة %1</translation>
    </message>
    <message>
        <source>Korvane Settings</source>
        <translation>إعدادات Korvane</translation>
    </message>
    <message>
        <source>The %1 icon stays visible when the %2 icon is hidden, so the app is always reachable.</source>
        <translation>تبقى أيقونة %1 ظاهرة عند إخفاء أيقونة %2، ليبقى الوصول إلى التطبيق ممكنًا دائمًا.</translation>
    </message>
    <message>
        <source>Dropped folders</source>
        <translation>المجلدات المُفلتة</translation>
    </message>
    <message>
        <source>Couldn&apos;t change Launch at Login: %1</source>
        <translation>تعذّر تغيير «شغّل عند الولوج»: %1</translation>
    </message>
    <message>
        <source>Open files for the desktop</source>
        <translation>افتح الملفات نيابةً عن سطح المكتب</translation>
    </message>
    <message>
        <source>Double-clicks in %1 and other apps follow your rules too. Turned off, every default Korvane replaced is put back.</source>
        <translation>يتبع النقر المزدوج في %1 والتطبيقات الأخرى قواعدك أيضًا. وعند الإيقاف، يُعاد كل تطبيق مبدئي استبدله Korvane.</translation>
    </message>
    <message>
        <source>Taking over the types your rules name…</source>
        <translation>جارٍ تولّي الأنواع التي تذكرها قواعدك…</translation>
    </message>
    <message>
        <source>Putting back the defaults Korvane replaced…</source>
        <translation>جارٍ إعادة التطبيقات المبدئية التي استبدلها Korvane…</translation>
    </message>
    <message>
        <source>%1 has no entry for Korvane&apos;s opener, so nothing was changed.</source>
        <translation>ليس لدى %1 مدخل لمعالج الملفات في Korvane، لذا لم يُغيَّر شيء.</translation>
    </message>
    <message numerus="yes">
        <source>Korvane opens %n file type(s) for %1.</source>
        <translation>
            <numerusform>لا يفتح Korvane أي نوع من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane نوعًا واحدًا من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane نوعين من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane %n أنواع من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane %n نوعًا من الملفات نيابةً عن %1.</numerusform>
            <numerusform>يفتح Korvane %n نوع من الملفات نيابةً عن %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open web and mail links too</source>
        <translation>افتح روابط الويب والبريد أيضًا</translation>
    </message>
    <message>
        <source>Links go by your rules too; a link no rule names opens in the browser Korvane replaced.</source>
        <translation>تتبع الروابط قواعدك أيضًا؛ ويُفتح الرابط الذي لا تذكره أي قاعدة في المتصفح الذي استبدله Korvane.</translation>
    </message>
    <message>
        <source>Korvane opens files for %1 now; no enabled rule names a file type yet.</source>
        <translation>يفتح Korvane الآن الملفات نيابةً عن %1؛ لكن لا تذكر أي قاعدة مُفعّلة نوع ملف بعد.</translation>
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
        <translation>أظهِر النافذة</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>افتح ملفًا…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>الحديثة</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>لا ملفات حديثة</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>امسح الحديثة</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Quit Korvane</source>
        <translation>أنهِ Korvane</translation>
    </message>
</context>
</TS>
