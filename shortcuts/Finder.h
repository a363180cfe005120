#pragma once

#include <QConcatenateTablesProxyModel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "shortcuts/Finding.h"
#include "shortcuts/Frecency.h"
#include "shortcuts/OfferedApplications.h"
#include "shortcuts/OtherGroupMatches.h"
#include "shortcuts/ShortcutList.h"

namespace shortcuts {

// Typing in the list finds shortcuts: each printable key adds to the text,
// Backspace takes the last character back, Escape clears it; the list shows
// the matches best first (see Finding.h) and the text in a small line. When
// nothing matches, it shows the shortcuts one typing slip away, and the line
// and the list's description say that these are close matches only.
// Every group is searched: the shown group's matches are the list's, and
// those of the other groups follow them as offers (OtherGroupMatches), each
// naming its group. With `offers`, the installed applications that match
// come after all the shortcuts that do; one that matches hides the close
// shortcuts.
class Finder : public QObject {
    Q_OBJECT
public:
    // At most this many of the other groups' matches follow, the best ones:
    // each is measured and drawn as a row of its own, and a thousand of them
    // would hold up every keystroke, while typing on narrows them anyway.
    static constexpr size_t kMostFromOtherGroups = 20;

    Finder(ShortcutList &list, OfferedApplications *offers = nullptr, QObject *parent = nullptr);
    ~Finder() override;

    const QString &text() const { return m_text; }
    // Whether the list shows close matches only, nothing matching exactly.
    bool showsCloseMatches() const { return m_close; }
    void type(const QString &more);
    void erase();
    // The whole list again, as it was before the typing began.
    void clear();
    // Among matches of the same kind, the shortcut opened more often and
    // more lately first; none: list order.
    void setFrecency(const Frecency *frecency) { m_frecency = frecency; }

    // What offer `offer` (a row of the view's offers) is: a shortcut of
    // another group (its row in the model), or an installed application
    // (its row of the applications offered); -1 when it is not that.
    int offeredShortcut(int offer) const;
    int offeredApplication(int offer) const;
    const OtherGroupMatches &otherGroups() const { return m_otherGroups; }

signals:
    // Escape with nothing typed: the window goes away.
    void dismissed();

private:
    void apply();

    ShortcutList &m_list;
    OfferedApplications *m_offers;
    OtherGroupMatches m_otherGroups;
    // What the view offers: the other groups' matches, then the applications.
    QConcatenateTablesProxyModel m_offered;
    const Frecency *m_frecency = nullptr;
    // The view it handed the offers to, while it lives.
    QPointer<platform::ListView> m_offersShownIn;
    QString m_text;
    // The captions and target names as matching compares them, made again
    // after the list changed.
    std::vector<Findable> m_findable;
    bool m_stale = true;
    bool m_close = false;
};

} // namespace shortcuts
