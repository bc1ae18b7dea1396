#pragma once

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

namespace korvane {

// A widget of the window by its object name, as a user's tools find it; fails the test when
// there is none.
template <typename T> T* find(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child) {
        QTest::qFail(qPrintable(QStringLiteral("no %1 named %2")
                                    .arg(QLatin1String(T::staticMetaObject.className()),
                                         QLatin1String(name))),
                     __FILE__, __LINE__);
    }
    return child;
}

} // namespace korvane
