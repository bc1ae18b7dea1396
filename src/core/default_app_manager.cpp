#include "default_app_manager.h"

#include "app_info.h"
#include "main_thread.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTimer>

namespace korvane {

namespace {

QString resolved(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

DefaultAppManager::DefaultAppManager(Platform& platform, const QString& directory, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_filePath(QDir(directory).filePath(QStringLiteral("previous-defaults.json"))) {
    load();
}

bool DefaultAppManager::same(const std::optional<QString>& a, const std::optional<QString>& b) {
    return a && b && resolved(*a) == resolved(*b);
}

void DefaultAppManager::load() {
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) {
        return;
    }
    QHash<QString, Record> records;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const QJsonValue previous = entry.value(QLatin1String("previousBundleID"));
        const QJsonValue changedTo = entry.value(QLatin1String("changedTo"));
        if (!it.value().isObject() || !previous.isString() || !changedTo.isString()) {
            return; // one bad entry discards the file's contents
        }
        records.insert(it.key(), Record{previous.toString(), changedTo.toString()});
    }
    m_records = records;
}

void DefaultAppManager::save() const {
    QJsonObject object;
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        object.insert(it.key(),
                      QJsonObject{{QStringLiteral("previousBundleID"), it->previousBundleID},
                                  {QStringLiteral("changedTo"), it->changedTo}});
    }
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
        file.commit();
    }
}

void DefaultAppManager::apply(const QString& app, const ContentType& type,
                              std::function<void(const std::optional<QString>&)> done) {
    const QPointer<QObject> guard(this);
    m_platform.setDefaultApplication(app, type, [guard, done](const std::optional<QString>& error) {
        MainThread::post(guard, [done, error] { done(error); });
    });
}

void DefaultAppManager::setDefault(const QString& ext, const QString& app, Report done) {
    const QString head = u'.' + ext + QStringLiteral(": ");
    const auto type = m_platform.typeForExtension(ext);
    if (!type || type->dynamic) {
        done(head +
             QStringLiteral("not possible. %1 has no registered file type for this extension.")
                 .arg(m_platform.systemName()));
        return;
    }
    const QString name = AppInfo::displayName(app, m_platform);
    const auto current = m_platform.defaultApplicationForType(*type);
    if (same(current, app)) {
        done(head + name + QStringLiteral(" is already the default."));
        return;
    }
    const QString previous = current ? m_platform.bundleIdentifier(*current) : QString();
    const ContentType contentType = *type;
    apply(app, contentType, [=, this](const std::optional<QString>& error) {
        if (error) {
            done(head + QStringLiteral("not possible. ") + *error);
            return;
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            if (!m_records.contains(ext)) {
                m_records.insert(ext, Record{previous, m_platform.bundleIdentifier(app)});
                save();
            }
            if (same(m_platform.defaultApplicationForType(contentType), app)) {
                done(head + QStringLiteral("done. %1 is now the default.").arg(name));
            } else {
                done(head + QStringLiteral("%1 asked for confirmation. Approve it in the system "
                                           "dialog; the change is not applied until you do.")
                                .arg(m_platform.systemName()));
            }
        });
    });
}

void DefaultAppManager::restore(const QString& ext, Report done) {
    const QString head = u'.' + ext + QStringLiteral(": ");
    if (!m_records.contains(ext)) {
        done(head + QStringLiteral("nothing to restore."));
        return;
    }
    const auto type = m_platform.typeForExtension(ext);
    if (!type || type->dynamic) {
        done(head + QStringLiteral("not possible to restore."));
        return;
    }
    const QString previousId = m_records.value(ext).previousBundleID;
    const auto previous =
        previousId.isEmpty() ? std::nullopt : m_platform.applicationForIdentifier(previousId);
    if (!previous) {
        m_records.remove(ext);
        save();
        done(head + QStringLiteral("the previous default app is unknown or no longer installed, "
                                   "so it was left as is."));
        return;
    }
    const ContentType contentType = *type;
    const QString app = *previous;
    apply(app, contentType, [=, this](const std::optional<QString>& error) {
        if (error) {
            done(head + QStringLiteral("not possible. ") + *error);
            return;
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            if (same(m_platform.defaultApplicationForType(contentType), app)) {
                m_records.remove(ext);
                save();
                done(head +
                     QStringLiteral("restored to %1.").arg(AppInfo::displayName(app, m_platform)));
            } else {
                done(head +
                     QStringLiteral("%1 asked for confirmation. Approve it in the system dialog.")
                         .arg(m_platform.systemName()));
            }
        });
    });
}

} // namespace korvane
