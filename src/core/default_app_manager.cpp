#include "default_app_manager.h"

#include "app_resolver.h"
#include "base/store_file.h"
#include "completion.h"
#include "core_text.h"
#include "logging.h"
#include "platform/later.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>
#include <QTimer>

namespace korvane {

namespace {

// A record's members in previous-defaults.json, by the names earlier versions gave them; every
// read and write goes through this table.
const struct {
    QString previousAppId = QStringLiteral("previousBundleID");
    QString changedTo = QStringLiteral("changedTo");
    QString unconfirmed = QStringLiteral("unconfirmed");
    QString previousOrigin = QStringLiteral("previousOrigin");
} kKeys;

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

std::optional<DefaultAppManager::Records> DefaultAppManager::decode(const QByteArray& bytes) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) {
        return std::nullopt;
    }
    Records records;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        QJsonObject entry = it.value().toObject();
        const QJsonValue previous = entry.take(kKeys.previousAppId);
        const QJsonValue changedTo = entry.take(kKeys.changedTo);
        const QJsonValue unconfirmed = entry.take(kKeys.unconfirmed);
        const QJsonValue origin = entry.take(kKeys.previousOrigin);
        if (!it.value().isObject() || !previous.isString() || !changedTo.isString() ||
            !(unconfirmed.isUndefined() || unconfirmed.isNull() || unconfirmed.isString()) ||
            !(origin.isUndefined() || origin.isString())) {
            records.unknown.insert(it.key(), it.value()); // perhaps a later version's
            continue;
        }
        records.entries.insert(it.key(), Record{previous.toString(), changedTo.toString(), entry,
                                                unconfirmed, origin.toString()});
    }
    return records;
}

QByteArray DefaultAppManager::encode(const Records& records) {
    QJsonObject object = records.unknown;
    for (auto it = records.entries.begin(); it != records.entries.end(); ++it) {
        QJsonObject entry = it->change;
        entry.insert(kKeys.previousAppId, it->previousAppId);
        entry.insert(kKeys.changedTo, it->changedTo);
        if (!it->unconfirmed.isUndefined()) {
            entry.insert(kKeys.unconfirmed, it->unconfirmed);
        }
        if (!it->previousOrigin.isEmpty()) {
            entry.insert(kKeys.previousOrigin, it->previousOrigin);
        }
        object.insert(it.key(), entry);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

namespace {

// An intended change that didn't happen: the record is as it was before, if there was one.
bool takeBack(DefaultAppManager::Record& record) {
    if (!record.unconfirmed.isString()) {
        return false;
    }
    record.changedTo = record.unconfirmed.toString();
    record.unconfirmed = QJsonValue(QJsonValue::Undefined);
    return true;
}

// The records in a read of the record file, or why there are none to trust.
Result decoded(const StoreFile::Contents& file, const QString& path,
               DefaultAppManager::Records& records) {
    if (file.status == StoreFile::Contents::Refused) {
        return Result::failed(file.error);
    }
    records = {};
    if (file.status == StoreFile::Contents::Absent) {
        return Result::done();
    }
    if (auto read = DefaultAppManager::decode(file.bytes)) {
        records = *read;
        return Result::done();
    }
    return Result::failed(
        CoreText::tr("%1 isn't a record Korvane can read, so it was left as it is.")
            .arg(QDir::toNativeSeparators(path)));
}

} // namespace

void DefaultAppManager::load() {
    m_loaded = decoded(StoreFile::read(m_filePath), m_filePath, m_records);
}

Result DefaultAppManager::update(const std::function<void(QHash<QString, Record>&)>& change) {
    if (const QString folder = QFileInfo(m_filePath).absolutePath(); !QDir().mkpath(folder)) {
        return Result::failed(
            CoreText::tr("%1 couldn't be made.").arg(QDir::toNativeSeparators(folder)));
    }
    const StoreFile::Lock lock(m_filePath);
    if (!lock) {
        return Result::failed(lock.error());
    }
    const StoreFile::Contents file = StoreFile::read(m_filePath);
    Records records;
    if (Result read = decoded(file, m_filePath, records); !read) {
        return read;
    }
    change(records.entries);
    const QByteArray bytes = encode(records);
    if (file.status != StoreFile::Contents::Ok || file.bytes != bytes) {
        if (Result written = StoreFile::write(m_filePath, bytes); !written) {
            return written;
        }
    }
    m_records = records;
    m_loaded = Result::done();
    return m_loaded;
}

void DefaultAppManager::drop(QHash<QString, Record>& records, const QStringList& keys) const {
    for (const QString& key : keys) {
        const auto it = records.constFind(key);
        if (it == records.cend()) {
            continue;
        }
        const QJsonObject gone = it->change;
        records.erase(it);
        for (Record& kept : records) {
            kept.change = m_platform.carriedChange(gone, kept.change);
        }
    }
}

bool DefaultAppManager::heldByOpener(const ContentType& type) const {
    const auto it = m_records.entries.constFind(type.identifier);
    return it != m_records.entries.cend() && m_platform.isKorvane(it->changedTo);
}

bool DefaultAppManager::settle(Record& record, const ContentType& type) const {
    if (record.unconfirmed.isUndefined()) {
        return true;
    }
    const auto now = m_platform.defaultAfterChange(type, record.change);
    if (!now || m_platform.applicationId(*now) != record.changedTo) {
        return takeBack(record);
    }
    record.unconfirmed = QJsonValue(QJsonValue::Undefined);
    return true;
}

DefaultOutcome DefaultAppManager::stillOpens(const QString& ext, DefaultOutcome::Kind kind,
                                             const ContentType& type) const {
    DefaultOutcome outcome = DefaultOutcome::of(ext, kind);
    if (const auto current = m_platform.defaultApplicationForType(type)) {
        outcome.app = AppResolver::displayName(*current, m_platform);
        outcome.origin = QDir::toNativeSeparators(m_platform.defaultOrigin(type));
    }
    return outcome;
}

void DefaultAppManager::setDefault(const QString& ext, const QString& app, Report done) {
    auto failed = [ext](const QString& error) {
        return DefaultOutcome::failed(ext, DefaultOutcome::Failed, error);
    };
    const auto type = isTypeKey(ext) ? std::nullopt : m_platform.typeForExtension(ext);
    if (!type || type->dynamic) {
        done(DefaultOutcome::of(ext, DefaultOutcome::NoType));
        return;
    }
    if (heldByOpener(*type)) {
        done(DefaultOutcome::of(ext, DefaultOutcome::HeldByOpener));
        return;
    }
    const QString name = AppResolver::displayName(app, m_platform);
    const auto current = m_platform.defaultApplicationForType(*type);
    if (same(current, app)) {
        done(DefaultOutcome::of(ext, DefaultOutcome::AlreadyDefault, name));
        return;
    }
    const QString previous = current ? m_platform.applicationId(*current) : QString();
    const ContentType& contentType = *type;
    const DefaultPlan plan = m_platform.planDefault(app, contentType);
    const QString id = m_platform.applicationId(app);
    // The intent is on record before anything changes, so that a change cut short (a kill, a
    // power cut) can still be restored.
    const Result noted = !plan.result ? plan.result : update([&](QHash<QString, Record>& records) {
        // The first record keeps the user's own default; a later change only moves the app that
        // restoring expects to find.
        if (auto it = records.find(ext); it != records.end() && settle(*it, contentType)) {
            it->unconfirmed = it->changedTo;
            it->changedTo = id;
        } else {
            records.insert(ext, Record{previous, id, plan.change, QJsonValue()});
        }
    });
    if (!noted) {
        done(failed(noted.errorString()));
        return;
    }
    // Settles the intent, as made or as not made.
    auto settled = [this, ext, contentType](bool made) {
        return update([&](QHash<QString, Record>& records) {
            const auto it = records.find(ext);
            if (it != records.end() && !it->unconfirmed.isUndefined()) {
                if (made) {
                    it->unconfirmed = QJsonValue(QJsonValue::Undefined);
                } else if (!takeBack(*it)) {
                    records.erase(it);
                }
            }
        });
    };
    auto applied = [=, this](const Result& result) {
        if (!result) {
            (void)settled(false); // the failure to set is what the user needs to hear
            done(failed(result.errorString()));
            return;
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            if (!same(m_platform.defaultApplicationForType(contentType), app)) {
                // The change has no effect: take it back, record nothing, and say what decides.
                m_platform.undoDefaultChange(contentType, plan.change, [](const auto&) {});
                (void)settled(false);
                done(stillOpens(ext, DefaultOutcome::NotChanged, contentType));
                return;
            }
            // Should this fail, the intent stays on record, and restores as well.
            (void)settled(true);
            done(DefaultOutcome::of(ext, DefaultOutcome::Made, name));
        });
    };
    m_platform.setDefaultApplication(app, contentType, plan.change, guarded(this, applied));
}

void DefaultAppManager::restore(const QString& ext, Report done) {
    auto failed = [ext](const QString& error) {
        return DefaultOutcome::failed(ext, DefaultOutcome::Failed, error);
    };
    load(); // another Korvane may have changed it
    if (!m_loaded) {
        done(failed(m_loaded.errorString()));
        return;
    }
    if (!m_records.entries.contains(ext) || isTypeKey(ext)) {
        done(DefaultOutcome::of(ext, DefaultOutcome::NothingToRestore));
        return;
    }
    const auto type = m_platform.typeForExtension(ext);
    if (!type || type->dynamic) {
        done(DefaultOutcome::of(ext, DefaultOutcome::NoTypeToRestore));
        return;
    }
    if (heldByOpener(*type)) {
        done(DefaultOutcome::of(ext, DefaultOutcome::HeldByOpener));
        return;
    }
    Record record = m_records.entries.value(ext);
    auto forget = [this, ext] {
        return update([&](QHash<QString, Record>& records) { drop(records, {ext}); });
    };
    if (!settle(record, *type)) {
        (void)forget(); // an intent that never happened: nothing to restore either way
        done(DefaultOutcome::of(ext, DefaultOutcome::CutShort));
        return;
    }
    // A default the user chose after ours is theirs: leave it. Asked of the setting the change
    // altered, whatever the desktop now.
    const auto current = m_platform.defaultAfterChange(*type, record.change);
    if (!current || m_platform.applicationId(*current) != record.changedTo) {
        (void)forget(); // the user's own choice since; the record has nothing left to give back
        done(DefaultOutcome::of(ext, DefaultOutcome::ChangedSince,
                                current ? AppResolver::displayName(*current, m_platform)
                                        : QString()));
        return;
    }
    const auto previous = record.previousAppId.isEmpty()
                              ? std::nullopt
                              : m_platform.applicationForIdentifier(record.previousAppId);
    if (record.change.isEmpty() && !previous) {
        (void)forget(); // nothing known to put back
        done(DefaultOutcome::of(ext, DefaultOutcome::PreviousUnknown));
        return;
    }
    const ContentType& contentType = *type;
    auto undone = [=, this](const Result& result) {
        if (!result) {
            done(failed(result.errorString()));
            return;
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            const auto now = m_platform.defaultAfterChange(contentType, record.change);
            const bool back = previous ? same(now, previous)
                                       : !now || m_platform.applicationId(*now) != record.changedTo;
            if (!back) {
                done(stillOpens(ext, DefaultOutcome::NotRestored, contentType));
                return;
            }
            if (const Result forgotten = forget(); !forgotten) {
                done(DefaultOutcome::failed(ext, DefaultOutcome::RestoredUnrecorded,
                                            forgotten.errorString()));
                return;
            }
            done(DefaultOutcome::of(ext, DefaultOutcome::Restored,
                                    previous ? AppResolver::displayName(*previous, m_platform)
                                             : QString()));
        });
    };
    const Completion posted = guarded(this, undone);
    if (!record.change.isEmpty()) {
        m_platform.undoDefaultChange(contentType, record.change, posted);
    } else {
        // A record from before changes were noted in detail: set the earlier default again.
        const DefaultPlan plan = m_platform.planDefault(*previous, contentType);
        plan.result ? m_platform.setDefaultApplication(*previous, contentType, plan.change, posted)
                    : later(posted)(plan.result);
    }
}

void DefaultAppManager::answerLater(const Reports& done, const QList<DefaultOutcome>& outcomes) {
    QTimer::singleShot(0, this, [done, outcomes] { done(outcomes); });
}

bool DefaultAppManager::loadFor(const QStringList& types, const Reports& done) {
    load();
    if (m_loaded) {
        return true;
    }
    QList<DefaultOutcome> outcomes;
    for (const QString& type : types) {
        outcomes << DefaultOutcome::failed(type, DefaultOutcome::Failed, m_loaded.errorString());
    }
    answerLater(done, outcomes);
    return false;
}

void DefaultAppManager::takeTypes(const QList<ContentType>& types, const QString& app,
                                  const Reports& done) {
    QStringList names;
    for (const ContentType& type : types) {
        names << type.identifier;
    }
    if (!loadFor(names, done)) {
        return;
    }
    QList<DefaultOutcome> outcomes;
    auto answer = [this, done](const QList<DefaultOutcome>& all) { answerLater(done, all); };
    const QString id = m_platform.applicationId(app);
    const QString name = AppResolver::displayName(app, m_platform);
    QList<ContentType> changed;
    QList<QJsonObject> plans;
    QHash<QString, QString> previousIds;
    QHash<QString, QString> origins;
    for (const ContentType& type : types) {
        // Korvane's only where the settings name it for this very type: a default inherited from
        // a parent type goes when the parent is given back.
        const auto own = m_platform.ownDefault(type);
        if (same(own, app)) {
            outcomes << DefaultOutcome::of(type.identifier, DefaultOutcome::AlreadyDefault, name);
            continue;
        }
        auto current = own ? own : m_platform.defaultApplicationForType(type);
        if (current && m_platform.isKorvane(m_platform.applicationId(*current))) {
            current.reset(); // through the parent: replaced nothing of the type's own
        }
        const DefaultPlan plan = m_platform.planDefault(app, type);
        if (!plan.result) {
            outcomes << DefaultOutcome::failed(type.identifier, DefaultOutcome::Failed,
                                               plan.result.errorString());
            continue;
        }
        changed << type;
        plans << plan.change;
        previousIds.insert(type.identifier,
                           current ? m_platform.applicationId(*current) : QString());
        origins.insert(type.identifier, current ? m_platform.defaultOrigin(type) : QString());
    }
    if (changed.isEmpty()) {
        return answer(outcomes);
    }
    // The intent is on record before anything changes, as for an extension.
    const Result noted = update([&](QHash<QString, Record>& records) {
        // A record of a type that isn't ours now is outdated by the user's own choice since:
        // what the type goes back to is theirs.
        for (qsizetype i = 0; i < changed.size(); ++i) {
            const QString& key = changed[i].identifier;
            records.insert(key, Record{previousIds.value(key), id, plans[i], QJsonValue(),
                                       origins.value(key)});
        }
    });
    if (!noted) {
        for (const ContentType& type : changed) {
            outcomes << DefaultOutcome::failed(type.identifier, DefaultOutcome::Failed,
                                               noted.errorString());
        }
        return answer(outcomes);
    }
    // Keeps the records of the types made, drops the others.
    auto settled = [this](const QList<ContentType>& made, const QList<ContentType>& notMade) {
        return update([&](QHash<QString, Record>& records) {
            for (const ContentType& type : made) {
                if (auto it = records.find(type.identifier); it != records.end()) {
                    it->unconfirmed = QJsonValue(QJsonValue::Undefined);
                }
            }
            for (const ContentType& type : notMade) {
                records.remove(type.identifier);
            }
        });
    };
    auto applied = [=, this](const Result& result) {
        if (!result) {
            // Whatever the platform made of it, the records say: each type by what it is now.
            QList<ContentType> made;
            QList<ContentType> notMade;
            for (const ContentType& type : changed) {
                (same(m_platform.defaultApplicationForType(type), app) ? made : notMade) << type;
            }
            (void)settled(made, notMade);
            QList<DefaultOutcome> all = outcomes;
            for (const ContentType& type : made) {
                all << DefaultOutcome::of(type.identifier, DefaultOutcome::Made, name);
            }
            for (const ContentType& type : notMade) {
                all << DefaultOutcome::failed(type.identifier, DefaultOutcome::Failed,
                                              result.errorString());
            }
            return done(all);
        }
        QTimer::singleShot(m_readBack, this, [=, this] {
            QList<DefaultOutcome> all = outcomes;
            QList<ContentType> made;
            QList<ContentType> notMade;
            QList<Platform::TypeChange> takeBack;
            for (qsizetype i = 0; i < changed.size(); ++i) {
                if (same(m_platform.defaultApplicationForType(changed[i]), app)) {
                    made << changed[i];
                } else {
                    notMade << changed[i];
                    takeBack.append({changed[i], plans[i]});
                }
            }
            if (!takeBack.isEmpty()) {
                // Changes with no effect are taken back, as for an extension.
                m_platform.undoDefaultChanges(takeBack, [](const auto&) {});
            }
            const Result kept = settled(made, notMade);
            for (const ContentType& type : made) {
                all << (kept ? DefaultOutcome::of(type.identifier, DefaultOutcome::Made, name)
                             : DefaultOutcome::failed(type.identifier, DefaultOutcome::Failed,
                                                      kept.errorString()));
            }
            for (const ContentType& type : notMade) {
                all << stillOpens(type.identifier, DefaultOutcome::NotChanged, type);
            }
            done(all);
        });
    };
    m_platform.setDefaultApplications(app, changed, plans, guarded(this, applied));
}

void DefaultAppManager::giveBackTypes(const QStringList& types, const Reports& done) {
    if (!loadFor(types, done)) {
        return;
    }
    QList<DefaultOutcome> outcomes;
    auto answer = [this, done](const QList<DefaultOutcome>& all) { answerLater(done, all); };
    QStringList forgotten;
    QList<Platform::TypeChange> undo;
    QHash<QString, std::optional<QString>> previousApps;
    QSet<QString> ownBefore; // types whose earlier default was set for the type itself
    QHash<QString, QString> ours;
    for (const QString& key : types) {
        if (!isTypeKey(key) || !m_records.entries.contains(key)) {
            outcomes << DefaultOutcome::of(key, DefaultOutcome::NothingToRestore);
            continue;
        }
        const ContentType type{key};
        Record record = m_records.entries.value(key);
        if (!settle(record, type)) {
            forgotten << key;
            outcomes << DefaultOutcome::of(key, DefaultOutcome::CutShort);
            continue;
        }
        const auto current = m_platform.defaultAfterChange(type, record.change);
        if (!current || m_platform.applicationId(*current) != record.changedTo) {
            forgotten << key; // the user's own choice since: nothing left to give back
            outcomes << DefaultOutcome::of(key, DefaultOutcome::ChangedSince,
                                           current ? AppResolver::displayName(*current, m_platform)
                                                   : QString());
            continue;
        }
        undo.append({type, record.change});
        ours.insert(key, record.changedTo);
        if (!record.previousOrigin.isEmpty()) {
            ownBefore.insert(key);
        }
        previousApps.insert(key, record.previousAppId.isEmpty()
                                     ? std::nullopt
                                     : m_platform.applicationForIdentifier(record.previousAppId));
    }
    auto forget = [this](const QStringList& keys) {
        return update([&](QHash<QString, Record>& records) { drop(records, keys); });
    };
    if (!forgotten.isEmpty()) {
        if (const Result dropped = forget(forgotten); !dropped) {
            qCWarning(lcDefaults) << "records not dropped:" << dropped.errorString();
        }
    }
    if (undo.isEmpty()) {
        return answer(outcomes);
    }
    auto undone = [=, this](const Result& result) {
        QList<DefaultOutcome> all = outcomes;
        if (!result) {
            for (const auto& [type, change] : undo) {
                all << DefaultOutcome::failed(type.identifier, DefaultOutcome::Failed,
                                              result.errorString());
            }
            return done(all);
        }
        QTimer::singleShot(m_readBack, this, [=, this]() mutable {
            QStringList back;
            for (const auto& [type, change] : undo) {
                const auto& previous = previousApps.value(type.identifier);
                // Where the earlier default wasn't set for the type itself (none, or its parent
                // type's), only the type's own setting counts: the parent may still be Korvane's.
                const bool own = previous && ownBefore.contains(type.identifier);
                const auto now =
                    own ? m_platform.defaultAfterChange(type, change) : m_platform.ownDefault(type);
                if (own ? same(now, previous)
                        : !now || m_platform.applicationId(*now) != ours.value(type.identifier)) {
                    back << type.identifier;
                } else {
                    all << stillOpens(type.identifier, DefaultOutcome::NotRestored, type);
                }
            }
            const Result dropped = forget(back);
            for (const QString& key : back) {
                const auto& previous = previousApps.value(key);
                all << (dropped ? DefaultOutcome::of(
                                      key, DefaultOutcome::Restored,
                                      previous ? AppResolver::displayName(*previous, m_platform)
                                               : QString())
                                : DefaultOutcome::failed(key, DefaultOutcome::RestoredUnrecorded,
                                                         dropped.errorString()));
            }
            done(all);
        });
    };
    m_platform.undoDefaultChanges(undo, guarded(this, undone));
}

namespace {

// One command over a rule's extensions: each extension asked in turn, the next once the previous
// has answered, every step queued, so that answers that come at once never nest.
class DefaultsRun : public QObject {
public:
    using Ask = std::function<bool(const QString& ext, DefaultAppManager::Report report)>;
    using Done = std::function<void(const QList<DefaultOutcome>&)>;

    DefaultsRun(QObject* manager, QStringList extensions, Ask ask, Done done)
        : QObject(manager)
        , m_extensions(std::move(extensions))
        , m_ask(std::move(ask))
        , m_done(std::move(done)) {}

    void next() { QMetaObject::invokeMethod(this, &DefaultsRun::step, Qt::QueuedConnection); }

private:
    void step() {
        while (m_next < m_extensions.size()) {
            const QString ext = m_extensions[m_next++];
            const bool asked = m_ask(ext, [this](const DefaultOutcome& outcome) {
                qCDebug(lcDefaults) << outcome.extension << "ended as" << int(outcome.kind)
                                    << outcome.app << outcome.error;
                m_outcomes << outcome;
                next();
            });
            if (asked) {
                return; // its answer steps on
            }
        }
        deleteLater(); // first: `m_done` may end what owns the run
        m_done(m_outcomes);
    }

    QStringList m_extensions;
    qsizetype m_next = 0;
    QList<DefaultOutcome> m_outcomes;
    Ask m_ask;
    Done m_done;
};

} // namespace

void DefaultAppManager::runAll(const QStringList& extensions, const std::optional<QString>& app,
                               std::function<void(const QList<DefaultOutcome>&)> done) {
    load();
    // Setting asks about every extension; restoring passes over those with no record.
    auto ask = [this, app](const QString& ext, const Report& report) {
        if (app) {
            setDefault(ext, *app, report);
        } else if (m_records.entries.contains(ext) || !m_loaded) {
            restore(ext, report);
        } else {
            return false;
        }
        return true;
    };
    (new DefaultsRun(this, extensions, ask, std::move(done)))->next();
}

} // namespace korvane
