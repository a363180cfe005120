// A shortcut's properties as further fields of its entry: hostile values
// survive the profile, unknown fields survive an edit, and the first four
// fields stay target|caption|left|top for an older reader.
#include <QDir>

#include "config/ShortcutEntry.h"
#include "platform/profile/ProfileDocument.h"
#include "support/ShortcutFixture.h"

using namespace testing_support;

namespace {

shortcuts::Shortcut withProperties(const QString &value)
{
    shortcuts::Shortcut s;
    s.target = QStringLiteral("/opt/run.sh");
    s.caption = QStringLiteral("Run");
    s.arguments = value;
    s.workingDirectory = value;
    s.terminal = true;
    s.iconName = value;
    s.comment = value;
    return s;
}

// Written as the save writes it, into a profile line and back.
std::pair<config::ShortcutEntry, shortcuts::Shortcut> throughProfile(const shortcuts::Shortcut &s)
{
    platform::ProfileDocument doc;
    const QString value = config::encodeEntry({s.target, s.caption, "360", "240", config::shortcutFields(s)});
    doc.setValue(QStringLiteral("Tessaflow"), QStringLiteral("0"), value);
    const auto again = platform::ProfileDocument::parse(doc.serialize());
    const auto entry = config::decodeEntry(again.value(QStringLiteral("Tessaflow"), QStringLiteral("0")));
    EXPECT_TRUE(entry);
    shortcuts::Shortcut read;
    if (entry)
        config::readShortcutFields(entry->fields, read);
    return {entry.value_or(config::ShortcutEntry{}), read};
}

void expectSameProperties(const shortcuts::Shortcut &read, const shortcuts::Shortcut &written)
{
    EXPECT_EQ(read.arguments, written.arguments);
    EXPECT_EQ(read.workingDirectory, written.workingDirectory);
    EXPECT_EQ(read.terminal, written.terminal);
    EXPECT_EQ(read.iconName, written.iconName);
    EXPECT_EQ(read.comment, written.comment);
    EXPECT_EQ(read.otherFields, written.otherFields);
}

TEST(ShortcutPropertiesTest, HostileValuesRoundTripThroughTheProfile)
{
    const QStringList values = {"|",
                                "%",
                                "=",
                                "a=b|c%d",
                                "line\nbreak\r\n",
                                "%7C%25",
                                " lead",
                                "trail ",
                                "\t",
                                "\u3000wide\u3000",
                                "\x01\x7f\u0085",
                                "caf\u00e9 \u65e5\u672c",
                                "\"quoted arg\" \\back",
                                QString(10240, u'x') + "|%=\n"};
    for (const QString &value : values) {
        const shortcuts::Shortcut written = withProperties(value);
        const auto [entry, read] = throughProfile(written);
        expectSameProperties(read, written);
        EXPECT_EQ(entry.target, written.target);
        EXPECT_EQ(entry.caption, written.caption);
        // What an older reader sees: the four fields in their places.
        const QString line = config::encodeEntry({written.target, written.caption, "360", "240",
                                                  config::shortcutFields(written)});
        EXPECT_TRUE(line.startsWith(QStringLiteral("/opt/run.sh|Run|360|240|"))) << line.left(80).toStdString();
        EXPECT_FALSE(line.contains(u'\n')) << value.left(20).toStdString();
    }
}

TEST(ShortcutPropertiesTest, AShortcutWithoutPropertiesIsWrittenAsBefore)
{
    shortcuts::Shortcut plain;
    plain.target = QStringLiteral("/usr/bin/x");
    plain.caption = QStringLiteral("100% done");
    EXPECT_TRUE(config::shortcutFields(plain).isEmpty());
    EXPECT_EQ(config::encodeEntry({plain.target, plain.caption, "0", "0", config::shortcutFields(plain)}),
              "/usr/bin/x|100% done|0|0");
    plain.arguments = QStringLiteral("-v");
    EXPECT_EQ(config::encodeEntry({plain.target, plain.caption, "0", "0", config::shortcutFields(plain)}),
              "/usr/bin/x|100% done|0|0|args=-v");
}

TEST(ShortcutPropertiesTest, UnknownFieldsAreKeptInOrderAndWrittenBackUnchanged)
{
    const QString stored = "/opt/a|A|1|2|future=x%zz|args=first|free text|terminal=yes|args=one%20two||comment=hi";
    const auto entry = config::decodeEntry(stored);
    ASSERT_TRUE(entry);
    shortcuts::Shortcut read;
    config::readShortcutFields(entry->fields, read);
    EXPECT_EQ(read.arguments, "one two");
    EXPECT_EQ(read.comment, "hi");
    EXPECT_FALSE(read.terminal) << "a terminal value this version does not know is not read as on";
    EXPECT_EQ(read.otherFields,
              (QStringList{"future=x%zz", "args=first", "free text", "terminal=yes", ""}))
        << "of a name twice the last counts";
    // Edited here and saved: every unknown field is still there, as it was.
    read.comment = QStringLiteral("edited");
    const QString saved = config::encodeEntry({entry->target, entry->caption, "1", "2", config::shortcutFields(read)});
    EXPECT_EQ(saved, "/opt/a|A|1|2|future=x%zz|args=first|free text|terminal=yes||args=one two|comment=edited");
    const auto again = config::decodeEntry(saved);
    ASSERT_TRUE(again);
    shortcuts::Shortcut reread;
    config::readShortcutFields(again->fields, reread);
    EXPECT_EQ(reread.otherFields, read.otherFields);
    EXPECT_EQ(reread.arguments, "one two");
}

TEST(ShortcutPropertiesTest, AnyPercentCodeIsDecodedAndTheEscapeFlagStillWorks)
{
    auto property = config::propertyOf(QStringLiteral("comment=%41%c3%A9%e6%97%a5 %FF%zz%"));
    ASSERT_TRUE(property);
    EXPECT_EQ(property->first, "comment");
    EXPECT_EQ(property->second, QStringLiteral("A\u00e9\u65e5 \u00ff%zz%")) << "a byte that is no UTF-8 is Latin-1";
    EXPECT_FALSE(config::propertyOf(QStringLiteral("no equals sign")));
    EXPECT_FALSE(config::propertyOf(QStringLiteral("=nameless")));

    // A target with "|" gets the flag; the properties follow it.
    shortcuts::Shortcut s = withProperties(QStringLiteral("x|y"));
    s.target = QStringLiteral("/opt/a|b");
    const QString line = config::encodeEntry({s.target, s.caption, "1", "2", config::shortcutFields(s)});
    EXPECT_TRUE(line.startsWith(QStringLiteral("/opt/a%7Cb|Run|1|2|%|args=x%7Cy|"))) << line.toStdString();
    const auto [entry, read] = throughProfile(s);
    EXPECT_EQ(entry.target, s.target);
    expectSameProperties(read, s);

    // An unknown first field "%" is not mistaken for the flag after a save.
    s = withProperties(QString());
    s.target = QStringLiteral("/opt/%7C");
    s.terminal = false;
    s.otherFields = QStringList{QStringLiteral("%")};
    const auto [flagged, back] = throughProfile(s);
    EXPECT_EQ(flagged.target, s.target);
    EXPECT_EQ(back.otherFields, s.otherFields);
}

class ShortcutPropertiesConfigTest : public ShortcutFixture {};

TEST_F(ShortcutPropertiesConfigTest, PropertiesAndNonUtf8NamesSurviveALoadAndASave)
{
    const QString file = path(QStringLiteral("tsw.ini"));
    // A line left by an 8-bit program: read as Windows-1252, as the profile reads every such line.
    writeFile(QStringLiteral("tsw.ini"),
              "[Tessaflow]\nArrange=0\n0=/tmp/caf\xe9.sh|Caf\xe9|10|20|dir=/tmp/caf\xe9|later=1\n"
              "1=/bin/sh|Shell|3000|40|args=-c%20%22echo%20hi%22|terminal=1|icon=utilities-terminal|comment=%20note\n");
    const config::IniFile ini{file};
    FakeFrame frame;
    ASSERT_EQ(load(ini, frame), 2);
    EXPECT_EQ(model.at(0).workingDirectory, QStringLiteral("/tmp/caf\u00e9"));
    EXPECT_EQ(model.at(0).otherFields, QStringList{"later=1"});
    EXPECT_EQ(model.at(1).arguments, "-c \"echo hi\"");
    EXPECT_TRUE(model.at(1).terminal);
    EXPECT_EQ(model.at(1).iconName, "utilities-terminal");
    EXPECT_EQ(model.at(1).comment, " note");
    ASSERT_TRUE(save(ini, frame));
    const QString text = QString::fromUtf8(readFile(QStringLiteral("tsw.ini")));
    EXPECT_TRUE(text.contains(QStringLiteral("0=/tmp/caf\u00e9.sh|Caf\u00e9|10|20|later=1|dir=/tmp/caf\u00e9\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(
        QStringLiteral("1=/bin/sh|Shell|3000|40|args=-c \"echo hi\"|terminal=1|icon=utilities-terminal|"
                       "comment=%20note\n")))
        << text.toStdString();
}

} // namespace
