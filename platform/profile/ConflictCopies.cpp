#include "platform/profile/ConflictCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

bool isConflictCopy(const QString &profileName, const QString &fileName)
{
    const QFileInfo profile(profileName);
    const QString stem = QRegularExpression::escape(profile.completeBaseName());
    const QString suffix = profile.suffix().isEmpty() ? QString() : QStringLiteral("\\.") + QRegularExpression::escape(profile.suffix());
    // Syncthing: STEM.sync-conflict-…; Dropbox, Nextcloud and ownCloud:
    // "STEM (… conflicted copy …)", "STEM (conflict …)"; others:
    // STEM-conflict-… or STEM_conflict-….
    const QRegularExpression pattern(
        QStringLiteral("^%1(\\.sync-conflict-.+| \\([^)]*conflict[^)]*\\).*|[-_.]conflict(ed)?[-_ ].+)%2$").arg(stem, suffix),
        QRegularExpression::CaseInsensitiveOption);
    return fileName != profileName && pattern.match(fileName).hasMatch();
}

QStringList conflictCopies(const QString &profilePath)
{
    const QFileInfo profile(profilePath);
    QStringList copies;
    const QDir folder = profile.dir();
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name))
        if (isConflictCopy(profile.fileName(), entry.fileName()))
            copies << entry.filePath();
    return copies;
}

} // namespace platform
