#include "ui/EarlierVersions.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/StoredVersions.h"
#include "platform/widgets/WindowGeometry.h"
#include "shortcuts/ShortcutList.h"

namespace ui {

EarlierVersions::EarlierVersions(launcher::Controller &controller, QWidget *parent)
    : QDialog(parent),
      m_controller(controller),
      m_list(new QListWidget(this)),
      m_problem(new QLabel(this)),
      m_restore(new QPushButton(tr("&Restore"), this))
{
    setObjectName(QStringLiteral("frmEarlierVersions"));
    setWindowTitle(tr("Tessaflow - Earlier Versions"));
    auto *layout = new QVBoxLayout(this);
    //: Above the list of earlier versions of the shortcuts.
    auto *label = new QLabel(tr("The shortcuts as they were before earlier changes, newest first:"), this);
    layout->addWidget(label);
    m_list->setObjectName(QStringLiteral("lstVersions"));
    //: What a screen reader calls the list of earlier versions.
    m_list->setAccessibleName(tr("Earlier versions"));
    label->setBuddy(m_list);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list);
    m_problem->setObjectName(QStringLiteral("lblVersionsProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    layout->addWidget(m_problem);

    auto *buttons = new QDialogButtonBox(this);
    m_restore->setObjectName(QStringLiteral("cmdRestore"));
    //: What a screen reader says the Restore button does.
    m_restore->setAccessibleDescription(tr("Replaces the shortcuts with those of the chosen version"));
    buttons->addButton(m_restore, QDialogButtonBox::ActionRole);
    auto *close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    layout->addWidget(buttons);
    connect(m_restore, &QPushButton::clicked, this, [this] { restoreSelected(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &EarlierVersions::selectionChanged);
    connect(m_list, &QListWidget::itemActivated, this, [this] { restoreSelected(); });
    resize(560, 360);
    refresh();
}

EarlierVersions *EarlierVersions::openOver(QWidget &window, launcher::Controller &controller)
{
    // One at a time: asked again, the open one comes to the front, listed afresh.
    if (auto *open = window.findChild<EarlierVersions *>(QString(), Qt::FindDirectChildrenOnly)) {
        open->refresh();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto *dialog = new EarlierVersions(controller, &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowIcon(window.windowIcon());
    if (window.isVisible())
        platform::placeCentredOver(*dialog, window);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void EarlierVersions::refresh()
{
    m_list->clear();
    m_rows.clear();
    std::vector<platform::ProfileVersion> versions;
    QString problem;
    platform::listVersions(m_controller.profilePath(), versions, &problem);
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    const shortcuts::ListState now = m_controller.model().state();
    const QLocale locale;
    for (auto &version : versions) {
        Row row{std::move(version), std::nullopt};
        QStringList parts{locale.toString(row.version.when.toLocalTime(), QLocale::ShortFormat)};
        shortcuts::ListState state;
        QString reason;
        if (config::readVersion(row.version.path, state, &reason)) {
            parts << shortcuts::countText(int(state.shortcuts.size()));
            const QString difference = config::differenceText(config::differenceOf(state, now));
            //: In the list of earlier versions: one that holds the same shortcuts as now.
            parts << (difference.isEmpty() ? tr("the same as now") : difference);
            row.state = std::move(state);
        } else {
            //: In the list of earlier versions: one that cannot be read.
            parts << tr("unreadable");
        }
        if (row.version.kind == platform::VersionKind::ChangedElsewhere)
            //: In the list of earlier versions: one another program had written into the profile.
            parts << tr("changed by another program");
        auto *item = new QListWidgetItem(parts.join(QStringLiteral(" \u00b7 ")), m_list);
        item->setToolTip(row.version.path);
        if (!row.state)
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        m_rows.push_back(std::move(row));
    }
    for (int i = 0; i < m_list->count(); ++i)
        if (m_rows[size_t(i)].state) {
            m_list->setCurrentRow(i);
            break;
        }
    selectionChanged();
}

void EarlierVersions::selectionChanged()
{
    const int row = m_list->currentRow();
    m_restore->setEnabled(row >= 0 && m_list->currentItem()->isSelected() && m_rows[size_t(row)].state);
}

bool EarlierVersions::restoreSelected()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem()->isSelected() || !m_rows[size_t(row)].state)
        return false;
    m_controller.replaceShortcuts(*m_rows[size_t(row)].state);
    // The shortcuts just replaced are the newest version now.
    refresh();
    return true;
}

} // namespace ui
