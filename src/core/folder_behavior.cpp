#include "folder_behavior.h"

#include "stored_names.h"

namespace korvane {

namespace {

// Each behaviour by the text Korvane.conf holds for it.
constexpr StoredName<FolderBehavior::Value> kStoredValues[] = {
    {FolderBehavior::OpenInFileManager, "openInFinder"},
    {FolderBehavior::RevealInFileManager, "revealInFinder"},
    {FolderBehavior::Ignore, "ignore"},
};

} // namespace

const QList<FolderBehavior>& FolderBehavior::allCases() {
    static const QList<FolderBehavior> all{OpenInFileManager, RevealInFileManager, Ignore};
    return all;
}

std::optional<FolderBehavior> FolderBehavior::fromRawValue(const QString& raw) {
    const auto value = fromStoredName(kStoredValues, raw);
    return value ? std::optional<FolderBehavior>(*value) : std::nullopt;
}

QString FolderBehavior::rawValue() const {
    return storedName(kStoredValues, m_value);
}

} // namespace korvane
