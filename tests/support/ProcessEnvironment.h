// What the opener's and the spawner's tests share: files and stand-in
// scripts in a private folder first on PATH, and a look at this process's
// children.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <ostream>
#include <sys/wait.h>

#include "platform/process/Spawner.h"

namespace platform {
// Readable failures: "program [arg, …] wait".
inline void PrintTo(const Command &command, std::ostream *os)
{
    *os << '"' << command.program.toStdString() << "\" [";
    for (const QString &argument : command.arguments)
        *os << '"' << argument.toStdString() << "\" ";
    *os << ']' << (command.waitForExit ? " wait" : " no-wait");
    if (!command.workingDirectory.isEmpty())
        *os << " in \"" << command.workingDirectory.toStdString() << '"';
}
} // namespace platform

namespace testing_support {

inline void writeFile(const QString &path, const QByteArray &content, QFile::Permissions permissions = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(content), content.size());
    file.close();
    if (permissions.toInt() != 0)
        ASSERT_TRUE(file.setPermissions(permissions));
}

constexpr QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// A shell script that stands in for a real program.
inline void writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body, kExecutable);
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when this process has no child at all, neither running nor a zombie.
// WNOWAIT: looking must not reap a child the spawner still has to collect.
inline bool noChildren()
{
    siginfo_t info = {};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) < 0 && errno == ECHILD;
}

// PATH and the current folder are process-wide: every test puts them back.
class Environment : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QFileInfo(m_dir.path()).canonicalFilePath();
        ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(m_root).mkpath(QStringLiteral("work")));
        m_savedPath = qgetenv("PATH");
        m_savedCwd = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(at("work")));
        // Stand-in opener first on PATH: nothing real is ever started.
        writeScript(at("bin/xdg-open"), "exit 0\n");
        usePath(at("bin") + QLatin1Char(':') + QString::fromLocal8Bit(m_savedPath));
    }
    void TearDown() override
    {
        qputenv("PATH", m_savedPath);
        QDir::setCurrent(m_savedCwd);
    }

    QString at(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    QString work(const QString &relative) const { return at(QStringLiteral("work/") + relative); }
    void usePath(const QString &path) { qputenv("PATH", QFile::encodeName(path)); }
    platform::Command opener(const QString &argument) const { return {at("bin/xdg-open"), {argument}, {}, true}; }

    QTemporaryDir m_dir;
    QString m_root;
    QByteArray m_savedPath;
    QString m_savedCwd;
};

} // namespace testing_support
