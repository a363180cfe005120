#include "launcher/Reporter.h"

#include <cstdio>

#include "Version.h"

namespace launcher {

void Reporter::failure(const QString &text) { tell(text, true); }

void Reporter::notice(const QString &text) { tell(text, false); }

void Reporter::saveFailure(const QString &text)
{
    if (m_saveFailureTold && !m_toStandardError)
        return;
    m_saveFailureTold = true;
    tell(text, true);
}

void Reporter::versionFailure(const QString &text)
{
    if (m_versionFailureTold && !m_toStandardError)
        return;
    m_versionFailureTold = true;
    tell(text, false);
}

void Reporter::readFailure(const QString &text)
{
    m_saveFailureTold = true;
    tell(text, false);
}

void Reporter::tell(const QString &text, bool failure)
{
    if (m_toStandardError) {
        std::fprintf(stderr, "tessaflow: %s\n", qPrintable(text));
        return;
    }
    if (failure)
        m_dialogs.showError(QLatin1String(version::kProductName), text);
    else
        m_dialogs.notify(QLatin1String(version::kProductName), text);
}

} // namespace launcher
