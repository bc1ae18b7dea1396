#include "default_app_manager.h"

#include "app_info.h"
#include "platform/platform.h"
#include "store_file.h"
#include "wording.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>

namespace korvane {

namespace {

const QString kPrevious = QStringLiteral("previousBundleID");
const QString kChangedTo = QStringLiteral("changedTo");

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

std::optional<QHash<QString, DefaultAppManager::Record>>
DefaultAppManager::decode(const QByteArray& bytes) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) {
        return std::nullopt;
    }
    QHash<QString, Record> records;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        QJsonObject entry = it.value().toObject();
        const QJsonValue previous = entry.take(kPrevious);
        const QJsonValue changedTo = entry.take(kChangedTo);
        if (!it.value().isObject() || !previous.isString() || !changedTo.isString()) {
            return std::nullopt; // one bad entry discards the file's contents
        }
        records.insert(it.key(), Record{previous.toString(), changedTo.toString(), entry});
    }
    return records;
}

QByteArray DefaultAppManager::encode(const QHash<QString, Record>& records) {
    QJsonObject object;
    for (auto it = records.begin(); it != records.end(); ++it) {
        QJsonObject entry = it->change;
        entry.insert(kPrevious, it->previousAppId);
        entry.insert(kChangedTo, it->changedTo);
        object.insert(it.key(), entry);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

void DefaultAppManager::load() {
    const StoreFile::Contents file = StoreFile::read(m_filePath);
    if (file.status == StoreFile::Contents::Ok) {
        m_records = decode(file.bytes).value_or(QHash<QString, Record>());
    }
}

std::optional<QString>
DefaultAppManager::update(const std::function<void(QHash<QString, Record>&)>& change) {
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    const StoreFile::Lock lock(m_filePath);
    if (!lock) {
        return lock.error();
    }
    const StoreFile::Contents file = StoreFile::read(m_filePath);
    if (file.status == StoreFile::Contents::Refused) {
        return file.error;
    }
    QHash<QString, Record> records;
    if (file.status == StoreFile::Contents::Ok) {
        records = decode(file.bytes).value_or(QHash<QString, Record>());
    }
    change(records);
    const QByteArray bytes = encode(records);
    if (file.status != StoreFile::Contents::Ok || file.bytes != bytes) {
        if (auto error = StoreFile::write(m_filePath, bytes)) {
            return error;
        }
    }
    m_records = records;
    return std::nullopt;
}

QString DefaultAppManager::stillOpens(const ContentType& type) const {
    const auto current = m_platform.defaultApplicationForType(type);
    if (!current) {
        return QStringLiteral("%1 didn't take the new default.")
            .arg(Wording::capitalised(m_platform.systemName()));
    }
    const QString name = AppInfo::displayName(*current, m_platform);
    const QString origin = m_platform.defaultOrigin(type);
    return origin.isEmpty() ? QStringLiteral("%1 still opens these files.").arg(name)
                            : QStringLiteral("%1 still opens these files, as set in %2.")
                                  .arg(name, QDir::toNativeSeparators(origin));
}

void DefaultAppManager::setDefault(const QString& ext, const QString& app, Report done) {
    const QString head = u'.' + ext + QStringLiteral(": ");
    const auto type = m_platform.typeForExtension(ext);
    if (!type || type->dynamic) {
        done(head +
                 QStringLiteral("not possible. %1 has no registered file type for this extension.")
                     .arg(Wording::capitalised(m_platform.systemName())),
             false);
        return;
    }
    const QString name = AppInfo::displayName(app, m_platform);
    const auto current = m_platform.defaultApplicationForType(*type);
    if (same(current, app)) {
        done(head + name + QStringLiteral(" is already the default."), true);
        return;
    }
    const QString previous = current ? m_platform.applicationId(*current) : QString();
    const ContentType contentType = *type;
    const QPointer<QObject> guard(this);
    auto applied = [=, this](const std::optional<QString>& error, const QJsonObject& change) {
        if (error) {
            done(head + QStringLiteral("not possible. ") + *error, false);
            return;
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            if (!same(m_platform.defaultApplicationForType(contentType), app)) {
                // The change has no effect: take it back, record nothing, and say what decides.
                m_platform.undoDefaultChange(contentType, change, [](const auto&) {});
                done(head + QStringLiteral("not changed. ") + stillOpens(contentType), false);
                return;
            }
            const Record record{previous, m_platform.applicationId(app), change};
            const auto error = update([&](QHash<QString, Record>& records) {
                // The first record keeps the user's own default; a later change only moves the
                // app that restoring expects to find.
                if (auto it = records.find(ext); it != records.end()) {
                    it->changedTo = record.changedTo;
                } else {
                    records.insert(ext, record);
                }
            });
            if (error) {
                done(head + QStringLiteral("done. %1 is now the default, but the earlier default "
                                           "couldn't be noted, so it can't be restored: %2")
                                .arg(name, *error),
                     false);
                return;
            }
            done(head + QStringLiteral("done. %1 is now the default.").arg(name), true);
        });
    };
    m_platform.setDefaultApplication(
        app, contentType,
        [guard, applied](const std::optional<QString>& error, const QJsonObject& change) {
            if (guard) {
                QMetaObject::invokeMethod(
                    guard, [applied, error, change] { applied(error, change); },
                    Qt::QueuedConnection);
            }
        });
}

void DefaultAppManager::restore(const QString& ext, Report done) {
    const QString head = u'.' + ext + QStringLiteral(": ");
    if (!m_records.contains(ext)) {
        done(head + QStringLiteral("nothing to restore."), true);
        return;
    }
    const auto type = m_platform.typeForExtension(ext);
    if (!type || type->dynamic) {
        done(head + QStringLiteral("not possible to restore."), false);
        return;
    }
    const Record record = m_records.value(ext);
    auto forget = [this, ext] {
        return update([&](QHash<QString, Record>& records) { records.remove(ext); });
    };
    // A default the user chose after ours is theirs: leave it.
    const auto current = m_platform.defaultApplicationForType(*type);
    if (!current || m_platform.applicationId(*current) != record.changedTo) {
        forget();
        done(head + (current ? QStringLiteral("left as it is; you changed it to %1 since.")
                                   .arg(AppInfo::displayName(*current, m_platform))
                             : QStringLiteral("left as it is; its default was removed since.")),
             false);
        return;
    }
    const auto previous = record.previousAppId.isEmpty()
                              ? std::nullopt
                              : m_platform.applicationForIdentifier(record.previousAppId);
    if (record.change.isEmpty() && !previous) {
        forget();
        done(head + QStringLiteral("the previous default app is unknown or no longer installed, "
                                   "so it was left as is."),
             false);
        return;
    }
    const ContentType contentType = *type;
    const QPointer<QObject> guard(this);
    auto undone = [=, this](const std::optional<QString>& error) {
        if (error) {
            done(head + QStringLiteral("not possible. ") + *error, false);
            return;
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            const auto now = m_platform.defaultApplicationForType(contentType);
            const bool back = previous ? same(now, previous)
                                       : !now || m_platform.applicationId(*now) != record.changedTo;
            if (!back) {
                done(head + QStringLiteral("not restored. ") + stillOpens(contentType), false);
                return;
            }
            if (const auto recordError = forget()) {
                done(head + QStringLiteral("restored, but the record couldn't be updated: ") +
                         *recordError,
                     false);
                return;
            }
            done(head + (previous ? QStringLiteral("restored to %1.")
                                        .arg(AppInfo::displayName(*previous, m_platform))
                                  : QStringLiteral("restored; it had no default app before.")),
                 true);
        });
    };
    auto posted = [guard, undone](const std::optional<QString>& error) {
        if (guard) {
            QMetaObject::invokeMethod(
                guard, [undone, error] { undone(error); }, Qt::QueuedConnection);
        }
    };
    if (!record.change.isEmpty()) {
        m_platform.undoDefaultChange(contentType, record.change, posted);
    } else {
        // A record from before changes were noted in detail: set the earlier default again.
        m_platform.setDefaultApplication(
            *previous, contentType, [posted](const auto& error, const auto&) { posted(error); });
    }
}

void DefaultAppManager::runAll(const QStringList& extensions, const std::optional<QString>& app,
                               std::function<void(const QStringList&, int)> done) {
    struct Run {
        QStringList extensions;
        qsizetype next = 0;
        QStringList lines;
        int failures = 0;
        std::function<void()> step;
    };
    auto run = std::make_shared<Run>();
    run->extensions = extensions;
    const QPointer<DefaultAppManager> self(this);
    run->step = [self, run, app, done] {
        while (self && run->next < run->extensions.size()) {
            const QString ext = run->extensions[run->next++];
            auto report = [run](const QString& sentence, bool ok) {
                run->lines << sentence;
                run->failures += ok ? 0 : 1;
                run->step();
            };
            if (app) {
                self->setDefault(ext, *app, report);
                return;
            }
            if (self->m_records.contains(ext)) {
                self->restore(ext, report);
                return;
            }
        }
        // Clearing the step breaks the cycle between the run and its step, but also destroys
        // this closure and what it holds: keep what is still needed on the stack first.
        const auto kept = run;
        const auto finished = done;
        const bool alive = bool(self);
        kept->step = nullptr;
        if (alive) {
            finished(kept->lines, kept->failures);
        }
    };
    run->step();
}

} // namespace korvane
