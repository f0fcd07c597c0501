// The Save As dialog's rules: combo lists, initial items, what a choice sets, extensions, names.
#include "SaveAsChoices.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceCase {
    int fileType;
    int item;
    SaveCode before;
    SaveCode after;
};

TEST(SaveAsChoicesTest, ItemChoiceSetsFormAndSaveCode) {
    const ChoiceCase cases[] = {
        {kSaveJapaneseText, 0, {2, 1}, {0, 1}},   {kSaveJapaneseText, 1, {0, 0}, {1, 0}},
        {kSaveJapaneseText, 2, {0, 0}, {2, 0}},   {kSaveChineseText, 0, {2, 1}, {0, 0}},
        {kSaveChineseText, 1, {2, 0}, {0, 1}},    {kSaveChineseText, 2, {0, 1}, {1, 1}},
        {kSaveChineseText, 3, {0, 0}, {2, 0}},    {kSaveBilingualUnicode, 0, {0, 0}, {1, 0}},
        {kSaveBilingualUnicode, 1, {0, 1}, {2, 1}}, {kSaveBilingual, -1, {2, 1}, {0, 1}},
    };
    for (const ChoiceCase& c : cases) {
        SaveCode code = SaveCodeOfItem(c.fileType, c.item, c.before);
        EXPECT_EQ(c.after.unicodeForm, code.unicodeForm) << c.fileType << "/" << c.item;
        EXPECT_EQ(c.after.chineseSaveCode, code.chineseSaveCode) << c.fileType << "/" << c.item;
    }
}

TEST(SaveAsChoicesTest, InitialItemFollowsFormAndSaveCode) {
    EXPECT_EQ(2, InitialSaveCodeItem(kSaveJapaneseText, {2, 0}));
    EXPECT_EQ(0, InitialSaveCodeItem(kSaveChineseText, {0, 0}));
    EXPECT_EQ(1, InitialSaveCodeItem(kSaveChineseText, {0, 1}));
    EXPECT_EQ(2, InitialSaveCodeItem(kSaveChineseText, {1, 1}));
    EXPECT_EQ(3, InitialSaveCodeItem(kSaveChineseText, {2, 0}));
    EXPECT_EQ(0, InitialSaveCodeItem(kSaveBilingualUnicode, {0, 0}));
    EXPECT_EQ(1, InitialSaveCodeItem(kSaveBilingualUnicode, {2, 0}));
    EXPECT_EQ(-1, InitialSaveCodeItem(kSaveBilingual, {1, 0}));
    // Every initial item is one the list holds.
    for (int type = kSaveBilingual; type <= kSaveBilingualUnicode; ++type)
        for (int form = 0; form <= 2; ++form)
            for (int hanvell = 0; hanvell <= 1; ++hanvell)
                EXPECT_LT(InitialSaveCodeItem(type, {form, hanvell}), int(SaveCodeItems(type, 0).size()));
}

TEST(SaveAsChoicesTest, ListsByTypeAndScript) {
    const std::string big5 = "繁体字(BIG5)";
    const std::string gb = "簡体字(GB2312)";
    EXPECT_TRUE(SaveCodeItems(kSaveBilingual, 0).empty());
    EXPECT_EQ(3u, SaveCodeItems(kSaveJapaneseText, 1).size());
    ASSERT_EQ(4u, SaveCodeItems(kSaveChineseText, 1).size());
    EXPECT_EQ(big5, SaveCodeItems(kSaveChineseText, 1)[0]);
    EXPECT_EQ(gb, SaveCodeItems(kSaveChineseText, 0)[0]);
    EXPECT_EQ(2u, SaveCodeItems(kSaveBilingualUnicode, 0).size());
}

TEST(SaveAsChoicesTest, Extensions) {
    EXPECT_EQ(L"a.TXT", WithExtensionOfNewType(L"a.wxb", kSaveJapaneseText));
    EXPECT_EQ(L"a.WXB", WithExtensionOfNewType(L"a.Txt", kSaveBilingual));
    EXPECT_EQ(L"a.doc", WithExtensionOfNewType(L"a.doc", kSaveBilingual));
    EXPECT_EQ(L"a.txt", WithTypeExtension(L"a.txt", kSaveChineseText));
    EXPECT_EQ(L"a.WXB.TXT", WithTypeExtension(L"a.WXB", kSaveBilingualUnicode));
    EXPECT_EQ(L"a.WXB", WithTypeExtension(L"a", kSaveBilingual));
}

TEST(SaveAsChoicesTest, SuggestedNameLosesOneKnownExtension) {
    EXPECT_EQ(L"novel", SuggestedSaveName(L"novel.txt"));
    EXPECT_EQ(L"novel", SuggestedSaveName(L"novel.JC"));
    EXPECT_EQ(L"novel.txt", SuggestedSaveName(L"novel.txt.cj"));
    EXPECT_EQ(L"novel.doc", SuggestedSaveName(L"novel.doc"));
    EXPECT_EQ(L"", SuggestedSaveName(L".WXB"));
}

TEST(SaveAsChoicesTest, TitleSuffixNamesTheCodeWritten) {
    const std::string japaneseUtf8 = " (UTF8･日)";
    const std::string traditionalUtf16 = " (UNICODE・繁)";
    const std::string simplifiedHanvell = " (HV簡)";
    const std::string big5 = " (BIG5)";
    EXPECT_EQ(japaneseUtf8, TitleSuffixAfterSave(kSaveJapaneseText, {2, 1}, 1));
    EXPECT_EQ(traditionalUtf16, TitleSuffixAfterSave(kSaveChineseText, {1, 0}, 1));
    EXPECT_EQ(simplifiedHanvell, TitleSuffixAfterSave(kSaveChineseText, {0, 1}, 0));
    EXPECT_EQ(big5, TitleSuffixAfterSave(kSaveChineseText, {0, 0}, 1));
}

} // namespace
