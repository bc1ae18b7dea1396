// A tool, not a test: renders the main window (empty, and with one rule of every kind), the pending
// sheet and the Settings window offscreen, as PNGs in the folder given.
#include "core/app_model.h"
#include "core/settings.h"
#include "gui/gui_app.h"
#include "gui/main_window.h"
#include "gui/pending_sheet.h"
#include "gui/rule_row.h"
#include "gui/rules_list.h"
#include "gui/settings_window.h"
#include "support/memory_platform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace korvane;

namespace {

bool save(QWidget& widget, const QString& path) {
    widget.show();
    QTest::qWait(300); // refreshes and fades settle
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);

    MemoryPlatform platform;
    platform.addApplication("/apps/textedit.desktop", "textedit.desktop", "Text Editor",
                            {"text/plain"});
    platform.addApplication("/apps/sublime.desktop", "sublime.desktop", "Sublime Text",
                            {"text/plain"});
    platform.addApplication("/apps/viewer.desktop", "viewer.desktop", "Image Viewer",
                            {"image/*", "application/pdf"});
    platform.addApplication("/apps/music.desktop", "music.desktop", "Music", {"audio/*"});
    platform.setDefault("text/markdown", "/apps/textedit.desktop");
    platform.setDefault("image/png", "/apps/viewer.desktop");
    platform.addFile("/home/me/Documents/Meeting notes.txt");

    QTemporaryDir dir;
    Settings settings(dir.filePath("Korvane.conf"));
    QDir().mkpath(dir.filePath("Korvane"));
    QFile empty(dir.filePath("Korvane/rules.json"));
    empty.open(QIODevice::WriteOnly);
    empty.write("[]");
    empty.close();
    GuiApp gui(platform, settings, dir.filePath("Korvane"));
    gui.model().setMessageDuration(std::chrono::minutes(1));
    MainWindow& window = gui.mainWindow();
    bool ok = save(window, out + "/main-window-empty.png");

    Rule working;
    working.extensions = {"md", "markdown"};
    working.setApp("/apps/textedit.desktop", platform);
    Rule missing;
    missing.extensions = {"pdf"};
    missing.appId = "acrobat.desktop";
    missing.appPath = "/apps/acrobat.desktop";
    missing.appName = "Adobe Acrobat";
    Rule blank;
    Rule disabled;
    disabled.extensions = {"png", "jpg"};
    disabled.enabled = false;
    disabled.setApp("/apps/viewer.desktop", platform);
    Rule group;
    group.group = TypeGroup::Audio;
    group.setApp("/apps/music.desktop", platform);
    gui.model().store().setRules({working, missing, blank, disabled, group});
    gui.model().flash("Opened 3 files in 2 apps \u00b7 1 missing");
    ok = save(window, out + "/main-window-rules.png") && ok;

    gui.model().handle({"/home/me/Documents/Meeting notes.txt"}, {});
    QTest::qWait(100);
    if (PendingSheet* sheet = window.pendingSheet()) {
        ok = save(*sheet, out + "/pending-sheet.png") && ok;
        sheet->reject();
    } else {
        ok = false;
    }
    ok = save(gui.settingsWindow(), out + "/settings-window.png") && ok;
    return ok ? 0 : 1;
}
