#pragma once

#include <QString>

#include "platform/widgets/Dialogs.h"

namespace launcher {

// How the program tells the user what went wrong: a box while someone is
// there to read it, standard error once the program ends on a signal.
class Reporter {
public:
    explicit Reporter(platform::Dialogs &dialogs) : m_dialogs(dialogs) {}

    // A failure, with a box that waits for OK.
    void failure(const QString &text);
    // A notice that does not wait: the window stays usable.
    void notice(const QString &text);
    // A failure to save: told once a run, since the shortcuts stay in the
    // window and the next save that works writes them all; every time while
    // ending on a signal.
    void saveFailure(const QString &text);
    // An earlier version could not be kept (the save itself went on): told
    // once a run, as a notice.
    void versionFailure(const QString &text);
    // The profile could not be read: a later save that fails for the same
    // reason says nothing more.
    void readFailure(const QString &text);

    // From now on to standard error: nobody may be there to answer a box.
    void toStandardError() { m_toStandardError = true; }

private:
    void tell(const QString &text, bool failure);

    platform::Dialogs &m_dialogs;
    bool m_toStandardError = false;
    bool m_saveFailureTold = false;
    bool m_versionFailureTold = false;
};

} // namespace launcher
