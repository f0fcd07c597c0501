// The user-dictionary functions of both engine DLLs, with paths in the system code page.
#include "EngineFixture.h"
#include "JAZHXL.h"
#include "ZHJAXL.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace {

struct Dll {
    const char* name;
    CheckIfUDicFile_JCFn check;
    nCreatUserDic_JCFn create;
    DJC_OpenAllUserDicFn open;
    DJC_CloseAllUserDicFn close;
    Set_JCTrans_ConfigureFn configure;
};

const Dll kDlls[] = {
    {"JAZHXL", CheckIfUDicFile_JC, nCreatUserDic_JC, DJC_OpenAllUserDic, DJC_CloseAllUserDic,
     Set_JCTrans_Configure},
    {"ZHJAXL", CheckIfUDicFile_CJ, nCreatUserDic_CJ, DCJ_OpenAllUserDic, DCJ_CloseAllUserDic,
     Set_CJTrans_Configure},
};

// A folder for the test, as an ANSI path with a Japanese name (ユーザ辞書).
std::string AnsiFolder(const std::string& test) {
    const std::filesystem::path folder = ScratchFolder(test) / L"\u30e6\u30fc\u30b6\u8f9e\u66f8";
    std::filesystem::create_directories(folder);
    const std::wstring wide = folder.wstring();
    char ansi[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

class EngineDllUserDicTest : public testing::TestWithParam<Dll> {};

TEST_P(EngineDllUserDicTest, CreatedRecognisedOpenedAndConfigured) {
    const Dll& dll = GetParam();
    const std::string base = AnsiFolder(std::string("dll-") + dll.name) + "\\words";
    EXPECT_EQ(dll.check(base.c_str()), 0);
    EXPECT_EQ(dll.create(base.c_str()), 0);
    EXPECT_NE(dll.check(base.c_str()), 0);
    EXPECT_EQ(dll.create(base.c_str()), 0) << "an existing dictionary is kept and valid";
    EXPECT_EQ(dll.open(base.c_str(), "", ""), 0);
    EXPECT_EQ(dll.close(), 0);
    EXPECT_NE(dll.open(base.c_str(), (base + "-missing").c_str(), ""), 0);
    TransConfig config{};
    std::strcpy(config.m_szUserDic1, base.c_str());
    EXPECT_NE(dll.configure(config), 0);
    EXPECT_EQ(dll.close(), 0);
}

TEST_P(EngineDllUserDicTest, RefusesWhatIsNoDictionary) {
    const Dll& dll = GetParam();
    const std::string base = AnsiFolder(std::string("dll-text-") + dll.name) + "\\notes";
    std::ofstream(base + ".DIC") << "just some text";
    EXPECT_EQ(dll.check(base.c_str()), 0);
    EXPECT_NE(dll.create(base.c_str()), 0) << "other files are not overwritten";
    EXPECT_EQ(dll.check(""), 0);
    EXPECT_EQ(dll.check(nullptr), 0);
}

INSTANTIATE_TEST_SUITE_P(Dlls, EngineDllUserDicTest, testing::ValuesIn(kDlls),
                         [](const testing::TestParamInfo<Dll>& info) { return std::string(info.param.name); });

} // namespace
