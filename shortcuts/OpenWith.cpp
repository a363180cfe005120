#include "shortcuts/OpenWith.h"

#include "platform/xdg/MimeApps.h"
#include "shortcuts/Targets.h"

namespace shortcuts {

std::vector<platform::DesktopEntry::Action> desktopActions(const QString &target)
{
    const Target read = readTarget(target, Source::Stored);
    if (read.kind != Target::Kind::LocalPath || !read.text.endsWith(QLatin1String(".desktop")))
        return {};
    return platform::DesktopEntry::readActions(read.text, platform::DesktopEntry::userLocale());
}

QString handedTarget(const QString &target)
{
    return readTarget(target, Source::Stored).text;
}

QStringList openedAsTypes(const QString &target)
{
    const Target read = readTarget(target, Source::Stored);
    if (read.isLink())
        return {QStringLiteral("x-scheme-handler/") + read.scheme()};
    if (read.kind != Target::Kind::LocalPath || !read.present())
        return {};
    return platform::MimeApps::typesOfFile(read.text);
}

std::vector<platform::Application> openWithCandidates(const QString &target,
                                                      const std::vector<platform::Application> &installed,
                                                      const QStringList &lists)
{
    const QStringList types = openedAsTypes(target);
    if (types.isEmpty())
        return {};
    return platform::MimeApps::applicationsFor(types, installed, lists);
}

} // namespace shortcuts
