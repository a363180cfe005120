// Makes the data of the whole-process start-up runs:
//   bench_data DIR COUNT [OTHER_KEYS]
// DIR/files/... (the targets), DIR/tsw.ini (Tessaflow's profile of them) and
// DIR/paths.txt (the same targets, one a line, for the plain launcher).
#include <QCoreApplication>
#include <QFile>

#include "Data.h"

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    const QString dir = args[1];
    const QStringList targets = bench::makeTargets(dir + QStringLiteral("/files"), args[2].toInt());
    if (!bench::writeProfile(dir + QStringLiteral("/tsw.ini"), targets, args.size() > 3 ? args[3].toInt() : 0))
        return 1;
    QFile paths(dir + QStringLiteral("/paths.txt"));
    if (!paths.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    paths.write((targets.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return 0;
}
