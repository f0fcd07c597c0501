// HANSWAP.dll through its exports, found by name as the editor binds them.
#include "HANSWAP.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(HanswapDllTest, ExportsTheFourFunctionsByName) {
    HMODULE module = GetModuleHandleW(L"HANSWAP.dll");
    ASSERT_NE(module, nullptr);
    for (const char* name : {"GBToBig5", "Big5ToGB", "JianTiToFanTi", "FanTiToJianTi"}) {
        EXPECT_NE(GetProcAddress(module, name), nullptr) << name;
    }
}

std::string Converted(const std::string& text, void(HANSWAP_CALL* convert)(char*)) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    convert(buffer.data());
    return std::string(buffer.data());
}

TEST(HanswapDllTest, ConvertsMultibyteTextInPlace) {
    EXPECT_EQ(Converted("\xD6\xD0\xB9\xFA"
                        "a",
                        GBToBig5),
              "\xA4\xA4\xB0\xEA"
              "a"); // 中国 -> 中國
    EXPECT_EQ(Converted("\xA4\xA4\xB0\xEA", Big5ToGB), "\xD6\xD0\xB9\xFA");
    EXPECT_EQ(Converted("ab\xB0", GBToBig5), "ab\xB0");
    EXPECT_EQ(Converted("", Big5ToGB), "");
}

TEST(HanswapDllTest, ConvertsUtf16TextInPlace) {
    wchar_t text[] = L"\u4E2D\u56FD\u3042";
    JianTiToFanTi(text);
    EXPECT_EQ(std::wstring(text), L"\u4E2D\u570B\u3042");
    FanTiToJianTi(text);
    EXPECT_EQ(std::wstring(text), L"\u4E2D\u56FD\u3042");
}

} // namespace
