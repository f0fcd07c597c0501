// The Windows input system under Wine: its one layout, input contexts of a real window, the
// Preload list and IMETITLE, and the switches over them.
#include "ImmInputSystem.h"
#include "InputLayoutFinder.h"
#include "InputSwitch.h"
#include "InputSystemPageData.h"
#include "CodePages.h"

#include <gtest/gtest.h>

#include <imm.h>

#include <cwctype>

namespace {

const wchar_t kOwnKey[] = L"Software\\TwinTest_ImmInputSystem";
const std::wstring kOwnPreload = std::wstring(kOwnKey) + L"\\Preload";

class ImmInputSystemTest : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kOwnKey);
        window = ::CreateWindowExW(0, L"STATIC", L"input", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                   nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (takenContext)
            ::ImmAssociateContext(window, takenContext);
        ::DestroyWindow(window);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kOwnKey);
    }
    void WritePreload(const wchar_t* name, const wchar_t* value) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kOwnPreload.c_str(), name, REG_SZ, value,
                          DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
    }
    void TakeInputContext() { takenContext = ::ImmAssociateContext(window, nullptr); }

    CImmInputSystem system;
    HWND window = nullptr;
    HIMC takenContext = nullptr;
};

TEST_F(ImmInputSystemTest, WineInstallsOneLayoutWithoutAnInputMethodFile) {
    KeyboardLayout current = system.CurrentLayout();
    EXPECT_EQ(system.InstalledLayouts(), std::vector<KeyboardLayout>{current});
    EXPECT_EQ(LayoutLanguage(current), 0x0411);
    EXPECT_EQ(system.ImeFileName(current), "");
    std::wstring description = system.ImeDescription(current);
    EXPECT_FALSE(description.empty());
    EXPECT_LE(description.size(), 49u);
}

TEST_F(ImmInputSystemTest, OnlyTokensFindALayoutOnWine) {
    EXPECT_EQ(FindInputLayout(system, "IMJP10.IME"), kNoLayout);
    EXPECT_EQ(FindInputLayout(system, kJapaneseTsfToken), kJapaneseTsfLayout);
}

TEST_F(ImmInputSystemTest, ActivationOfALayoutThatIsNotLoadedIsRefused) {
    KeyboardLayout current = system.CurrentLayout();
    EXPECT_TRUE(system.ActivateLayout(current));
    EXPECT_FALSE(system.ActivateLayout(kGbTsfLayout));
    EXPECT_EQ(system.CurrentLayout(), current);
}

TEST_F(ImmInputSystemTest, OpenStatusOfARealWindow) {
    system.SetOpenStatus(window, true);
    EXPECT_EQ(system.OpenStatus(window), true);
    system.SetOpenStatus(window, false);
    EXPECT_EQ(system.OpenStatus(window), false);
}

TEST_F(ImmInputSystemTest, AWindowWithoutInputContextHasNoOpenStatus) {
    TakeInputContext();
    system.SetOpenStatus(window, true);
    EXPECT_EQ(system.OpenStatus(window), std::nullopt);
}

TEST_F(ImmInputSystemTest, OpenInputMethodStaysOpenWhenTheExchangeIsRefused) {
    InputSettings settings;
    settings.imeAutoOpen = 1;
    settings.selectIMECHNGB = kGbTsfToken;
    system.SetOpenStatus(window, true);
    SwitchDialogInput(system, settings, window, false);
    EXPECT_EQ(system.OpenStatus(window), true);
}

TEST_F(ImmInputSystemTest, DialogSwitchOpensAClosedInputMethod) {
    InputSettings settings;
    settings.selectIMEJPN = kJapaneseTsfToken;
    system.SetOpenStatus(window, false);
    SwitchDialogInput(system, settings, window, true);
    EXPECT_EQ(system.OpenStatus(window), true);
}

TEST_F(ImmInputSystemTest, PreloadValuesOfATestOwnedKey) {
    WritePreload(L"1", L"00000804");
    WritePreload(L"2", L"00000804");
    CImmInputSystem owned(HKEY_CURRENT_USER, kOwnPreload);
    EXPECT_EQ(owned.PreloadValue(1), "00000804");
    EXPECT_EQ(owned.PreloadValue(2), "00000804");
    EXPECT_EQ(owned.PreloadValue(3), "");
}

TEST_F(ImmInputSystemTest, TheUsersPreloadListStartsWithALayoutIdentifier) {
    std::string first = system.PreloadValue(1); // Wine: "E0010411"
    ASSERT_EQ(first.size(), 8u);
    for (char c : first)
        EXPECT_TRUE(std::iswxdigit(wint_t(c))) << first;
}

TEST_F(ImmInputSystemTest, WineReportsNoTextServices) {
    for (uint16_t language : {0x0411, 0x0804, 0x0404}) {
        std::wstring name = L"stale";
        EXPECT_EQ(system.GetTsfName(language, name), 0);
        EXPECT_EQ(name, L"");
    }
}

TEST_F(ImmInputSystemTest, PageOnWineOffersNothingEvenWithChinesePreloadValues) {
    WritePreload(L"1", L"00000804");
    WritePreload(L"2", L"00000804");
    CImmInputSystem owned(HKEY_CURRENT_USER, kOwnPreload);
    InputSystemPageData page = LoadInputSystemPage(owned, SystemCodePages(), InputSettings());
    for (const InputMethodList& list : page.lists)
        EXPECT_TRUE(list.entries.empty());
}

TEST(SystemCodePagesTest, ChineseScriptsConvertWithTheSystemTables) {
    const CCodePages& codePages = SystemCodePages();
    EXPECT_EQ(FromWide(codePages, L"\u570B", 950), "\xB0\xEA");
    EXPECT_EQ(FromWide(codePages, L"\u56FD", 936), "\xB9\xFA");
    EXPECT_EQ(FromWide(codePages, L"\u56FD", 950), "?"); // why the page replaces it first
    EXPECT_EQ(FromWide(codePages, L"IME \u65E5\u672C", 932), "IME \x93\xFA\x96\x7B");
}

} // namespace
