#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testing_support {

// A folder of its own for each test, with the profile file in it.
class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString &name = QStringLiteral("profile.ini")) const { return m_dir.filePath(name); }

    void put(const QByteArray &bytes, const QString &name = QStringLiteral("profile.ini")) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray get(const QString &name = QStringLiteral("profile.ini")) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return f.readAll();
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
};

} // namespace testing_support
