#pragma once

#include "gui/app_chooser.h"
#include "gui/file_dialogs.h"
#include "gui/main_window.h"
#include "gui/rule_row.h"
#include "gui/rules_list.h"
#include "model_fixture.h"

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

// The lines a row shows of what opens each of its extensions now, in any language: its labels
// without a name that show their whole text as a tooltip.
inline QStringList openLines(const RuleRow* row) {
    QStringList shown;
    for (const QLabel* label : row->findChildren<QLabel*>()) {
        if (label->isVisible() && label->objectName().isEmpty() && !label->text().isEmpty() &&
            label->toolTip() == label->text()) {
            shown << label->text();
        }
    }
    return shown;
}

// The real main window over a model on the in-memory platform, with a scripted chooser; shown,
// at `size` when one is given.
struct WindowFixture : ModelFixture {
    ScriptedChooser chooser;
    MainWindow window{*model, &chooser};

    explicit WindowFixture(QSize size = {}) {
        if (size.isValid()) {
            window.resize(size);
        }
        window.show();
    }
    RulesList* list() const { return find<RulesList>(&window, "rulesList"); }
    // The row of the rule at `i`, among those shown.
    RuleRow* row(int i) const { return list()->rows().value(i); }
    template <typename T> T* in(int i, const char* name) const { return find<T>(row(i), name); }
    QStringList lines(int i) const { return openLines(row(i)); }
    // The texts of a row's menu as it is about to show: "--" a separator, "* " before the checked
    // item, brackets round one that is off. Triggers the item `pick` when given.
    QStringList menu(int i, const char* button, const QString& pick = {}) const {
        auto* owner = in<QToolButton>(i, button);
        QMenu* menu = owner->menu() ? owner->menu() : owner->findChild<QMenu*>();
        Q_EMIT menu->aboutToShow();
        QStringList texts;
        QAction* picked = nullptr;
        for (QAction* action : menu->actions()) {
            const QString text = action->isSeparator() ? QStringLiteral("--")
                                 : action->isChecked() ? "* " + action->text()
                                                       : action->text();
            texts << (action->isEnabled() ? text : '[' + text + ']');
            picked = !pick.isEmpty() && action->text() == pick ? action : picked;
        }
        if (picked) {
            picked->trigger();
        }
        return texts;
    }
    // The rules as "md,txt>Xed", a group as "@images", one after another.
    QString ruleText() const {
        QStringList rules;
        for (const Rule& r : model->store().rules()) {
            rules << r.extensions.join(u',') + (r.group ? "@" + r.group->rawValue() : "") +
                         (r.links.isEmpty() ? "" : "[" + r.links.join(u' ') + "]") + ">" +
                         r.appName;
        }
        return rules.join(u' ');
    }
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
