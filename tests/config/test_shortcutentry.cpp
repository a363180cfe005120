#include "config/ShortcutEntry.h"
#include "platform/profile/ProfileFile.h"

#include <QStringList>
#include <gtest/gtest.h>

using config::decodeEntry;
using config::encodeEntry;
using config::ShortcutEntry;

namespace {

bool sameEntry(const ShortcutEntry &a, const ShortcutEntry &b)
{
    return a.target == b.target && a.caption == b.caption && a.left == b.left && a.top == b.top;
}

TEST(ShortcutEntryTest, PlainEntriesKeepTheFourFieldForm)
{
    EXPECT_EQ(encodeEntry({"C:\\Tools\\edit.exe", "Editor", "120", "-45.5"}), "C:\\Tools\\edit.exe|Editor|120|-45.5");
    EXPECT_EQ(encodeEntry({"/usr/bin/x", "100% done", "0", "0"}), "/usr/bin/x|100% done|0|0")
        << "'%' alone is no reason to escape";
    EXPECT_EQ(encodeEntry({"", "", "", ""}), "|||");
}

TEST(ShortcutEntryTest, BarsAreEscapedSoOldReadersStillFindThePosition)
{
    const QString v = encodeEntry({"cmd /c a|b", "50%|half", "10", "20"});
    EXPECT_EQ(v, "cmd /c a%7Cb|50%25%7Chalf|10|20|%");
    const QStringList fields = v.split(u'|');
    ASSERT_GE(fields.size(), 4);
    EXPECT_EQ(fields[2], "10");
    EXPECT_EQ(fields[3], "20");
}

TEST(ShortcutEntryTest, AnyTextRoundTripsExactly)
{
    const QStringList texts = {"",      "|",      "%",       "%7C",  "%25",      "%257C", "a|b%7Cc", "%%||",
                               "||||",  "100%",   "x%7",     "%zz|", "\u65e5|\u00e9", " spaced | out ",
                               "end%",  "%7c|%", "line\nbreak", "\r\n", "  lead", "\t%20"};
    for (const QString &target : texts) {
        for (const QString &caption : texts) {
            const ShortcutEntry e{target, caption, "1440", "-0.5"};
            const auto back = decodeEntry(encodeEntry(e));
            ASSERT_TRUE(back.has_value()) << encodeEntry(e).toStdString();
            EXPECT_TRUE(sameEntry(*back, e)) << encodeEntry(e).toStdString();
        }
    }
}

TEST(ShortcutEntryTest, TooShortOrTooFewFieldsIsNoEntry)
{
    EXPECT_FALSE(decodeEntry("").has_value());
    EXPECT_FALSE(decodeEntry("x").has_value());
    EXPECT_FALSE(decodeEntry("||").has_value());
    EXPECT_FALSE(decodeEntry("a|b|c").has_value());
    const auto empty = decodeEntry("|||");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(sameEntry(*empty, {"", "", "", ""}));
}

TEST(ShortcutEntryTest, ExtraFieldsAreIgnoredUnlessTheyFlagEscaping)
{
    auto e = decodeEntry("a%7Cb|c%25|1|2");
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(sameEntry(*e, {"a%7Cb", "c%25", "1", "2"})) << "no flag, no unescaping";

    e = decodeEntry("a%7Cb|c|1|2|later|fields");
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(sameEntry(*e, {"a%7Cb", "c", "1", "2"}));

    e = decodeEntry("a%7Cb|c%25|1|2|%|more");
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(sameEntry(*e, {"a|b", "c%", "1", "2"}));
}

TEST(ShortcutEntryTest, MalformedEscapesStayAsWritten)
{
    const auto e = decodeEntry("100%|%zz%2%|3|4|%");
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(sameEntry(*e, {"100%", "%zz%2%", "3", "4"}));

    const auto once = decodeEntry("%257C|x|0|0|%");
    ASSERT_TRUE(once.has_value());
    EXPECT_EQ(once->target, "%7C") << "unescaped once, not twice";
}

TEST(ShortcutEntryTest, EveryBlankTheProfileTrimsSurvivesASaveAndARestart)
{
    // Whatever QString::trimmed() takes off the ends of a profile value.
    const QStringList blanks = {" ", "\t", "\v", "\f", "\u0085", "\u00a0", "\u1680", "\u2003", "\u2028", "\u3000"};
    for (const QString &b : blanks) {
        for (const ShortcutEntry &e : {ShortcutEntry{b + "/t", b + "cap" + b, "1", "2"},
                                       ShortcutEntry{"/t" + b, "cap", "", b}, ShortcutEntry{b, b, "1", "2" + b}}) {
            platform::ProfileDocument doc;
            doc.setValue("S", "0", encodeEntry(e));
            const auto back = decodeEntry(platform::ProfileDocument::parse(doc.serialize()).value("S", "0"));
            ASSERT_TRUE(back.has_value()) << encodeEntry(e).toStdString();
            EXPECT_TRUE(sameEntry(*back, e)) << encodeEntry(e).toStdString();
        }
    }
    // Beyond Latin-1 the code is written in four digits, and read only for a blank.
    EXPECT_EQ(encodeEntry({"\u3000x", "c", "1", "2"}), "%u3000x|c|1|2|%");
    EXPECT_EQ(decodeEntry("%u0041%u3000|c|1|2|%")->target, "%u0041\u3000");
}

} // namespace
