// The settings stores on Wine's real registry and on INI files; each test uses a key of its own.
#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    static std::string OwnCompany() {
        return std::string("TwinTest_") + testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    void SetUp() override { RemoveKeys(); }
    void TearDown() override { RemoveKeys(); }

    void RemoveKeys() {
        std::string path = "software\\" + company;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
    }

    std::string company = OwnCompany();
    // What the installation wrote: the machine store seen with write access.
    CSettingsStore installation{HKEY_LOCAL_MACHINE, company, "LINGUA_SUITE", "DUOPANE", false};
    CSettingsStore machine{HKEY_LOCAL_MACHINE, company, "LINGUA_SUITE", "DUOPANE", true};
    CSettingsStore user{HKEY_CURRENT_USER, company, "LINGUA_SUITE", "DUOPANE", false, &machine};

};

TEST_F(SettingsStoreTest, WithNoValuesAnywhereTheTableDefaultsApply) {
    EXPECT_EQ(user.GetInt(SettingKey::CjSpaceCutFlag), 2);
    EXPECT_EQ(user.GetInt(SettingKey::JcLineLength), 36);
    EXPECT_EQ(user.GetString(SettingKey::GbFontFaceName), "RZ-GB P Mincho");
    EXPECT_EQ(user.GetString(SettingKey::LogFile), "");
}

TEST_F(SettingsStoreTest, MissingUserValuesComeFromTheMachineStore) {
    installation.WriteInt("JcHonyakuKankyo", "LineLength", 40);
    installation.WriteString("DirEnv", "LogFile", "C:\\log\\twin");
    EXPECT_EQ(user.GetInt(SettingKey::JcLineLength), 40);
    EXPECT_EQ(user.GetString(SettingKey::LogFile), "C:\\log\\twin");

    user.WriteInt(SettingKey::JcLineLength, 30);
    EXPECT_EQ(user.GetInt(SettingKey::JcLineLength), 30);
}

TEST_F(SettingsStoreTest, EmptyUserStringFallsBackToTheMachineStore) {
    installation.WriteString("JcUserDic", "User Dic1", "C:\\dic\\company");
    user.WriteString(SettingKey::JcUserDic1, "");
    EXPECT_EQ(user.GetString(SettingKey::JcUserDic1), "C:\\dic\\company");
    user.WriteString(SettingKey::JcUserDic1, "C:\\dic\\mine");
    EXPECT_EQ(user.GetString(SettingKey::JcUserDic1), "C:\\dic\\mine");
}

TEST_F(SettingsStoreTest, MachineStoreIsReadOnly) {
    EXPECT_FALSE(machine.WriteInt("Setting", "GBBIG5", 1));
    EXPECT_FALSE(machine.WriteString("Setting", "X", "y"));
    EXPECT_EQ(machine.GetInt("Setting", "GBBIG5", 0), 0);
}

TEST_F(SettingsStoreTest, NullTextDeletesValueAndNullNameDeletesSection) {
    user.WriteString("IMESET", "SelectIMEJPN", "IMJP.IME");
    user.WriteString("IMESET", "SelectIMECHNGB", "PINTLGNT.IME");
    EXPECT_TRUE(user.Exists("IMESET", "SelectIMEJPN"));
    EXPECT_TRUE(user.WriteString("IMESET", "SelectIMEJPN", nullptr));
    EXPECT_FALSE(user.Exists("IMESET", "SelectIMEJPN"));
    EXPECT_TRUE(user.Exists("IMESET", "SelectIMECHNGB"));

    EXPECT_TRUE(user.WriteString("IMESET", nullptr, nullptr));
    EXPECT_FALSE(user.Exists("IMESET", "SelectIMECHNGB"));
}

TEST_F(SettingsStoreTest, ExistsOnlyForValuesThatFitTheShortBuffer) {
    user.WriteString("Folder", "DOCFOLDER", std::string(300, 'x').c_str());
    user.WriteString("Folder", "Short", "C:\\docs");
    EXPECT_FALSE(user.Exists("Folder", "DOCFOLDER"));
    EXPECT_TRUE(user.Exists("Folder", "Short"));
    EXPECT_EQ(user.GetString("Folder", "DOCFOLDER").size(), 300u);
}

TEST_F(SettingsStoreTest, BinaryValuesRoundTrip) {
    const uint8_t bytes[] = {0, 1, 0xFE, 0xFF};
    EXPECT_TRUE(user.WriteBinary("Setting", "Blob", bytes, sizeof bytes));
    auto read = user.GetBinary("Setting", "Blob");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, std::vector<uint8_t>(bytes, bytes + 4));
    EXPECT_FALSE(user.GetBinary("Setting", "Nothing").has_value());
}

TEST_F(SettingsStoreTest, StringValuesKeepShiftJisText) {
    EXPECT_EQ(user.GetString(SettingKey::JapaneseFontColor), "自動");
    user.WriteString(SettingKey::Header, "&[ﾍﾟｰｼﾞ番号] 翻訳");
    EXPECT_EQ(user.GetString(SettingKey::Header), "&[ﾍﾟｰｼﾞ番号] 翻訳");
}

TEST_F(SettingsStoreTest, IniFormStoresBinaryAsLetters) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + company + ".INI";
    ::DeleteFileA(path.c_str());
    CSettingsStore ini = CSettingsStore::IniFile(path);

    const uint8_t bytes[] = {0x12, 0xAB};
    EXPECT_TRUE(ini.WriteBinary("Setting", "Blob", bytes, 2));
    EXPECT_TRUE(ini.WriteInt("Setting", "GBBIG5", 1));
    EXPECT_TRUE(ini.WriteString("Folder", "DOCFOLDER", "C:\\docs"));
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush the profile cache

    std::ifstream file(path);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_NE(content.str().find("Blob=CBLK"), std::string::npos) << content.str();
    EXPECT_EQ(ini.GetInt("Setting", "GBBIG5", 0), 1);
    EXPECT_EQ(ini.GetString("Folder", "DOCFOLDER"), "C:\\docs");
    auto read = ini.GetBinary("Setting", "Blob");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, std::vector<uint8_t>(bytes, bytes + 2));
    EXPECT_TRUE(ini.Exists("Folder", "DOCFOLDER"));
    EXPECT_FALSE(ini.Exists("Folder", "Nothing"));
    ::DeleteFileA(path.c_str());
}

} // namespace
