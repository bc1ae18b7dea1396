#pragma once

#include "core/app_model.h"
#include "core/settings.h"
#include "memory_platform.h"
#include "test_data.h"
#include "wording/drop_text.h"

#include <QTemporaryDir>
#include <memory>

namespace korvane {

// A model on the in-memory platform with three installed apps, its files in a temporary folder.
struct ModelFixture {
    static inline const QString kXed = QStringLiteral("/apps/xed.desktop");
    static inline const QString kOkular = QStringLiteral("/apps/okular.desktop");
    static inline const QString kSublime = QStringLiteral("/apps/sublime.desktop");
    static inline const QString kHome = QStringLiteral("/home/me/");

    QTemporaryDir dir;
    MemoryPlatform platform;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<AppModel> model;

    ModelFixture() {
        platform.addApplication(kXed, "xed.desktop", "Xed", {"text/plain"});
        platform.addApplication(kOkular, "okular.desktop", "Okular",
                                {"image/*", "application/pdf"});
        platform.addApplication(kSublime, "sublime.desktop", "Sublime Text", {"text/plain"});
        platform.setDefault("image/png", kOkular);
        platform.setDefault("image/jpeg", kOkular);
        platform.setDefault("text/plain", kXed);
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("Korvane.conf")));
        writeStoreFile(QStringLiteral("rules.json"), "[]"); // an existing list: no first-run rule
        model = std::make_unique<AppModel>(platform, storeDirectory(), *settings);
        model->setMessageDuration(std::chrono::milliseconds(200));
        // As the window does: each drop's summary in the message line.
        QObject::connect(
            model.get(), &AppModel::dropEnded, model.get(), [this](const DropReport& report) {
                const QString summary =
                    dropSummary(report, {platform.systemName(), platform.fileManagerName(),
                                         QStringLiteral("Fix the rule below.")});
                if (!summary.isEmpty()) {
                    model->flash(summary);
                }
            });
        model->defaultManager().setReadBackDelay(std::chrono::milliseconds(10));
    }

    QString storeDirectory() const { return dir.filePath(QStringLiteral("Korvane")); }

    void writeStoreFile(const QString& name, const QByteArray& bytes) {
        writeFile(storeDirectory() + u'/' + name, bytes);
    }

    // Rules by their specs (see ruleFrom); Xed, Okular and Sublime are installed.
    Rule addRule(const QString& spec) { return addRules({spec}).first(); }
    QList<Rule> addRules(const QStringList& specs) {
        QList<Rule> added = rulesFrom(specs);
        model->store().appendRules(added);
        return added;
    }

    // A path under the home folder: "-x" a deleted file, "x/" a folder, anything else a file.
    QStringList files(const QStringList& specs) {
        QStringList paths;
        for (const QString& spec : specs) {
            paths << kHome +
                         (spec.startsWith(u'-') ? spec.mid(1) : spec.chopped(spec.endsWith(u'/')));
            if (!spec.startsWith(u'-')) {
                platform.addFile(paths.last(), spec.endsWith(u'/'));
            }
        }
        return paths;
    }
    QString file(const QString& spec) { return files({spec}).first(); }

    // Lets queued completions arrive.
    bool settle() {
        return QTest::qWaitFor([&] { return model->launchesInFlight() == 0; }, 2000);
    }

    // "Xed: a.md, b.md" for each open request, in order.
    QStringList openOrders() const {
        QStringList orders;
        for (const auto& order : platform.orders(MemoryPlatform::Order::Open)) {
            orders << platform.displayName(order.app) + QStringLiteral(": ") +
                          QStringList(order.files).replaceInStrings(kHome, QString()).join(", ");
        }
        return orders;
    }
};

} // namespace korvane
