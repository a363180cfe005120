// Helper for crash.sh: saves the profile given over and over, each save
// changing one stored value and first keeping the file as it was as an
// earlier version, until it is killed. Exits non-zero when a save fails.
#include <cstdio>

#include "platform/profile/ProfileFile.h"

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const platform::ProfileFile file(QString::fromLocal8Bit(argv[1]));
    platform::ProfileDocument doc;
    for (int i = 0;; ++i) {
        platform::ProfileUpdate update(file);
        QString error;
        if (!update.load(doc, &error) || (doc.setValue(QStringLiteral("Tessaflow"), QStringLiteral("Saves"),
                                                         QString::number(i)),
                                          !update.saveKeepingVersion(doc, &error))) {
            std::fprintf(stderr, "versionsaver: %s\n", qPrintable(error));
            return 1;
        }
        if (const QString problem = file.takeVersionProblem(); !problem.isEmpty())
            std::fprintf(stderr, "versionsaver: %s\n", qPrintable(problem));
    }
}
