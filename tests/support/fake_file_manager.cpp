// Serves org.freedesktop.FileManager1 on the session bus and logs each ShowItems call as
// ShowItems["uri",...] on one line.
// Usage: korvane_fake_file_manager LOG
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>

class FileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QString logPath;

public Q_SLOTS:
    void ShowItems(const QStringList& uris, const QString&) {
        QFile log(logPath);
        if (log.open(QIODevice::Append)) {
            log.write("ShowItems[\"" + uris.join("\",\"").toUtf8() + "\"]\n");
        }
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FileManager manager;
    manager.logPath = app.arguments().value(1);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/FileManager1", &manager,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.FileManager1")) {
        return 1;
    }
    return app.exec();
}

#include "fake_file_manager.moc"
