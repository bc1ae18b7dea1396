#include "content_types.h"

#include "glib_ptr.h"
#include "glib_strings.h"

#include <gio/gio.h>

namespace korvane::ContentTypes {

namespace {

const QString kData = QStringLiteral("application/octet-stream");
const QString kArchive = QStringLiteral("x-korvane/archive");
const QString kSourceCode = QStringLiteral("x-korvane/source-code");

bool isA(const QString& type, const QString& parent) {
    return g_content_type_is_a(utf8(type).constData(), utf8(parent).constData());
}

bool isAnyOf(const QString& type, const QStringList& parents) {
    for (const QString& parent : parents) {
        if (isA(type, parent)) {
            return true;
        }
    }
    return false;
}

} // namespace

const QStringList& archiveTypes() {
    static const QStringList types{
        QStringLiteral("application/zip"),
        QStringLiteral("application/x-tar"),
        QStringLiteral("application/gzip"),
        QStringLiteral("application/x-bzip"),
        QStringLiteral("application/x-bzip2"),
        QStringLiteral("application/x-xz"),
        QStringLiteral("application/zstd"),
        QStringLiteral("application/x-zstd"),
        QStringLiteral("application/x-lzma"),
        QStringLiteral("application/x-lzip"),
        QStringLiteral("application/x-lz4"),
        QStringLiteral("application/x-compress"),
        QStringLiteral("application/x-7z-compressed"),
        QStringLiteral("application/vnd.rar"),
        QStringLiteral("application/x-rar"),
        QStringLiteral("application/x-cpio"),
        QStringLiteral("application/x-archive"),
        QStringLiteral("application/x-cd-image"),
        QStringLiteral("application/x-iso9660-image"),
        QStringLiteral("application/x-compressed-tar"),
        QStringLiteral("application/x-bzip-compressed-tar"),
        QStringLiteral("application/x-bzip2-compressed-tar"),
        QStringLiteral("application/x-xz-compressed-tar"),
        QStringLiteral("application/x-lzma-compressed-tar"),
        QStringLiteral("application/x-zstd-compressed-tar"),
        QStringLiteral("application/x-tarz"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("application/vnd.debian.binary-package"),
        QStringLiteral("application/x-rpm"),
    };
    return types;
}

const QStringList& sourceCodeTypes() {
    static const QStringList types{
        QStringLiteral("text/x-csrc"),
        QStringLiteral("text/x-chdr"),
        QStringLiteral("text/x-c++src"),
        QStringLiteral("text/x-c++hdr"),
        QStringLiteral("text/x-objcsrc"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("text/x-java"),
        QStringLiteral("application/javascript"),
        QStringLiteral("text/javascript"),
        QStringLiteral("application/x-typescript"),
        QStringLiteral("text/x-typescript"),
        QStringLiteral("text/x-go"),
        QStringLiteral("text/rust"),
        QStringLiteral("text/x-rust"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("application/x-php"),
        QStringLiteral("text/x-csharp"),
        QStringLiteral("text/x-kotlin"),
        QStringLiteral("text/x-swift"),
        QStringLiteral("text/x-lua"),
        QStringLiteral("text/x-scala"),
        QStringLiteral("text/x-haskell"),
        QStringLiteral("text/x-pascal"),
        QStringLiteral("text/x-fortran"),
        QStringLiteral("text/x-dsrc"),
        QStringLiteral("text/x-erlang"),
        QStringLiteral("text/x-elixir"),
        QStringLiteral("text/x-ocaml"),
        QStringLiteral("text/x-sql"),
        QStringLiteral("text/x-makefile"),
        QStringLiteral("text/x-cmake"),
        QStringLiteral("text/x-tcl"),
        QStringLiteral("text/x-vala"),
    };
    return types;
}

bool isGroup(const QString& type) {
    return type.endsWith(QLatin1String("/*")) || type == kArchive || type == kSourceCode;
}

QString typeOfFile(const QString& file) {
    GObjectPtr<GFile> gfile(g_file_new_for_path(fileName(file).constData()));
    GObjectPtr<GFileInfo> info(g_file_query_info(gfile.get(),
                                                 G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                 G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
    if (!info) {
        return {};
    }
    return fromUtf8(g_file_info_get_content_type(info.get()));
}

std::optional<ContentType> typeForExtension(const QString& extension) {
    if (extension.isEmpty()) {
        return std::nullopt;
    }
    const QByteArray name = utf8(QStringLiteral("x.") + extension);
    gboolean uncertain = FALSE;
    GCharPtr type(g_content_type_guess(name.constData(), nullptr, 0, &uncertain));
    if (!type) {
        return std::nullopt;
    }
    const QString identifier = fromUtf8(type.get());
    // Without data, GIO answers the generic type with doubt exactly when no glob matched.
    const bool dynamic = uncertain && identifier == kData;
    return ContentType{identifier, dynamic};
}

bool conforms(const ContentType& type, const ContentType& to) {
    if (to.identifier == kData) {
        return true;
    }
    if (type.dynamic || type.identifier.isEmpty()) {
        return type == to;
    }
    if (to.identifier == kArchive) {
        return type.identifier == kArchive || isAnyOf(type.identifier, archiveTypes());
    }
    if (to.identifier == kSourceCode) {
        return type.identifier == kSourceCode || isAnyOf(type.identifier, sourceCodeTypes());
    }
    return isA(type.identifier, to.identifier);
}

QList<ContentType> registeredTypes() {
    QList<ContentType> types;
    GStringListPtr names(g_content_types_get_registered());
    for (GList* name = names.get(); name; name = name->next) {
        types.append(ContentType{fromUtf8(static_cast<const char*>(name->data))});
    }
    return types;
}

ContentType wellKnownType(WellKnownType type) {
    switch (type) {
    case WellKnownType::Text:
        return {QStringLiteral("text/plain")};
    case WellKnownType::Image:
        return {QStringLiteral("image/*")};
    case WellKnownType::Audio:
        return {QStringLiteral("audio/*")};
    case WellKnownType::Video:
        return {QStringLiteral("video/*")};
    case WellKnownType::Archive:
        return {kArchive};
    case WellKnownType::SourceCode:
        return {kSourceCode};
    case WellKnownType::Data:
        return {kData};
    case WellKnownType::Json:
        return {QStringLiteral("application/json")};
    case WellKnownType::Application:
        return {QStringLiteral("application/x-desktop")};
    }
    return {};
}

} // namespace korvane::ContentTypes
