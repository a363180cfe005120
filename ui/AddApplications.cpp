#include "ui/AddApplications.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/widgets/WindowGeometry.h"

namespace ui {

AddApplications::AddApplications(launcher::Controller &controller, const platform::ApplicationPlaces &places,
                                 QWidget *parent, const QString &openTarget)
    : QDialog(parent),
      m_controller(controller),
      m_openTarget(openTarget),
      m_model(controller.icons()),
      m_filter(new QLineEdit(this)),
      m_list(new QListView(this)),
      m_add(new QPushButton(openTarget.isEmpty() ? tr("&Add") : tr("&Open"), this))
{
    const bool adding = openTarget.isEmpty();
    setObjectName(adding ? QStringLiteral("frmAddApplications") : QStringLiteral("frmOpenWith"));
    setWindowTitle(adding ? tr("Tessaflow - Add Applications") : tr("Tessaflow - Open With"));
    QStringList targets;
    // Which are shortcuts already matters only when adding.
    if (adding)
        for (const shortcuts::Shortcut &shortcut : controller.model().shortcuts())
            targets << shortcut.target;
    m_model.load(platform::listApplications(places), targets);

    auto *label = new QLabel(tr("&Find:"), this);
    label->setObjectName(QStringLiteral("lblFilter"));
    label->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    //: Shown in the empty filter field of the Add Applications window.
    m_filter->setPlaceholderText(tr("Name, kind or keyword"));
    m_filter->setClearButtonEnabled(true);
    m_filter->installEventFilter(this);

    m_list->setObjectName(QStringLiteral("lstApplications"));
    //: What a screen reader calls the list of the Add Applications window.
    m_list->setAccessibleName(tr("Applications"));
    m_list->setModel(&m_shown);
    m_list->setSelectionMode(adding ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setIconSize(QSize(32, 32));
    m_list->setUniformItemSizes(true); // 2 000 rows laid out without measuring each
    m_list->setTextElideMode(Qt::ElideRight);
    connect(m_list, &QListView::doubleClicked, this, &AddApplications::add);

    auto *buttons = new QDialogButtonBox(this);
    m_add->setObjectName(QStringLiteral("cmdAdd"));
    m_add->setDefault(true);
    buttons->addButton(m_add, QDialogButtonBox::AcceptRole);
    QPushButton *close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, &AddApplications::add);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_filter);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(420, 480);

    connect(m_filter, &QLineEdit::textChanged, this, &AddApplications::filterChanged);
    filterChanged(QString());
    m_filter->setFocus();
}

AddApplications *AddApplications::openOver(QWidget &window, launcher::Controller &controller)
{
    return openWithOver(window, controller, QString());
}

AddApplications *AddApplications::openWithOver(QWidget &window, launcher::Controller &controller,
                                               const QString &target)
{
    auto *dialog = new AddApplications(controller, platform::ApplicationPlaces::fromEnvironment(), &window, target);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowIcon(window.windowIcon());
    platform::placeCentredOver(*dialog, window);
    dialog->open();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

void AddApplications::filterChanged(const QString &text)
{
    m_shown.setTyped(text);
    // The best match is what Enter adds; more are chosen from there.
    const QModelIndex first = m_shown.index(0, 0);
    if (first.isValid()) {
        m_list->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(first);
    } else {
        m_list->selectionModel()->clear();
    }
    m_add->setEnabled(first.isValid());
}

QStringList AddApplications::chosen() const
{
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() && m_list->currentIndex().isValid())
        rows << m_list->currentIndex();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex &row : std::as_const(rows))
        paths << row.data(shortcuts::ApplicationModel::EntryPath).toString();
    return paths;
}

void AddApplications::add()
{
    const QStringList paths = chosen();
    if (paths.isEmpty())
        return;
    if (m_openTarget.isEmpty())
        m_controller.addApplications(paths);
    else
        m_controller.openWith(m_openTarget, paths.first());
    accept();
}

bool AddApplications::eventFilter(QObject *watched, QEvent *event)
{
    // The list's moving keys work from the filter field, which keeps the focus.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool moves = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp
                           || key->key() == Qt::Key_PageDown;
        const bool toggles = key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier);
        if (moves || toggles) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(m_list, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ui
