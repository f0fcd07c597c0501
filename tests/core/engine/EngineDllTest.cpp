// The exchange against the engine DLLs as they are built and exported.
#include "EngineConfig.h"
#include "EngineExchange.h"
#include "JAZHXL.h"
#include "ZHJAXL.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class CAlertLog : public CEngineAlerts {
public:
    void OnOutOfMemory(const char* message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

struct Engine {
    const char* name;
    TransDirection direction;
    JC_TransferFn transfer;  // both translate functions have this shape
    Japanese_Chinese_Kanzi_ProcessFn kanzi;
    Set_JCTrans_ConfigureFn configure;
    CheckIfUDicFile_JCFn checkUserDic;
};

const Engine kEngines[] = {
    {"JAZHXL", kJapaneseToChinese, JC_Transfer, Japanese_Chinese_Kanzi_Process,
     Set_JCTrans_Configure, CheckIfUDicFile_JC},
    {"ZHJAXL", kChineseToJapanese, CJ_Transfer, Chinese_Japanese_Kanzi_Process,
     Set_CJTrans_Configure, CheckIfUDicFile_CJ},
};

class EngineDllTest : public testing::TestWithParam<Engine> {};

TEST_P(EngineDllTest, TranslationComesWithRecords) {
    const Engine& engine = GetParam();
    CAlertLog alerts;
    CEngineExchange exchange(engine.direction, engine.transfer, engine.kanzi, alerts);
    // 日本語の文です。 / 这是中文的句子。, and a long run of letters carried over as they are.
    const std::string sentence = engine.direction == kJapaneseToChinese
                                     ? "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x95\xb6\x82\xc5\x82\xb7\x81\x42"
                                     : "\xd5\xe2\xca\xc7\xd6\xd0\xce\xc4\xb5\xc4\xbe\xe4\xd7\xd3\xa1\xa3";
    const TransMode mode{0, engine.direction == kJapaneseToChinese ? 932 : 936,
                         engine.direction == kJapaneseToChinese ? 936 : 932, 1};
    EngineTranslation result = exchange.Translate(mode, sentence.c_str());
    EXPECT_EQ(result.end, ExchangeEnd::Done);
    EXPECT_FALSE(result.text.empty());
    EXPECT_NE(result.text, sentence);
    EXPECT_FALSE(result.records.empty());
    const std::string letters(5000, 'a');
    EXPECT_EQ(exchange.Translate(mode, letters.c_str()).text, letters);
    EXPECT_FALSE(exchange.ConvertKanzi("\x8a\xbf\x8e\x9a", 936).text.empty());  // 漢字
    EXPECT_TRUE(alerts.messages.empty());
}

TEST_P(EngineDllTest, ShortOutputIsAskedForNotOverrun) {
    const Engine& engine = GetParam();
    char output[16];
    std::memset(output, '#', sizeof output);
    int32_t size = 4;
    int32_t records = 0;
    const TransMode mode = engine.direction == kJapaneseToChinese ? TransMode{1, 932, 10932, 0}
                                                                  : TransMode{1, 0, 932, 0};
    EXPECT_EQ(engine.transfer(mode, "abcdefgh", output, &size, nullptr, &records),
              kEngineOutputTooSmall);
    EXPECT_EQ(size, 9);
    size = 4;
    EXPECT_EQ(engine.kanzi("abcdefgh", 936, output, &size), kEngineOutputTooSmall);
    EXPECT_EQ(size, 9);
    EXPECT_EQ(std::string(output, sizeof output), std::string(sizeof output, '#'));
}

TEST_P(EngineDllTest, ConfigurationIsTakenAndNoUserDictionaryExists) {
    const Engine& engine = GetParam();
    EngineSettings settings;
    settings.userDics = {"C:\\dic\\mywords", "", ""};
    TransConfig config = BuildTransConfig(engine.direction, settings);
    EXPECT_NE(engine.configure(config), 0);
    std::memset(config.m_szUserDic2, 'x', sizeof config.m_szUserDic2);
    EXPECT_EQ(engine.configure(config), 0) << "a path without its end";
    EXPECT_EQ(engine.checkUserDic("C:\\dic\\mywords"), 0);
}

INSTANTIATE_TEST_SUITE_P(Dlls, EngineDllTest, testing::ValuesIn(kEngines),
                         [](const testing::TestParamInfo<Engine>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
