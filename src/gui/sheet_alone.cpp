#include "sheet_alone.h"

#include "app_chooser_dialog.h"
#include "core/app_model.h"
#include "pending_files_dialog.h"
#include "platform/platform.h"
#include "wording/drop_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

namespace korvane {

namespace {

struct SheetText {
    Q_DECLARE_TR_FUNCTIONS(SheetText)
};

} // namespace

int askAlone(Platform& platform, Settings& settings, const QString& rulesDirectory,
             const QStringList& files) {
    // The program ends when its work does: a sheet closed with a launch still in flight would
    // otherwise end it before the app starts.
    const bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    const auto restore =
        qScopeGuard([quitOnClose] { QApplication::setQuitOnLastWindowClosed(quitOnClose); });
    AppModel model(platform, rulesDirectory, settings);
    model.store().setSaveDelay(std::chrono::milliseconds(0)); // saved before the sheet ends
    GuiAppChooser chooser(platform);
    QPointer<PendingFilesDialog> sheet;
    int status = 0;
    auto finishWhenDone = [&] {
        if (!sheet && !model.pending() && model.launchesInFlight() == 0 && !model.openerBusy()) {
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    };
    auto sync = [&] {
        const auto pending = model.pending();
        if (pending && !sheet) {
            sheet = new PendingFilesDialog(model, &chooser, *pending);
            sheet->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(sheet, &QDialog::finished, &model, [&] {
                if (model.pending()) {
                    model.cancelPending(); // the user dismissed it
                }
                QTimer::singleShot(0, &model, [&] {
                    model.pendingDismissed();
                    finishWhenDone();
                });
            });
            sheet->show();
            sheet->raise();
            sheet->activateWindow();
        } else if (!pending && sheet) {
            sheet->done(QDialog::Accepted);
        }
    };
    QObject::connect(&model, &AppModel::pendingChanged, &model, sync);
    QObject::connect(&model, &AppModel::launchesSettled, &model, finishWhenDone);
    QObject::connect(&model, &AppModel::openerIdle, &model, finishWhenDone);
    // A launch that failed is told: nobody watches a terminal here.
    QObject::connect(&model, &AppModel::dropEnded, &model, [&](const DropReport& report) {
        if (!report.failed) {
            return;
        }
        status = 1;
        const QString summary =
            dropSummary(report, {platform.systemName(), platform.fileManagerName(),
                                 SheetText::tr("Check its rule in Korvane.")});
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Korvane"), summary, QMessageBox::Ok);
        box.setAccessibleName(SheetText::tr("Korvane couldn't open a file"));
        box.exec();
    });
    QTimer::singleShot(0, &model, [&] {
        model.askAbout(files); // nothing else opens them: routing them again could loop
        finishWhenDone();
    });
    QApplication::exec();
    return status;
}

} // namespace korvane
