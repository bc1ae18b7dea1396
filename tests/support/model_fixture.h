#pragma once

#include "core/app_model.h"
#include "core/settings.h"
#include "fake_services.h"
#include "memory_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace korvane {

// A model on the in-memory platform with three installed apps, its files in a temporary folder.
struct ModelFixture {
    static inline const QString kTextEdit = QStringLiteral("/apps/textedit.desktop");
    static inline const QString kPreview = QStringLiteral("/apps/preview.desktop");
    static inline const QString kSublime = QStringLiteral("/apps/sublime.desktop");
    static inline const QString kHome = QStringLiteral("/home/me/");

    QTemporaryDir dir;
    MemoryPlatform platform;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<AppModel> model;
    FakeWindow window;
    ScriptedPanels panels;

    ModelFixture() {
        platform.addApplication(kTextEdit, "textedit.desktop", "TextEdit", {"text/plain"});
        platform.addApplication(kPreview, "preview.desktop", "Preview",
                                {"image/*", "application/pdf"});
        platform.addApplication(kSublime, "sublime.desktop", "Sublime Text", {"text/plain"});
        platform.setDefault("image/png", kPreview);
        platform.setDefault("image/jpeg", kPreview);
        platform.setDefault("text/plain", kTextEdit);
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("Korvane.conf")));
        writeStoreFile(QStringLiteral("rules.json"), "[]"); // an existing list: no first-run rule
        model = std::make_unique<AppModel>(platform, storeDirectory(), *settings);
        model->setMessageDuration(std::chrono::milliseconds(200));
        model->defaultManager().setReadBackDelay(std::chrono::milliseconds(10));
        model->setMainWindow(&window);
        model->setPanels(&panels);
    }

    QString storeDirectory() const { return dir.filePath(QStringLiteral("Korvane")); }

    void writeStoreFile(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(storeDirectory());
        QFile file(storeDirectory() + u'/' + name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(bytes);
        }
    }

    // A rule from "ext,ext>App" or "@group>App": App is TextEdit, Preview, Sublime, or the name of
    // an app that is not installed ("Nameless" has no name either).
    static Rule rule(const QString& spec, const Platform& platform) {
        Rule rule;
        const QString match = spec.section(u'>', 0, 0);
        const QString app = spec.section(u'>', 1);
        if (match.startsWith(u'@')) {
            rule.group = TypeGroup::fromRawValue(match.mid(1));
        } else {
            rule.extensions = Rule::parseExtensions(match);
        }
        const QString path = QStringLiteral("/apps/%1.desktop").arg(app.toLower());
        if (platform.exists(path)) {
            rule.setApp(path, platform);
        } else if (!app.isEmpty()) {
            rule.appId = app.toLower() + QStringLiteral(".desktop");
            rule.appPath = path;
            rule.appName = app == QLatin1String("Nameless") ? QString() : app;
        }
        return rule;
    }

    Rule addRule(const QString& spec) {
        const Rule added = rule(spec, platform);
        model->store().appendRules({added});
        return added;
    }

    // A path under the home folder: "-x" a deleted file, "x/" a folder, anything else a file.
    QString file(const QString& spec) {
        if (spec.startsWith(u'-')) {
            return kHome + spec.mid(1);
        }
        const QString path = kHome + (spec.endsWith(u'/') ? spec.chopped(1) : spec);
        spec.endsWith(u'/') ? platform.addFolder(path) : platform.addFile(path);
        return path;
    }

    QStringList files(const QStringList& specs) {
        QStringList paths;
        for (const QString& spec : specs) {
            paths << file(spec);
        }
        return paths;
    }

    // Lets queued completions arrive.
    bool settle() {
        return QTest::qWaitFor([&] { return model->launchesInFlight() == 0; }, 2000);
    }

    // "TextEdit: a.md, b.md" for each open request, in order.
    QStringList openOrders() const {
        QStringList orders;
        for (const auto& order : platform.ordersOf(MemoryPlatform::Order::Open)) {
            QStringList names;
            for (const QString& f : order.files) {
                names << f.mid(kHome.size());
            }
            orders << platform.displayName(order.app) + QStringLiteral(": ") +
                          names.join(QStringLiteral(", "));
        }
        return orders;
    }
};

} // namespace korvane
