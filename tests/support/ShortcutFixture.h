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
#include "shortcuts/ShortcutModel.h"

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

// Reads the profile into a list, and writes the list to it, as the window does.
inline int loadInto(shortcuts::ShortcutList &list, const config::IniFile &ini, config::WindowFrame &frame,
                    QString *error = nullptr)
{
    config::ListLook look;
    return config::loadList(ini, frame, look, list, error);
}
inline bool saveFrom(const shortcuts::ShortcutList &list, const config::IniFile &ini,
                     const config::WindowFrame &frame, QString *error = nullptr)
{
    return config::saveList(ini, frame, {}, list, error);
}
inline QStringList targetsOf(const shortcuts::ShortcutModel &model)
{
    QStringList out;
    for (const shortcuts::Shortcut &shortcut : model.shortcuts())
        out << shortcut.target;
    return out;
}

// A second, empty list: as the next start builds it.
struct Restarted {
    shortcuts::ShortcutModel model;
    platform::ListView view;
    shortcuts::ShortcutList list{model, view};
    explicit Restarted(shortcuts::Icons &icons) : model(icons) {}
    // Each shortcut's group, in the list's order.
    QStringList groupsOf() const
    {
        QStringList out;
        for (const shortcuts::Shortcut &shortcut : model.shortcuts())
            out << shortcut.group;
        return out;
    }
};

// The shortcuts and the list view showing them, in a temporary folder that
// tests may fill with files.
class ShortcutFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    platform::IconLookup lookup;
    shortcuts::Icons icons{lookup};
    shortcuts::ShortcutModel model{icons};
    platform::ListView view;
    shortcuts::ShortcutList list{model, view};


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
    // Captions and targets of the list in order.
    QStringList captions() const
    {
        QStringList out;
        for (const shortcuts::Shortcut &shortcut : model.shortcuts())
            out << shortcut.caption;
        return out;
    }
    QStringList targets() const { return targetsOf(model); }
    int load(const config::IniFile &ini, config::WindowFrame &frame, QString *error = nullptr)
    {
        return loadInto(list, ini, frame, error);
    }
    bool save(const config::IniFile &ini, const config::WindowFrame &frame, QString *error = nullptr)
    {
        return saveFrom(list, ini, frame, error);
    }
    // Adds the shortcut for a target; false when none could be made.
    bool add(const QString &target, const QString &caption = QString())
    {
        return shortcuts::addShortcut(model, target, caption);
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
