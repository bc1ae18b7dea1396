#include "core/rule_doctor.h"
#include "support/memory_platform.h"
#include "support/test_data.h"

using namespace korvane;

namespace {

// A finding in one line: rule number, kind, then what it carries.
QString describe(const RuleDoctor::Finding& finding) {
    static const char* const kinds[] = {"neverApplies",      "missingApp",       "oneFileAtATime",
                                        "unknownExtension",  "matchesNothing",   "chooseApp",
                                        "overlap",           "noFileName",       "namesKorvane",
                                        "missingFolder",     "shadowedInFolder", "linkCantMatch",
                                        "linkWrittenAsLink", "linkShadowed"};
    QStringList parts{QString::number(finding.rule + 1), QLatin1String(kinds[finding.kind])};
    if (!finding.extension.isEmpty()) {
        parts << finding.extension;
    }
    if (finding.otherRule >= 0) {
        parts << QStringLiteral("by %1").arg(finding.otherRule + 1);
    }
    for (const RuleDoctor::Taken& taken : finding.taken) {
        parts << QStringLiteral("%1@%2")
                     .arg(taken.group ? taken.group->rawValue() : taken.extension)
                     .arg(taken.rule + 1);
    }
    if (!finding.appName.isEmpty()) {
        parts << finding.appName;
    }
    if (!finding.folder.isEmpty()) {
        parts << finding.folder;
    }
    if (!finding.link.isEmpty()) {
        parts << finding.link + (finding.site.isEmpty() ? "" : " as " + finding.site);
    }
    return parts.join(u' ');
}

} // namespace

class TestRuleDoctor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the check finds, with the rules and extensions it names, in rule order.
    void findings_data() {
        columns<QStringList, QString>("rules", "found");
        row("a good list", QStringList{"md>Xed", "png>Okular"}, "");
        row("one extension taken earlier", QStringList{"md,txt>Xed", "md,zip>Okular"},
            "2 overlap md by 1");
        row("every extension taken", QStringList{"md,txt>Xed", "txt,md>Okular"},
            "2 neverApplies txt@1 md@1");
        row("the group taken too", QStringList{"@text>Xed", "md>Okular", "@text>Okular"},
            "3 neverApplies text@1");
        row("an earlier rule that is off takes nothing", QStringList{"!md>Xed", "md>Okular"}, "");
        row("a rule in a folder takes its extensions there first",
            QStringList{"md,txt{/tmp,/usr}>Xed", "md>Okular", "txt{/usr/share}>Okular",
                        "txt{/}>Okular", "txt{/home}>Okular"},
            "2 shadowedInFolder md by 1 /tmp | 3 shadowedInFolder txt by 1 /usr/share | "
            "4 shadowedInFolder txt by 1 /tmp | 5 shadowedInFolder txt by 4 /home");
        row("rules in folders apart", QStringList{"md{/tmp}>Xed", "md{/usr}>Okular"}, "");
        row("taken everywhere, not only in a folder",
            QStringList{"md{/tmp}>Xed", "md>Okular", "md>Xed"},
            "2 shadowedInFolder md by 1 /tmp | 3 neverApplies md@2");
        row("a rule in a folder that is off takes nothing",
            QStringList{"!md{/tmp}>Xed", "md>Okular"}, "");
        row("a rule in a folder, taken everywhere", QStringList{"md>Xed", "md{~}>Okular"},
            "2 neverApplies md@1");
        row("folders alone match what is in them", QStringList{"{/tmp}>Xed"}, "");
        row("links alone match links", QStringList{"[mailto:]>Xed"}, "");
        row("links that can't match",
            QStringList{"[github.com/*/pull/* file:///tmp/* file: example.org/docs 1http:]>Xed"},
            "1 linkCantMatch github.com/*/pull/* | 1 linkCantMatch file:///tmp/* | "
            "1 linkCantMatch file: | 1 linkCantMatch example.org/docs | 1 linkCantMatch 1http:");
        row("patterns that start as links do", QStringList{"[*.pdf http*://a.org/* ftp://x/*]>Xed"},
            "");
        row("a site written as a link", QStringList{"[https://www.Example.org/ ftp://x.org]>Xed"},
            "1 linkWrittenAsLink https://www.Example.org/ as www.example.org | "
            "1 linkCantMatch ftp://x.org");
        row("links an earlier rule takes first",
            QStringList{"[example.org Mailto:]>Xed", "[docs.example.org EXAMPLE.org]>Okular",
                        "[https://example.org/a/* mailto:*@x.org notexample.org]>Okular"},
            "2 linkShadowed by 1 docs.example.org | 2 linkShadowed by 1 EXAMPLE.org | "
            "3 linkShadowed by 1 https://example.org/a/* | 3 linkShadowed by 1 mailto:*@x.org");
        row("a scheme doesn't take a site's http links",
            QStringList{"[https:]>Xed", "[a.org]>Okular"}, "");
        row("an earlier rule that is off takes no links",
            QStringList{"![example.org]>Xed", "[example.org]>Okular"}, "");
        row("files taken, links still its own", QStringList{"md>Xed", "md[a.org]>Okular"},
            "2 overlap md by 1");
        row("a folder that isn't there", QStringList{"md{/tmp,/nonexistent/k}>Xed"},
            "1 missingFolder /nonexistent/k");
        row("a relative folder is none", QStringList{"md{/tmp,.}>Xed", "md{.}>Okular"},
            "1 missingFolder . | 2 missingFolder .");
        row("an earlier rule without app takes nothing", QStringList{"md>", "md>Okular"},
            "1 chooseApp");
        row("one file at a time, by the installed app's name", QStringList{"pdf>Single"},
            "1 oneFileAtATime Single Window");
        row("rules that are off need no app and may match nothing", QStringList{"!md>", "!>"}, "");
        row("no name can end so", QStringList{QString(254, u'x') + ",a" + QChar(0) + ">Xed"},
            "1 noFileName " + QString(254, u'x') + " | 1 noFileName a" + QChar(0));
        row("no type, no file name", QStringList{"qqq,a/b>Xed"},
            "1 unknownExtension qqq | 1 noFileName a/b");
        row("the same extension in another Unicode form",
            QStringList{QString::fromUtf8("caf\xc3\xa9>Xed"),
                        QString::fromUtf8("cafe\xcc\x81>Okular")},
            QString::fromUtf8("1 unknownExtension caf\xc3\xa9 | 2 neverApplies cafe\xcc\x81@1 | "
                              "2 unknownExtension cafe\xcc\x81"));
    }
    void findings() {
        MemoryPlatform platform;
        platform.addApplication("/apps/xed.desktop", "xed.desktop", "Xed", {"text/plain"});
        platform.addApplication("/apps/okular.desktop", "okular.desktop", "Okular", {"image/*"});
        platform.addApplication("/apps/single.desktop", "single.desktop", "Single Window");
        platform.setOneFileAtATime("/apps/single.desktop");
        QStringList found;
        for (const RuleDoctor::Finding& finding :
             RuleDoctor::check(rulesFrom(data<QStringList>("rules")), platform)) {
            found << describe(finding);
        }
        QCOMPARE(found.join(" | "), data<QString>("found"));
    }
};

QTEST_MAIN(TestRuleDoctor)
#include "tst_rule_doctor.moc"
