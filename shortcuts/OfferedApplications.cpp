#include "shortcuts/OfferedApplications.h"

#include <QThread>
#include <algorithm>

namespace shortcuts {

OfferedApplications::OfferedApplications(Icons &icons, std::function<QStringList()> shortcutTargets, QObject *parent)
    : QAbstractListModel(parent), m_applications(icons), m_shortcutTargets(std::move(shortcutTargets))
{
}

OfferedApplications::~OfferedApplications()
{
    // A read still going on ends before what it reads into goes.
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void OfferedApplications::setEnabled(bool on)
{
    m_enabled = on;
    offer();
}

void OfferedApplications::setTyped(const QString &typed)
{
    m_typed = typed;
    if (typed.isEmpty())
        m_readThisSearch = false;
    else if (m_enabled && !std::exchange(m_readThisSearch, true))
        readInBackground();
    offer();
}

void OfferedApplications::readInBackground()
{
    // One read at a time: one still going on serves this search too.
    if (m_reading)
        return;
    Reader reader = m_reader;
    if (!reader)
        // The places are read here: the environment and the locale belong to this thread.
        reader = [places = platform::ApplicationPlaces::fromEnvironment()] { return platform::listApplications(places); };
    auto result = std::make_shared<std::vector<platform::Application>>();
    m_reading = true;
    m_thread = QThread::create([reader = std::move(reader), result] { *result = reader(); });
    connect(m_thread, &QThread::finished, this, [this, result] {
        m_thread->deleteLater();
        m_thread = nullptr;
        m_reading = false;
        takeIndex(std::move(*result));
    });
    m_thread->start(QThread::LowPriority);
}

void OfferedApplications::takeIndex(std::vector<platform::Application> applications)
{
    m_applications.load(std::move(applications), m_shortcutTargets ? m_shortcutTargets() : QStringList());
    offer();
    emit indexRead();
}

void OfferedApplications::offer()
{
    std::vector<int> offered;
    if (m_enabled && !m_typed.isEmpty()) {
        // The best matches that are not shortcuts already: a shortcut to an
        // application is found as a shortcut.
        for (const int row : m_applications.matches(m_typed)) {
            if (m_applications.index(row).data(ApplicationModel::Added).toBool())
                continue;
            offered.push_back(row);
            if (int(offered.size()) == kMostOffered)
                break;
        }
    }
    // The rows change in place: a view over them (and over the shortcuts
    // before them) keeps its selection and layout.
    const int before = int(m_offered.size()), after = int(offered.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        m_offered.resize(size_t(after));
        endRemoveRows();
    }
    const int kept = std::min(before, after);
    const bool changed = !std::equal(offered.begin(), offered.begin() + kept, m_offered.begin());
    std::copy(offered.begin(), offered.begin() + kept, m_offered.begin());
    if (changed && kept > 0)
        emit dataChanged(index(0), index(kept - 1));
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        m_offered = std::move(offered);
        endInsertRows();
    }
}

QString OfferedApplications::entryPath(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    return m_applications.at(m_offered[size_t(row)]).path;
}

int OfferedApplications::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_offered.size());
}

QVariant OfferedApplications::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const platform::Application &application = m_applications.at(m_offered[size_t(index.row())]);
    //: Under an installed application that typing in the main window offers besides the shortcuts.
    const QString kind = tr("Application");
    switch (role) {
    case Qt::DisplayRole:
        return application.name + u'\n' + kind;
    case Qt::AccessibleTextRole:
        return application.name;
    case Qt::AccessibleDescriptionRole:
        return kind;
    case Qt::ToolTipRole:
        return application.comment.isEmpty() ? application.name + u'\n' + kind
                                             : application.name + u'\n' + application.comment;
    default:
        return m_applications.index(m_offered[size_t(index.row())]).data(role);
    }
}

Qt::ItemFlags OfferedApplications::flags(const QModelIndex &index) const
{
    // Chosen and started, never dragged, renamed or dropped on.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

} // namespace shortcuts
