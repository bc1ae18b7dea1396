#pragma once

#include "gui/app_chooser.h"
#include "gui/file_dialogs.h"

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

// A chooser that answers as told; nothing means cancelled.
class ScriptedChooser : public AppChooser {
public:
    std::optional<QString> answer;
    std::optional<QString> chooseApp(const QString&) override { return answer; }
};

// File dialogs that answer with the paths given; nothing means cancelled.
class ScriptedDialogs : public FileDialogs {
public:
    explicit ScriptedDialogs(std::optional<QStringList> answer)
        : m_answer(std::move(answer)) {}
    std::optional<QString> saveRules() override { return first(); }
    std::optional<QString> openRules() override { return first(); }
    void openItems(std::function<void(const QStringList&)> done) override {
        if (m_answer) {
            done(*m_answer);
        }
    }

private:
    std::optional<QString> first() const {
        return m_answer && !m_answer->isEmpty() ? std::optional(m_answer->first()) : std::nullopt;
    }
    std::optional<QStringList> m_answer;
};

// A dark theme's palette, as GNOME's dark style has it.
inline QPalette darkPalette() {
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

} // namespace korvane
