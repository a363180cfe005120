// Every test runs inside a QApplication (widgets, icons, screens need one).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/Resources.h"

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Caches (rendered icons) go to a folder of this run, never the user's.
    QTemporaryDir cache;
    if (!cache.isValid())
        return 1;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    QApplication app(argc, argv);
    app::initResources();
    return RUN_ALL_TESTS();
}
