#include "model/TextNormalizer.h"

#include <gtest/gtest.h>

TEST(NormalizeText, TrimsUnicodeWhiteSpaceAtBothEnds) {
    EXPECT_EQ(normalizeText("\t  abc \f\v"), "abc");
    EXPECT_EQ(normalizeText("　工事　"), "工事"); // ideographic spaces
    EXPECT_EQ(normalizeText("\u00A0\u2003x\u202F\u205F\u0085"), "x");
    EXPECT_EQ(normalizeText("\u1680\u2028\u2029y\u200A"), "y");
}

TEST(NormalizeText, KeepsInnerSpacesAndNonSpaceCharacters) {
    EXPECT_EQ(normalizeText("a b　c"), "a b　c");
    // U+200B (zero width space) and U+FEFF are not White_Space.
    EXPECT_EQ(normalizeText("\u200Bz\uFEFF"), "\u200Bz\uFEFF");
    EXPECT_EQ(normalizeText("𠮷野家"), "𠮷野家");
}

TEST(NormalizeText, RemovesLineBreaksWhereverTheyStand) {
    EXPECT_EQ(normalizeText("A\r\nB"), "AB");
    EXPECT_EQ(normalizeText("第1\n工区\r"), "第1工区");
}

TEST(NormalizeText, WhiteSpaceOnlyBecomesEmpty) {
    EXPECT_EQ(normalizeText(""), "");
    EXPECT_EQ(normalizeText(" \r\n\t　"), "");
}

TEST(StorableText, NothingWithoutAnOpenElementOrForEmptyText) {
    EXPECT_FALSE(storableText(-1, "text"));
    EXPECT_FALSE(storableText(3, " \n "));
    EXPECT_EQ(storableText(0, " x "), "x");
}
