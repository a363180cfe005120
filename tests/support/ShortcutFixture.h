#pragma once

#include "support/QtPrinters.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "config/Config.h"
#include "platform/icons/IconLookup.h"
#include "shortcuts/ShortcutList.h"

namespace testing_support {

// A window frame with fixed values in twips.
struct FakeFrame : config::WindowFrame {
    int state = 0;
    double top = 1440, left = 1200, height = 4320, width = 5760;
    int sets = 0;
    bool positionKnown = true;
    int frameState() const override { return state; }
    bool framePositionKnown() const override { return positionKnown; }
    double frameTop() const override { return top; }
    double frameLeft() const override { return left; }
    double frameHeight() const override { return height; }
    double frameWidth() const override { return width; }
    void setFrame(std::optional<double> t, std::optional<double> l, std::optional<double> h,
                  std::optional<double> w) override
    {
        ++sets;
        if (t) top = *t;
        if (l) left = *l;
        if (h) height = *h;
        if (w) width = *w;
    }
};

// The four controls of the shortcut list, in a temporary folder that tests
// may fill with files.
class ShortcutFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    platform::IconLookup lookup;
    shortcuts::Icons icons{lookup};
    platform::ImageList large{32};
    platform::ImageList small{16};
    platform::ListBox programs;
    platform::ListView view{large, small};
    shortcuts::ShortcutList list{view, programs, large, small, icons};

    QString path(const QString &name) const { return dir.filePath(name); }
    QString touch(const QString &name, const QByteArray &content = "x") const
    {
        QFile f(path(name));
        QDir().mkpath(QFileInfo(f).absolutePath());
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return QFileInfo(f).absoluteFilePath();
    }
    QByteArray readFile(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString &name, const QByteArray &content) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    // Captions of the list in order.
    QStringList captions() const
    {
        QStringList out;
        for (int i = 1; i <= view.Count(); ++i)
            out << view.Text(i);
        return out;
    }
};

// The same, with the temporary folder as the current directory, for relative paths.
class ShortcutFixtureInTempDir : public ShortcutFixture {
protected:
    QString savedCwd = QDir::currentPath();
    void SetUp() override { QDir::setCurrent(dir.path()); }
    void TearDown() override { QDir::setCurrent(savedCwd); }
};

} // namespace testing_support
