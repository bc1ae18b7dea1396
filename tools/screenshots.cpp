// A tool, not a test: renders the main window with a rule of every kind, the pending sheet and
// the Settings window offscreen, as PNGs in the folder given. It runs on the freedesktop platform
// in a private desktop with apps named as on a GNOME system, so the words are the ones Linux
// users read. Each look (light or dark, 640 or 1280 px wide, scale 1 or 2) is its own process.
#include "core/app_model.h"
#include "core/rule_store.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "gui/pending_sheet.h"
#include "gui/settings_window.h"
#include "platform/freedesktop/freedesktop_platform.h"
#include "support/freedesktop_sandbox.h"

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

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    dark.setColor(QPalette::Mid, QColor(0x44, 0x44, 0x44));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x77, 0x77, 0x77));
    }
    return dark;
}

// One look: "light 640" or "dark 1280"; the scale comes from QT_SCALE_FACTOR.
int render(int argc, char** argv, const QString& out, const QString& look, int width) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (look == QLatin1String("dark")) {
        QApplication::setPalette(darkPalette());
    }
    FreedesktopPlatform platform;
    Settings settings(Settings::defaultPath());
    GuiApp gui(platform, settings, RuleStore::defaultDirectory());
    gui.model().setMessageDuration(std::chrono::minutes(1));
    const QString name =
        out + u'/' + look + u'-' + QString::number(width) +
        (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2") ? QStringLiteral("@2x-")
                                                                       : QStringLiteral("-"));
    MainWindow& window = gui.mainWindow();
    window.resize(width, 800);
    gui.model().flash(QStringLiteral("Opened 3 files in 2 apps \u00b7 1 missing"));
    bool ok = save(window, name + QStringLiteral("main-window.png"));
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
    if (PendingSheet* sheet = window.pendingSheet()) {
        ok = save(*sheet, name + QStringLiteral("pending-sheet.png")) && ok;
        sheet->reject();
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
    if (argc == 5 && QByteArray(argv[2]) == "--look") {
        return render(argc, argv, QString::fromLocal8Bit(argv[1]), QString::fromLatin1(argv[3]),
                      QByteArray(argv[4]).toInt());
    }
    FreedesktopSandbox sandbox; // exports its folders to the processes below
    QCoreApplication app(argc, argv);
    const QString out =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"))
            .absolutePath();
    QDir().mkpath(out);
    furnish(sandbox);
    bool ok = sandbox.isValid();
    for (const auto& [look, width, scale] : {std::tuple{"light", 640, 1},
                                             {"light", 1280, 1},
                                             {"dark", 640, 1},
                                             {"dark", 1280, 1},
                                             {"light", 640, 2}}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
        child.setProcessEnvironment(environment);
        child.setWorkingDirectory(sandbox.root() + QStringLiteral("/files"));
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(
            QCoreApplication::applicationFilePath(),
            {out, QStringLiteral("--look"), QString::fromLatin1(look), QString::number(width)});
        ok = child.waitForFinished(60000) && child.exitCode() == 0 && ok;
    }
    return ok ? 0 : 1;
}
