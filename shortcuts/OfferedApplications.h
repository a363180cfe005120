#pragma once

#include <QAbstractListModel>
#include <QPointer>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/xdg/Applications.h"
#include "shortcuts/ApplicationList.h"

class QThread;

namespace shortcuts {

// The installed applications typing in the main window offers after the
// shortcuts it finds: the best few matches of the typed text, ranked as
// shortcuts are (Finding.h), leaving out those a shortcut opens already.
// Each row reads its application from one ApplicationModel: its icon, its
// name over "Application", and the entry's file (ApplicationModel::EntryPath).
//
// The index is read in the background, never at start-up: when the first
// text of a search is typed (a search ends when the text is cleared), at most
// once a search. Until it is in, the index of an earlier search is matched,
// or nothing.
class OfferedApplications : public QAbstractListModel {
    Q_OBJECT
public:
    // At most this many applications are offered at once.
    static constexpr int kMostOffered = 5;

    using Reader = std::function<std::vector<platform::Application>()>;
    // `shortcutTargets` gives the targets of the shortcuts when an index comes in.
    OfferedApplications(Icons &icons, std::function<QStringList()> shortcutTargets, QObject *parent = nullptr);
    ~OfferedApplications() override;

    // What reads the index; by default the desktop's (listApplications).
    void setReader(Reader reader) { m_reader = std::move(reader); }
    // Off: nothing is offered and the index is never read.
    void setEnabled(bool on);
    bool enabled() const { return m_enabled; }

    // The text typed; empty ends the search.
    void setTyped(const QString &typed);
    // Takes an index read now, as a search would take it from the background
    // (for tests and measurements).
    void takeIndex(std::vector<platform::Application> applications);
    // Whether an index is being read.
    bool reading() const { return m_reading; }

    // The desktop entry of offered row `row`; empty for none.
    QString entryPath(int row) const;
    const ApplicationModel &applications() const { return m_applications; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Nothing to carry: an offer is never dragged.
    QStringList mimeTypes() const override { return {}; }

signals:
    // A newly read index is in: the offers for the text typed may differ.
    void indexRead();

private:
    void readInBackground();
    // Offers the matches of m_typed, changing the rows in place.
    void offer();

    ApplicationModel m_applications;
    std::function<QStringList()> m_shortcutTargets;
    Reader m_reader;
    bool m_enabled = true;
    QString m_typed;
    // The search has asked for the index already.
    bool m_readThisSearch = false;
    bool m_reading = false;
    QPointer<QThread> m_thread;
    // Rows of m_applications offered, best first; none a shortcut opens.
    std::vector<int> m_offered;
};

} // namespace shortcuts
