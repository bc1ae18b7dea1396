// Renders the main window (empty, and with one rule of every kind), the pending sheet and the
// Settings window offscreen, as PNGs in the folder given.
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
    platform.addApplication("/Applications/TextEdit.app", "com.apple.TextEdit", "TextEdit.app",
                            {"public.text"});
    platform.addApplication("/Applications/Sublime Text.app", "com.sublimetext.4",
                            "Sublime Text.app", {"public.text"});
    platform.addApplication("/Applications/Preview.app", "com.apple.Preview", "Preview.app",
                            {"public.image", "com.adobe.pdf"});
    platform.addApplication("/Applications/Music.app", "com.apple.Music", "Music.app",
                            {"public.audio"});
    platform.setDefault("net.daringfireball.markdown", "/Applications/TextEdit.app");
    platform.setDefault("public.png", "/Applications/Preview.app");
    platform.addFile("/Users/me/Documents/Meeting notes.txt");

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
    working.setApp("/Applications/TextEdit.app", platform);
    Rule missing;
    missing.extensions = {"pdf"};
    missing.bundleID = "com.adobe.Acrobat";
    missing.appPath = "/Applications/Adobe Acrobat.app";
    missing.appName = "Adobe Acrobat";
    Rule blank;
    Rule disabled;
    disabled.extensions = {"png", "jpg"};
    disabled.enabled = false;
    disabled.setApp("/Applications/Preview.app", platform);
    Rule group;
    group.group = TypeGroup::Audio;
    group.setApp("/Applications/Music.app", platform);
    gui.model().store().setRules({working, missing, blank, disabled, group});
    gui.model().flash("Opened 3 files in 2 apps \u00b7 1 missing");
    ok = save(window, out + "/main-window-rules.png") && ok;

    gui.model().handle({"/Users/me/Documents/Meeting notes.txt"}, 0);
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
