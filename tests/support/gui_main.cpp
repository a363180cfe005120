// Every test runs inside a QApplication (widgets, icons, screens need one).
#include <QApplication>
#include <gtest/gtest.h>

#include "app/Resources.h"

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    app::initResources();
    return RUN_ALL_TESTS();
}
