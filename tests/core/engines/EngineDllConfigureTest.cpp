// The configuration record reaches the engine DLL's translation: its line rule decides whether
// the wrapped lines of an external request are joined.
#include "EngineFixture.h"
#include "JAZHXL.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Translated(const std::string& shiftJis) {
    char output[6002] = {};
    int32_t size = 6000;
    EXPECT_EQ(JC_Transfer(TransMode{1, 932, 936, 0}, shiftJis.c_str(), output, &size, nullptr, nullptr), 0);
    return output;
}

TEST(EngineDllConfigureTest, LineRuleOfTheRecordReachesTheTranslation) {
    const std::string source =
        ToCodePage(TestEngine(kJapaneseToChinese).Tables(), 932, "私は毎日学校で\r\n日本語を勉強します。");
    TransConfig config;
    std::memset(&config, 0, sizeof config);
    config.m_nPeriodOnly = config.m_nQuestionMark = config.m_nExclamationMark = 1;
    config.m_nLineLength = 36;
    config.m_nLineFlag = 0;
    ASSERT_NE(Set_JCTrans_Configure(config), 0);
    EXPECT_NE(Translated(source).find("\r\n"), std::string::npos);
    config.m_nLineFlag = 2;
    ASSERT_NE(Set_JCTrans_Configure(config), 0);
    EXPECT_EQ(Translated(source).find("\r\n"), std::string::npos);
}

} // namespace
