// The same texts and bytes on every build: ICU through Qt on Linux, code page 936 on Windows.
#include "gbk.h"

#include <gtest/gtest.h>

namespace {

struct GbkCase {
    const char* what;
    const char* utf8;
    std::string gbk;
};

const GbkCase kCases[] = {
    {"ASCII", "Track 2 =;?", "Track 2 =;?"},
    {"Chinese", "磁条读写器", "\xb4\xc5\xcc\xf5\xb6\xc1\xd0\xb4\xc6\xf7"},
    {"mixed", "磁卡AB", "\xb4\xc5\xbf\xa8" "AB"},
    {"full-width and punctuation", "，（１）", "\xa3\xac\xa3\xa8\xa3\xb1\xa3\xa9"},
    {"euro sign", "€5", "\x80" "5"},
    {"line breaks kept", "a\r\nb\nc\r", "a\r\nb\nc\r"},
};

TEST(Gbk, TextsAndTheirBytes) {
    for (const GbkCase& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
        EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
        EXPECT_EQ(TextToGbk(QString::fromUtf8(c.utf8)), c.gbk);
        EXPECT_TRUE(IsValidGbk(c.gbk));
    }
}

TEST(Gbk, CharactersOutsideGbkAreRefused) {
    for (const char* utf8 : {"한", "A😀"}) {
        EXPECT_FALSE(TextToGbk(QString::fromUtf8(utf8)).has_value()) << utf8;
        EXPECT_FALSE(GbkCanEncode(QString::fromUtf8(utf8))) << utf8;
    }
    // Screen text keeps its place with the code page's replacement.
    EXPECT_EQ(ScreenTextToGbk(QStringLiteral("卡\n한")), "\xbf\xa8\r\n?");
}

TEST(Gbk, BytesThatAreNoCharacterDecodeAsReplacements) {
    // A lead byte whose second byte cannot follow it; the second byte stays itself.
    const std::string bad = "A\x81 B";
    EXPECT_FALSE(IsValidGbk(bad));
    EXPECT_EQ(GbkToText(bad), QStringLiteral("A\uFFFD B"));
}

TEST(Gbk, ACharacterSplitBetweenPiecesComesOutWhole) {
    GbkChunkDecoder chunks;
    EXPECT_EQ(chunks.Decode("\xb4\xc5\xbf"), QStringLiteral("磁"));
    EXPECT_EQ(chunks.Decode("\xa8\r"), QStringLiteral("卡\r"));
    GbkScreenDecoder screen;
    EXPECT_EQ(screen.Decode("\xb4\xc5\r"), QStringLiteral("磁"));
    EXPECT_EQ(screen.Decode("\n\xbf\xa8"), QStringLiteral("\n卡"));
}

}  // namespace
