// The page "入力システム": which input methods each list offers, how they read, what OK stores.
#include "InputSystemPageData.h"
#include "ScriptedInputSystem.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kNippon[] = L"\u65E5\u672C"; // 日本
const wchar_t kPinyin[] = L"\u62FC\u97F3"; // 拼音

class InputSystemPageDataTest : public testing::Test {
protected:
    std::vector<std::string> Descriptions(ImeListLanguage list) {
        InputSystemPageData page = Load();
        std::vector<std::string> shown;
        for (const InputMethodEntry& e : page.List(list).entries)
            shown.push_back(e.description);
        return shown;
    }
    InputSystemPageData Load() { return LoadInputSystemPage(system, codePages, settings); }

    CScriptedInputSystem system;
    CTableCodePages codePages;
    InputSettings settings;
};

TEST_F(InputSystemPageDataTest, InstalledInputMethodsGoToTheirLanguageInTheirCodePage) {
    system.layouts = {{0xE0010411, "IMJP10.IME", kNippon},
                      {0xE00E0804, "PYINPUT3.IME", kPinyin},
                      {0xE0080404, "PHON.IME", kPinyin},
                      {0x04110411, "", L"keyboard"},
                      {0xE0010409, "OTHER.IME", L"other language"}};
    EXPECT_EQ(Descriptions(ImeListLanguage::Japanese),
              std::vector<std::string>{"\x93\xFA\x96\x7B"});
    EXPECT_EQ(Descriptions(ImeListLanguage::ChineseGb),
              std::vector<std::string>{"\xC6\xB4\xD2\xF4"});
    EXPECT_EQ(Descriptions(ImeListLanguage::ChineseBig5),
              std::vector<std::string>{"\xAB\xF7\xAD\xB5"});
    EXPECT_EQ(Load().List(ImeListLanguage::ChineseGb).entries[0].value, "PYINPUT3.IME");
}

TEST_F(InputSystemPageDataTest, PinyinAndKoreanFilesAreNotOfferedForJapanese) {
    system.layouts = {{0xE0010411, "KoInpJ.IME", L"a"},
                      {0xE0020411, "pyinpj.ime", L"b"},
                      {0xE0030411, "IMJP10.IME", L"c"},
                      {0xE0040411, "KOIN.IME", L"d"}};
    EXPECT_EQ(Descriptions(ImeListLanguage::Japanese), (std::vector<std::string>{"c", "d"}));
}

TEST_F(InputSystemPageDataTest, TheSettingIsSelectedIgnoringCase) {
    system.layouts = {{0xE0010411, "IMJP8.IME", L"a"}, {0xE0020411, "IMJP10.IME", L"b"}};
    settings.selectIMEJPN = "imjp10.IME";
    EXPECT_EQ(Load().List(ImeListLanguage::Japanese).selected, 1);
    settings.selectIMEJPN = "IMJP9.IME";
    EXPECT_EQ(Load().List(ImeListLanguage::Japanese).selected, -1);
}

TEST_F(InputSystemPageDataTest, TextServiceNamesAreConvertedPerListWithEtcForMoreThanOne) {
    system.preload = {"00000411", "E0010411", "00000404", "00000804"};
    const wchar_t country[] = L"\u56FD"; // the simplified form, which Big5 lacks
    system.textServices = {{0x0411, {1, country}}, {0x0404, {3, country}}, {0x0804, {2, country}}};
    EXPECT_EQ(Descriptions(ImeListLanguage::Japanese), std::vector<std::string>{"TSF:\x8D\x91"});
    EXPECT_EQ(Descriptions(ImeListLanguage::ChineseGb),
              std::vector<std::string>{"TSF:\xB9\xFA etc."});
    EXPECT_EQ(Descriptions(ImeListLanguage::ChineseBig5),
              std::vector<std::string>{"TSF:\xB0\xEA etc."});
}

TEST_F(InputSystemPageDataTest, PreloadValuesEndAtTheFirstEmptyOne) {
    system.preload = {"00000804", "", "00000804"};
    system.textServices[0x0804] = {1, L"Pinyin"};
    EXPECT_EQ(Descriptions(ImeListLanguage::ChineseGb), std::vector<std::string>{"TSF:Pinyin"});
}

TEST_F(InputSystemPageDataTest, LongNamesAreCutAtACharacterWithin245Bytes) {
    system.preload = {"00000804"};
    system.textServices[0x0804] = {2, std::wstring(130, L'\u62FC')};
    std::string text = Descriptions(ImeListLanguage::ChineseGb).at(0);
    std::string expected = "TSF:";
    for (int i = 0; i < 122; ++i)
        expected += "\xC6\xB4";
    EXPECT_EQ(text, expected + " etc.");
}

TEST_F(InputSystemPageDataTest, TheTokenSelectsTheTextServiceEntry) {
    system.layouts = {{0xE0080404, "PHON.IME", L"Phonetic"}};
    system.preload = {"00000404"};
    system.textServices[0x0404] = {1, L"Bopomofo"};
    settings.selectIMECHNBIG5 = kBig5TsfToken;
    InputSystemPageData page = Load();
    const InputMethodList& big5 = page.List(ImeListLanguage::ChineseBig5);
    ASSERT_EQ(big5.selected, 1);
    EXPECT_EQ(big5.entries[1].value, "TSF:Bopomofo");
}

TEST_F(InputSystemPageDataTest, RadiosShowTheSwitches) {
    settings.imeAutoChange = 0;
    settings.imeAutoOpen = 1;
    EXPECT_EQ(Load().autoChangeRadio, 1); // しない
    EXPECT_EQ(Load().autoOpenRadio, 1);   // しない
    settings.imeAutoChange = 1;
    settings.imeAutoOpen = 0;
    EXPECT_EQ(Load().autoChangeRadio, 0);
    EXPECT_EQ(Load().autoOpenRadio, 0);
}

TEST_F(InputSystemPageDataTest, OkStoresTokensFileNamesAndTheSwitches) {
    system.layouts = {{0xE0010411, "IMJP10.IME", L"Japanese"}};
    system.preload = {"00000804"};
    system.textServices[0x0804] = {1, L"Pinyin"};
    settings.selectIMEJPN = "imjp10.ime";
    settings.selectIMECHNBIG5 = "PHON.IME";
    InputSystemPageData page = Load();
    page.List(ImeListLanguage::ChineseGb).selected = 0;
    page.autoChangeRadio = 1;
    page.autoOpenRadio = 1;

    ApplyInputSystemPage(page, settings);
    EXPECT_EQ(settings.selectIMEJPN, "IMJP10.IME");   // as the system names it
    EXPECT_EQ(settings.selectIMECHNGB, kGbTsfToken);  // the entry stands for its token
    EXPECT_EQ(settings.selectIMECHNBIG5, "PHON.IME"); // no selection: unchanged
    EXPECT_EQ(settings.imeAutoChange, 0);
    EXPECT_EQ(settings.imeAutoOpen, 1);
}

} // namespace
