#pragma once

#include "core/app_model.h"
#include "core/settings.h"
#include "fake_services.h"
#include "memory_platform.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace korvane {

// A model on the in-memory platform with three installed applications, in a temporary store
// directory, with short timers.
struct ModelFixture {
    static inline const QString kTextEdit = QStringLiteral("/Applications/TextEdit.app");
    static inline const QString kPreview = QStringLiteral("/Applications/Preview.app");
    static inline const QString kSublime = QStringLiteral("/Applications/Sublime Text.app");
    static inline const QString kHome = QStringLiteral("/Users/me/");

    QTemporaryDir dir;
    MemoryPlatform platform;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<AppModel> model;
    FakeWindow window;
    ScriptedPanels panels;

    ModelFixture() {
        platform.addApplication(kTextEdit, QStringLiteral("com.apple.TextEdit"),
                                QStringLiteral("TextEdit.app"), {QStringLiteral("public.text")});
        platform.addApplication(kPreview, QStringLiteral("com.apple.Preview"),
                                QStringLiteral("Preview.app"),
                                {QStringLiteral("public.image"), QStringLiteral("com.adobe.pdf")});
        platform.addApplication(kSublime, QStringLiteral("com.sublimetext.4"),
                                QStringLiteral("Sublime Text.app"),
                                {QStringLiteral("public.text")});
        platform.setDefault(QStringLiteral("public.png"), kPreview);
        platform.setDefault(QStringLiteral("public.jpeg"), kPreview);
        platform.setDefault(QStringLiteral("public.plain-text"), kTextEdit);
        settings = std::make_unique<Settings>(dir.filePath(QStringLiteral("Korvane.conf")));
        writeStoreFile(QStringLiteral("rules.json"), "[]"); // an existing list: no first-run rule
        model = std::make_unique<AppModel>(platform, dir.filePath(QStringLiteral("Korvane")),
                                           *settings);
        model->setMessageDuration(std::chrono::milliseconds(200));
        model->defaultManager().setReadBackDelay(std::chrono::milliseconds(10));
        model->setMainWindow(&window);
        model->setPanels(&panels);
    }

    // Writes a file into the store's directory.
    void writeStoreFile(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(dir.filePath(QStringLiteral("Korvane")));
        QFile file(dir.filePath(QStringLiteral("Korvane/") + name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(bytes);
        }
    }

    // Adds a rule "ext,ext>App" or "@group>App"; App is TextEdit, Preview, Sublime or a name of
    // an application that is not installed.
    Rule addRule(const QString& spec) {
        Rule rule;
        const QString match = spec.section(u'>', 0, 0);
        const QString app = spec.section(u'>', 1);
        if (match.startsWith(u'@')) {
            rule.group = TypeGroup::fromRawValue(match.mid(1));
        } else {
            rule.extensions = Rule::parseExtensions(match);
        }
        const QString path = app == QLatin1String("Sublime")
                                 ? kSublime
                                 : QStringLiteral("/Applications/%1.app").arg(app);
        if (platform.exists(path)) {
            rule.setApp(path, platform);
        } else if (!app.isEmpty()) {
            rule.bundleID = QStringLiteral("com.example.") + app.toLower();
            rule.appPath = path;
            rule.appName = app == QLatin1String("Nameless") ? QString() : app;
        }
        QList<Rule> rules = model->store().rules();
        rules.append(rule);
        model->store().setRules(rules);
        return rule;
    }

    // A path under the home folder made from a short spec: "-x" a deleted file, "x/" a folder,
    // "x.app" an application bundle, anything else a plain file.
    QString file(const QString& spec) {
        if (spec.startsWith(u'-')) {
            return kHome + spec.mid(1);
        }
        if (spec.endsWith(u'/')) {
            const QString path = kHome + spec.chopped(1);
            platform.addFolder(path);
            return path;
        }
        const QString path = kHome + spec;
        if (spec.endsWith(QLatin1String(".app"))) {
            platform.addPackage(path);
        } else {
            platform.addFile(path);
        }
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
            orders << QFileInfo(order.app).completeBaseName() + QStringLiteral(": ") +
                          names.join(QStringLiteral(", "));
        }
        return orders;
    }
};

} // namespace korvane
