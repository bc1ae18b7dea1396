// A tool, not a test: renders the main window with a rule of every kind, the pending-files dialog
// and the Settings window offscreen, as PNGs in the folder given. It runs on the freedesktop
// platform in a private desktop with apps named as on a GNOME system, so the words are the ones
// Linux users read. Each look (light or dark; 400, 640 or 1280 px wide; scale 1 or 2; as the window
// opens on a 1920 × 1080 screen at scale 2) is its own process.
#include "core/app_model.h"
#include "core/rule_store.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "gui/pending_files_dialog.h"
#include "gui/settings_window.h"
#include "i18n/translations.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"
#include "support/widgets.h"
#include "wording/drop_text.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QProcess>
#include <QStyleFactory>
#include <QTest>
#include <QUrl>

using namespace korvane;

namespace {

bool save(QWidget& widget, const QString& path) {
    widget.show();
    QTest::qWait(400); // look-ups and layouts settle
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// One look: "light 640" or "dark 1280"; the scale comes from QT_SCALE_FACTOR.
// A width of 0 leaves the window at the size it opens with on the screen.
int render(int argc, char** argv, const QString& out, const QString& look, int width, int height) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The language of KORVANE_SCREENSHOT_LANGUAGE ("de", "ar"), else English.
    const QString language = qEnvironmentVariable("KORVANE_SCREENSHOT_LANGUAGE");
    Translations::install(app, language.isEmpty() ? QLocale(QLocale::English) : QLocale(language));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (look == QLatin1String("dark")) {
        QApplication::setPalette(darkPalette());
    }
    FreedesktopPlatform platform;
    Settings settings(Settings::defaultPath());
    GuiApp gui(platform, settings, RuleStore::defaultDirectory());
    gui.model().setMessageDuration(std::chrono::minutes(1));
    MainWindow& window = gui.mainWindow();
    const QSize screen = window.screen()->geometry().size() * window.devicePixelRatio();
    const QString size =
        width > 0 ? QString::number(width) + (height != 800 ? u'x' + QString::number(height) : "")
                  : QStringLiteral("on-%1x%2").arg(screen.width()).arg(screen.height());
    const QString name =
        out + u'/' + (language.isEmpty() ? QString() : language + u'-') + look + u'-' + size +
        (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2") ? QStringLiteral("@2x-")
                                                                       : QStringLiteral("-"));
    if (width > 0) {
        window.resize(width, height);
    }
    DropReport drop;
    drop.launches = {{QStringLiteral("Text Editor"), 2, {}}, {QStringLiteral("Music"), 1, {}}};
    drop.missingFiles = 1;
    gui.model().flash(dropSummary(drop, {platform.systemName(), platform.fileManagerName(), {}}));
    bool ok = save(window, name + QStringLiteral("main-window.png"));
    // The window and its frame's guess must fit the screen's available area.
    const QRect available = window.screen()->availableGeometry();
    if (width == 0 &&
        (window.width() > available.width() || window.height() > available.height())) {
        std::printf("TOO BIG %dx%d for a screen of %dx%d\n", window.width(), window.height(),
                    available.width(), available.height());
        ok = false;
    }
    // A rule deleted: the message names it, with the offer to take it back.
    if (auto* remove = window.findChildren<QAbstractButton*>(QStringLiteral("delete")).value(1)) {
        remove->click();
        ok = save(window, name + QStringLiteral("undo-offer.png")) && ok;
        window.findChild<QAbstractButton*>(QStringLiteral("undo"))->click();
    }
    // A drag held over the drop zone, showing what its drop would do.
    QMimeData dragged;
    QList<QUrl> urls;
    for (const char* file : {"Notes.md", "Plan.md", "Ideas.md", "Meeting notes.odt", "song.mp3"}) {
        urls << QUrl::fromLocalFile(QDir::currentPath() + u'/' + QLatin1String(file));
    }
    dragged.setUrls(urls);
    auto* zone = window.findChild<QWidget*>(QStringLiteral("dropZone"));
    QDragEnterEvent enter(zone->rect().center(), Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QCoreApplication::sendEvent(zone, &enter);
    ok = save(window, name + QStringLiteral("drop-preview.png")) && ok;
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(zone, &leave);

    gui.model().handle({QDir::currentPath() + QStringLiteral("/Meeting notes.odt")}, {});
    QTest::qWait(200);
    if (PendingFilesDialog* dialog = window.pendingFilesDialog()) {
        ok = save(*dialog, name + QStringLiteral("pending-files.png")) && ok;
        dialog->reject();
    }
    ok = save(gui.settingsWindow(), name + QStringLiteral("settings-window.png")) && ok;
    return ok ? 0 : 1;
}

// The apps of a GNOME desktop, and the rules shown.
void furnish(FreedesktopSandbox& sandbox) {
    const QList<QStringList> apps{
        {"org.gnome.Nautilus", "Files", "inode/directory;", "system-file-manager"},
        {"org.gnome.TextEditor", "Text Editor", "text/plain;text/markdown;",
         "accessories-text-editor"},
        {"org.gnome.Loupe", "Image Viewer", "image/png;image/jpeg;", "image-viewer"},
        {"org.gnome.Music", "Music", "audio/mpeg;audio/flac;", "audio-x-generic"},
        {"org.gnome.Evince", "Document Viewer", "application/pdf;", "x-office-document"},
        {"libreoffice-writer", "LibreOffice Writer", "application/vnd.oasis.opendocument.text;",
         "libreoffice-writer"},
    };
    for (const QStringList& app : apps) {
        sandbox.makeFile("../data/applications/" + app[0] + ".desktop",
                         QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true %F\n"
                                        "MimeType=%2\nIcon=%3\n")
                             .arg(app[1], app[2], app[3])
                             .toUtf8());
    }
    QProcess::execute(QStringLiteral("update-desktop-database"), {sandbox.userApplications()});
    QFile list(sandbox.mimeappsList());
    list.open(QIODevice::WriteOnly);
    list.write("[Default Applications]\ninode/directory=org.gnome.Nautilus.desktop\n"
               "text/markdown=org.gnome.TextEditor.desktop\nimage/png=org.gnome.Loupe.desktop\n"
               "image/jpeg=org.gnome.Loupe.desktop\napplication/pdf=org.gnome.Evince.desktop\n");
    list.close();
    auto rule = [](const QStringList& extensions, const QString& id, const QString& name) {
        Rule made;
        made.extensions = extensions;
        made.appId = id.isEmpty() ? QString() : id + QStringLiteral(".desktop");
        made.appName = name;
        return made;
    };
    Rule disabled = rule({"png", "jpg"}, "org.gnome.Loupe", "Image Viewer");
    disabled.enabled = false;
    Rule audio = rule({}, "org.gnome.Music", "Music");
    audio.group = TypeGroup::Audio;
    sandbox.writeRules({rule({"md", "markdown"}, "org.gnome.TextEditor", "Text Editor"),
                        rule({"md", "rst"}, "org.gnome.TextEditor", "Text Editor"),
                        rule({"pdf"}, "com.adobe.Reader", "Adobe Acrobat Reader"), Rule(), disabled,
                        audio});
    for (const char* name : {"Meeting notes.odt", "Notes.md", "Plan.md", "Ideas.md", "song.mp3"}) {
        sandbox.makeFile(QString::fromLatin1(name), "x");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 6 && QByteArray(argv[2]) == "--look") {
        return render(argc, argv, QString::fromLocal8Bit(argv[1]), QString::fromLatin1(argv[3]),
                      QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt());
    }
    FreedesktopSandbox sandbox; // exports its folders to the processes below
    QCoreApplication app(argc, argv);
    const QString out =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"))
            .absolutePath();
    QDir().mkpath(out);
    furnish(sandbox);
    bool ok = sandbox.isValid();
    // A laptop's 1920 × 1080 screen, for the look at scale 2 as the window opens there.
    const QString screen = out + QStringLiteral("/.screen-1920x1080.json");
    QFile screenFile(screen);
    ok = screenFile.open(QIODevice::WriteOnly) &&
         screenFile.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1920,
             "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") > 0 &&
         ok;
    screenFile.close();
    for (const auto& [look, width, height, scale, language] : {std::tuple{"light", 640, 800, 1, ""},
                                                               {"light", 1280, 800, 1, ""},
                                                               {"light", 400, 500, 1, ""},
                                                               {"dark", 640, 800, 1, ""},
                                                               {"dark", 1280, 800, 1, ""},
                                                               {"dark", 400, 500, 1, ""},
                                                               {"light", 640, 800, 2, ""},
                                                               {"light", 0, 0, 2, ""},
                                                               {"light", 640, 800, 1, "de"},
                                                               {"light", 640, 800, 1, "ar"}}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KORVANE_SCREENSHOT_LANGUAGE"),
                           QString::fromLatin1(language));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        if (width == 0) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                               QStringLiteral("offscreen:configfile=") + screen);
        }
        child.setProcessEnvironment(environment);
        child.setWorkingDirectory(sandbox.root() + QStringLiteral("/files"));
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {out, QStringLiteral("--look"), QString::fromLatin1(look),
                     QString::number(width), QString::number(height)});
        ok = child.waitForFinished(60000) && child.exitCode() == 0 && ok;
    }
    return ok ? 0 : 1;
}
