// The INI text in memory, without a file.
#include "platform/profile/ProfileDocument.h"

#include <gtest/gtest.h>

using platform::ProfileDocument;

namespace {

TEST(ProfileDocumentTest, WritesAfterWritesFollowTheSameRules)
{
    // Keys added earlier are found, replaced and followed like any other.
    auto doc = ProfileDocument::parse("[A]\nk=1\n[B]\nx=1\n; end of B\n[a]\nk=dup\n");
    doc.setValue("a", "Neu", "1");
    doc.setValue("C", "c1", "1");
    doc.setValue("A", "NEU", "2");
    doc.setValue("a", "\u00c4rger", "3");
    doc.setValue("c", "c2", "2");
    doc.setValue("B", "y", "2");
    doc.setValue("A", "\u00e4RGER", "4");
    EXPECT_EQ(doc.value("A", "neu"), "2");
    EXPECT_EQ(doc.value("a", "\u00c4RGER"), "4");
    EXPECT_EQ(doc.keys("A"), (QStringList{"k", "Neu", "\u00c4rger"}));
    EXPECT_EQ(doc.keys("C"), (QStringList{"c1", "c2"}));
    EXPECT_FALSE(doc.contains("B", "k"));
    EXPECT_EQ(doc.serialize(), "[A]\nk=1\nNeu=2\n\xC3\x84rger=4\n[B]\nx=1\ny=2\n; end of B\n[a]\nk=dup\n"
                               "[C]\nc1=1\nc2=2\n");
}

TEST(ProfileDocumentTest, SerializeGivesBackWhatWasParsed)
{
    const QByteArray lf = "; c\n\n[A]\n  x = 1  \njunk\n[B]\n";
    EXPECT_EQ(ProfileDocument::parse(lf).serialize(), lf);
    const QByteArray crlf = "[A]\r\nx=1\r\n";
    const ProfileDocument doc = ProfileDocument::parse(crlf);
    EXPECT_TRUE(doc.usesCrLf());
    EXPECT_EQ(doc.serialize(), crlf);
    EXPECT_EQ(ProfileDocument::parse("").serialize(), "");
    EXPECT_EQ(ProfileDocument::parse("[A]").serialize(), "[A]\n");
}

TEST(ProfileDocumentTest, StrayCarriageReturnsSettleAfterOneRound)
{
    for (const QByteArray bytes : {QByteArray("a\nb\r\r\nc\r"), QByteArray("a\r\r\nb\rc\n\r\n"),
                                   QByteArray("\r\n\r\r"), QByteArray("k=v\rw\r\nx\xff\r\r\n"),
                                   QByteArray("\xef\xbb\xbf[A]\n\xef\xbb\xbf\xef\xbb\xbf\n"),
                                   QByteArray("\xef\xbb\xbf\xef\xbb\xbf")}) {
        const QByteArray once = ProfileDocument::parse(bytes).serialize();
        EXPECT_EQ(ProfileDocument::parse(once).serialize(), once) << bytes.toHex().constData();
    }
}

} // namespace
