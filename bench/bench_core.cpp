#include "bench_util.h"
#include "core/router.h"
#include "core/rule_store.h"
#include "core/rules_file.h"
#include "support/memory_platform.h"
#include "support/model_fixture.h"

#include <QCoreApplication>
#include <QJsonDocument>

using namespace korvane;

namespace {

const QStringList kKinds{"txt", "md",   "jpg", "png", "mp3", "mov", "mp4", "zip", "gz",   "swift",
                         "c",   "json", "pdf", "qqq", "doc", "xls", "key", "rs",  "webp", "flac"};

// 100 rules, half by extensions and half by group, some disabled or with no application.
QList<Rule> makeRules(MemoryPlatform& platform, int count) {
    QList<Rule> rules;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("/apps/app%1.desktop").arg(i);
        platform.addApplication(path, QStringLiteral("app%1.desktop").arg(i),
                                QStringLiteral("App %1").arg(i));
        Rule rule;
        if (i % 2 == 0) {
            // Mostly extensions that no file has, so the loop walks the whole list.
            rule.extensions = {QStringLiteral("x%1a").arg(i), QStringLiteral("x%1b").arg(i),
                               kKinds[(i * 7) % kKinds.size()]};
        } else {
            rule.group = TypeGroup::allCases()[i % TypeGroup::allCases().size()];
        }
        rule.enabled = i % 10 != 9;
        rule.setApp(path, platform);
        rules.append(rule);
    }
    return rules;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::Bench bench;
    MemoryPlatform platform;
    const QList<Rule> rules = makeRules(platform, 100);

    QStringList files;
    for (int i = 0; i < 10000; ++i) {
        files.append(
            QStringLiteral("/home/me/Drop/file %1.%2").arg(i).arg(kKinds[i % kKinds.size()]));
    }
    int routed = 0;
    bench.measure("route 10,000 files against 100 rules", 20, [&] {
        routed = 0;
        for (const QString& file : files) {
            routed += Router::route(file, rules, platform).kind == RouteResult::App;
        }
    });

    bench.measure("route 10,000 files against 100 rules, one batch", 20,
                  [&] { Router::routeAll(files, rules, platform); });

    QList<Rule> thousand;
    for (int i = 0; i < 10; ++i) {
        thousand += rules;
    }
    QByteArray bytes;
    bench.measure("encode 1,000 rules", 10, [&] { bytes = RulesFile::encode(thousand); });
    bench.measure("decode 1,000 rules", 10, [&] { RulesFile::decode(bytes); });
    // Rules files at the size Korvane still reads, in the two extreme shapes; every command
    // reads the file first.
    {
        Rule wide;
        for (int i = 0; i < 100000; ++i) { // long, and every other one needs normalising
            wide.extensions << QStringLiteral("%1%2").arg(i).arg(i % 2 ? "e\u0301" : "e", 130,
                                                                 u'x');
        }
        const QByteArray oneRule = RulesFile::encode({wide});
        QList<Rule> many(100000);
        for (qsizetype i = 0; i < many.size(); ++i) {
            many[i].id = QUuid::createUuid();
            many[i].extensions = {QStringLiteral("e%1").arg(i),
                                  QStringLiteral("caf\u00e9%1").arg(i)};
        }
        // As a hand-written file would be: compact, so that it fits too.
        const QByteArray manyRules =
            QJsonDocument::fromJson(RulesFile::encode(many)).toJson(QJsonDocument::Compact);
        bench.measure(
            "read 100,000 extensions in one rule (near 16 MiB)", 2000,
            [&] { RulesFile::decode(oneRule); }, 3);
        bench.measure(
            "read 100,000 rules", 2000, [&] { RulesFile::decode(manyRules); }, 3);
        std::printf("(%.1f MiB and %.1f MiB)\n", double(oneRule.size()) / 1048576.0,
                    double(manyRules.size()) / 1048576.0);
    }
    // A drop of 10,000 files: routed, grouped and launched, completions included.
    {
        ModelFixture f;
        f.model->store().setRules(rules);
        for (int i = 0; i < 100; ++i) {
            const QString path = QStringLiteral("/apps/app%1.desktop").arg(i);
            f.platform.addApplication(path, QStringLiteral("app%1.desktop").arg(i),
                                      QStringLiteral("App %1").arg(i));
        }
        QStringList drop;
        for (const QString& file : files) {
            f.platform.addFile(file);
            // Unmatched kinds would wait for the user; keep the drop to routed files.
            if (Router::route(file, rules, f.platform).kind != RouteResult::None) {
                drop << file;
            }
        }
        while (drop.size() < 10000) {
            drop << drop.mid(0, 10000 - drop.size());
        }
        qsizetype requests = 0;
        bench.measure("drop of 10,000 files: route, group, launch, summary", 50, [&] {
            const qsizetype before = f.platform.orders(MemoryPlatform::Order::Open).size();
            f.model->handle(drop, {});
            f.settle();
            requests = f.platform.orders(MemoryPlatform::Order::Open).size() - before;
        });
        std::printf("(%lld launch requests; message: %s)\n", static_cast<long long>(requests),
                    qPrintable(f.model->message()));
    }

    std::printf("(%d of 10,000 files routed to an app; %lld bytes for 1,000 rules)\n", routed,
                static_cast<long long>(bytes.size()));
    return bench.exitCode();
}
