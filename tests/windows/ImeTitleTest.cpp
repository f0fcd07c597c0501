// IMETITLE: the keyboard text services of a language on test-owned registry keys laid out like
// the system's, and the built DLL on Wine's registry.
#include "IMETITLE.h"
#include "TextServiceRegistry.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kOwnKey[] = L"Software\\TwinTest_ImeTitle";
const wchar_t kKeyboard[] = L"\\Category\\Category\\{34745C63-B2F0-4784-8B67-5E12C8701A31}";
const wchar_t kPinyinTip[] = L"{7A1C0000-0000-4000-8000-000000000001}";
const wchar_t kSpeechTip[] = L"{7A1C0000-0000-4000-8000-000000000002}";
const wchar_t kFirstProfile[] = L"{0B000000-0000-4000-8000-000000000001}";
const wchar_t kSecondProfile[] = L"{0B000000-0000-4000-8000-000000000002}";

class ImeTitleTest : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kOwnKey);
        ::RegCreateKeyExW(HKEY_CURRENT_USER, Path(L"Machine").c_str(), 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &machine, nullptr);
        ::RegCreateKeyExW(HKEY_CURRENT_USER, Path(L"User").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &user, nullptr);
        Create(machine, std::wstring(kPinyinTip) + kKeyboard + L"\\" + kPinyinTip);
    }
    void TearDown() override {
        ::RegCloseKey(machine);
        ::RegCloseKey(user);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kOwnKey);
    }
    static std::wstring Path(const wchar_t* part) { return std::wstring(kOwnKey) + L"\\" + part; }
    static std::wstring Profile(const wchar_t* tip, const wchar_t* language, const wchar_t* guid) {
        return std::wstring(tip) + L"\\LanguageProfile\\" + language + L"\\" + guid;
    }
    static void Create(HKEY root, const std::wstring& path) {
        HKEY key = nullptr;
        ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr);
        ::RegCloseKey(key);
    }
    static void Describe(HKEY root, const std::wstring& profile, const wchar_t* description) {
        ::RegSetKeyValueW(root, profile.c_str(), L"Description", REG_SZ, description,
                          DWORD((wcslen(description) + 1) * sizeof(wchar_t)));
    }
    static void Enable(HKEY root, const std::wstring& profile, DWORD enable) {
        ::RegSetKeyValueW(root, profile.c_str(), L"Enable", REG_DWORD, &enable, sizeof enable);
    }

    HKEY machine = nullptr;
    HKEY user = nullptr;
};

TEST_F(ImeTitleTest, CountsTheProfilesOfTheLanguageAndNamesTheFirst) {
    Describe(machine, Profile(kPinyinTip, L"0x00000804", kFirstProfile), L"Pinyin A");
    Describe(machine, Profile(kPinyinTip, L"0x00000804", kSecondProfile), L"Pinyin B");
    Describe(machine, Profile(kPinyinTip, L"0x00000411", kFirstProfile), L"Kana");
    TextServiceCount found = FindKeyboardTextServices(machine, user, 0x0804);
    EXPECT_EQ(found.count, 2);
    EXPECT_EQ(found.firstName, L"Pinyin A");
    EXPECT_EQ(FindKeyboardTextServices(machine, user, 0x0404).count, 0);
}

TEST_F(ImeTitleTest, ServicesOutsideTheKeyboardCategoryAreNotInputMethods) {
    Describe(machine, Profile(kSpeechTip, L"0x00000804", kFirstProfile), L"Dictation");
    EXPECT_EQ(FindKeyboardTextServices(machine, user, 0x0804).count, 0);
}

TEST_F(ImeTitleTest, TheUsersEnableWinsOverTheRegisteredDefault) {
    std::wstring first = Profile(kPinyinTip, L"0x00000804", kFirstProfile);
    std::wstring second = Profile(kPinyinTip, L"0x00000804", kSecondProfile);
    Describe(machine, first, L"Pinyin A");
    Describe(machine, second, L"Pinyin B");
    Enable(machine, first, 0);
    Enable(user, first, 1);
    Enable(user, second, 0);
    TextServiceCount found = FindKeyboardTextServices(machine, user, 0x0804);
    EXPECT_EQ(found.count, 1);
    EXPECT_EQ(found.firstName, L"Pinyin A");
}

TEST_F(ImeTitleTest, ADefaultOfDisabledWithoutUserChoiceIsNotCounted) {
    std::wstring first = Profile(kPinyinTip, L"0x00000804", kFirstProfile);
    Describe(machine, first, L"Pinyin A");
    Enable(machine, first, 0);
    EXPECT_EQ(FindKeyboardTextServices(machine, nullptr, 0x0804).count, 0);
}

TEST_F(ImeTitleTest, AProfileWithoutANameIsNotCounted) {
    Create(machine, Profile(kPinyinTip, L"0x00000804", kFirstProfile));
    EXPECT_EQ(FindKeyboardTextServices(machine, user, 0x0804).count, 0);
}

TEST(ImeTitleDllTest, WineRegistersNoTextServicesAndTheNameIsEmptied) {
    for (uint16_t language : {0x0411, 0x0804, 0x0404}) {
        wchar_t name[kTsfNameCapacity] = L"stale";
        EXPECT_EQ(GetTsfName(language, name, kTsfNameCapacity), 0);
        EXPECT_EQ(name[0], L'\0');
    }
}

} // namespace
