// Every test runs inside a QApplication (widgets, icons, screens need one).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/Resources.h"
#include "platform/widgets/FontWarmup.h"

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Caches (rendered icons) go to a folder of this run, never the user's.
    QTemporaryDir cache;
    if (!cache.isValid())
        return 1;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    // As the program starts: fonts read ahead while Qt starts (and races it).
    platform::FontWarmup fonts;
    QApplication app(argc, argv);
    const auto fontsFilled = fonts.applicationReady();
    app::initResources();
    // Done before any test: tests change the environment (qputenv), and a
    // setenv while the thread's getenv runs can read freed memory.
    fonts.wait();
    return RUN_ALL_TESTS();
}
