#include "check/Edition.h"

#include <gtest/gtest.h>

#include "check/CharacterRules.h"

TEST(Edition, TheDeliveryNamesItsEditionByDtdAndStandard) {
    const struct {
        XmlProlog prolog;
        bool constructionBlock;
        const char* standard;
        const char* index;
        const char* edition;
        std::size_t conflicts;
    } cases[] = {
        {{"Shift_JIS", true, "PHOTO.DTD", ""}, true, "土木200207-01", "", "H14.7", 0},
        {{"Shift_JIS", true, "PHOTO04.DTD", "04"}, false, "土木200601-01", "", "H18.1", 0},
        {{"Shift_JIS", true, "photo04.dtd", ""}, false, "", "", "H18.1", 0}, // by the DOCTYPE
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"}, false, "土木200805-01", "", "H20.5", 0},
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"}, false, "土木201602-01", "", "H22.9", 0},
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"}, false, "電通202003-01", "", "R2.3", 0},
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"}, false, "土木202412-01", "", "R5.3", 0},
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"}, false, "", "", "R5.3", 1},
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"}, false, "土木200601-01", "", "R5.3", 1},
        {{"Shift_JIS", true, "PHOTO04.DTD", "04"}, false, "土木202303-01", "", "H18.1", 1},
        {{"Shift_JIS", true, "PHOTO05.DTD", "05"},
         false,
         "土木202303-01",
         "土木202003-01",
         "R5.3",
         1},
        {{"Shift_JIS", false, "", ""}, false, "", "", "R5.3", 1}, // says nothing
    };
    for (const auto& c : cases) {
        const EditionChoice choice =
            chooseEdition({c.prolog, c.constructionBlock, c.standard, c.index});
        EXPECT_EQ(choice.rules->name, c.edition) << c.standard << " " << c.prolog.dtdVersion;
        EXPECT_EQ(choice.conflicts.size(), c.conflicts) << c.standard << " " << c.index;
    }
    EXPECT_EQ(standardMonth("土木202303-01"), 202303);
    for (const char* malformed : {"202303-01", "土木2023-01", "土木202303-1", "土木202303_01", ""})
        EXPECT_FALSE(standardMonth(malformed)) << malformed;
}

TEST(Edition, CharactersAreJudgedByJisX0208AsTheFileHeldThem) {
    using F = CharacterFault;
    const struct {
        const char* text;
        bool fromShiftJis;
        std::vector<std::pair<std::string, F>> expected;
    } cases[] = {
        {"工事 No.1-2 (A)", false, {}},
        {"①㈱㎡Ⅲ",
         true,
         {{"①", F::OutsideJis},
          {"㈱", F::OutsideJis},
          {"㎡", F::OutsideJis},
          {"Ⅲ", F::OutsideJis}}},
        {"髙﨑𠮷", false, {{"髙", F::OutsideJis}, {"﨑", F::OutsideJis}, {"𠮷", F::OutsideJis}}},
        // JIS X 0208's wave dash: code page 932 reads 0x8160 as U+FF5E, a UTF-8 file writes
        // U+301C; U+FF5E written in UTF-8 is no JIS X 0208 character.
        {"No.1～No.5", true, {}},
        {"No.1〜No.5", false, {}},
        {"No.1～No.5", false, {{"～", F::OutsideJis}}},
        {"ｸｲ ｸｲ", true, {{"ｸ", F::HalfwidthKana}, {"ｲ", F::HalfwidthKana}}},
        {"Ｎｏ．１",
         true,
         {{"Ｎ", F::FullwidthAlnum}, {"ｏ", F::FullwidthAlnum}, {"１", F::FullwidthAlnum}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<std::string, F>> found;
        for (const CharacterFinding& finding : disallowedCharacters(c.text, c.fromShiftJis))
            found.emplace_back(finding.character, finding.fault);
        EXPECT_EQ(found, c.expected) << c.text << (c.fromShiftJis ? " (Shift_JIS)" : " (UTF-8)");
    }
    EXPECT_EQ(fullWidthLength("工事"), 2);
    EXPECT_EQ(fullWidthLength("No.1"), 2);
    EXPECT_EQ(fullWidthLength("掘削 No.1"), 5); // a half-width character is half
    EXPECT_EQ(fullWidthLength("ｸｲ"), 1);
}
