#include "explain_dialog.h"

#include "core/app_model.h"
#include "core/app_resolver.h"
#include "core/desktop_opener.h"
#include "core/links.h"
#include "platform/platform.h"
#include "wording/explain_text.h"
#include "wording/wording.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace korvane {

ExplainDialog::ExplainDialog(const AppModel& model, const QStringList& files, QWidget* parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("explainDialog"));
    setWindowTitle(tr("Why This App?"));
    m_text->setObjectName(QStringLiteral("explanation"));
    m_text->setAccessibleName(tr("Why each file went where it went"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setTabChangesFocus(true);
    const Platform& platform = model.platform();
    const QList<Rule>& rules = model.store().rules();
    QStringList lines;
    for (const QString& file : files.mid(0, kMostExplained)) {
        const RouteExplanation why =
            DesktopOpener::explain(file, rules, platform, model.defaultManager().records());
        const QString name = Wording::visible(Links::isLink(file) ? Wording::elided(file)
                                                                  : QFileInfo(file).fileName());
        switch (why.result.kind) {
        case RouteResult::App:
            lines << tr("%1 opens in %2", "%1: a file, %2: an app")
                         .arg(name, AppResolver::displayName(why.result.app, platform));
            break;
        case RouteResult::MissingApp:
            lines << tr("%1: its rule's app wasn't found", "%1: a file").arg(name);
            break;
        case RouteResult::None:
            lines << tr("%1: no rule matches", "%1: a file").arg(name);
            break;
        }
        for (const QString& line : explanationLines(why, rules, platform)) {
            lines << QStringLiteral("    ") + Wording::visible(line);
        }
        lines << QString();
    }
    if (files.size() > kMostExplained) {
        lines << tr("%n more file(s) not explained here.", nullptr,
                    int(files.size() - kMostExplained));
    }
    m_text->setPlainText(lines.join(u'\n').trimmed());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(620, 420);
}

QString ExplainDialog::text() const {
    return m_text->toPlainText();
}

} // namespace korvane
