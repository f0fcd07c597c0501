// The exchange with a caller's buffers: 333 and 555 once per shortfall, with the size or count
// needed, and never a byte written past what the caller gave.
#include "EngineExchange.h"
#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class CNoAlerts : public CEngineAlerts {
public:
    void OnOutOfMemory(const char* message) override { ADD_FAILURE() << message; }
};

const char kJapanese[] = "\x8e\x84\x82\xcd\x96\x7b\x82\xf0\x93\xc7\x82\xde\x81\x42";  // 私は本を読む。

TEST(ExchangeTest, ShortOutputIsAskedForOnceAndNeverOverrun) {
    transfer::CTransferEngine& engine = TestEngine(kJapaneseToChinese);
    char output[64];
    std::memset(output, '#', sizeof output);
    int32_t size = 3, count = 0;
    const TransMode mode{0, 932, 936, 0};
    ASSERT_EQ(engine.Transfer(mode, kJapanese, output, &size, nullptr, &count), kEngineOutputTooSmall);
    EXPECT_EQ(std::string(output, sizeof output), std::string(sizeof output, '#'));
    ASSERT_GT(size, 3);
    ASSERT_LT(size, int32_t(sizeof output));
    const int32_t needed = size;
    ASSERT_EQ(engine.Transfer(mode, kJapanese, output, &size, nullptr, &count), 0);
    EXPECT_EQ(std::strlen(output) + 1, size_t(needed));
    EXPECT_EQ(output[needed], '#') << "nothing after the terminator";
}

TEST(ExchangeTest, TooFewRecordsAreAskedForOnceAndNeverOverrun) {
    transfer::CTransferEngine& engine = TestEngine(kJapaneseToChinese);
    char output[256];
    WordRecord records[16];
    std::memset(records, 0x5A, sizeof records);
    int32_t size = sizeof output, count = 1;
    const TransMode mode{0, 932, 936, 1};
    ASSERT_EQ(engine.Transfer(mode, kJapanese, output, &size, records, &count), kEngineTooFewRecords);
    const int32_t needed = count;
    ASSERT_GT(needed, 1);
    ASSERT_LT(needed, 16);
    EXPECT_EQ(records[0].m_nTargetStart, 0x5A5A5A5A) << "no record written on a shortfall";
    size = sizeof output;
    ASSERT_EQ(engine.Transfer(mode, kJapanese, output, &size, records, &count), 0);
    EXPECT_EQ(count, needed);
    EXPECT_EQ(records[needed].m_nTargetStart, 0x5A5A5A5A) << "nothing after the records";
}

TEST(ExchangeTest, NullRecordsMeanNoneWhateverTheFlag) {
    char output[256];
    int32_t size = sizeof output, count = 99;
    ASSERT_EQ(TestEngine(kJapaneseToChinese).Transfer(TransMode{0, 932, 936, 1}, kJapanese, output,
                                                      &size, nullptr, &count), 0);
    EXPECT_EQ(count, 0);
}

// The editor's exchange against the engine. Every translation with all alternatives is much
// longer than its source, so the output the editor first offers is too small: the engine asks
// once, and the text arrives whole.
TEST(ExchangeTest, TheEditorsExchangeGrowsTheOutputOnce) {
    transfer::CTransferEngine engine(kChineseToJapanese, TestSystemDicFolder());
    TransConfig config{};
    config.m_nTransHomo = transfer::kAllTranslations;
    ASSERT_TRUE(engine.Configure(config, {}));
    int calls = 0, tooSmall = 0;
    TransferFunction transfer = [&](TransMode mode, const char* source, char* output, int32_t* size,
                                    WordRecord* records, int32_t* count) {
        ++calls;
        const int32_t result = engine.Transfer(mode, source, output, size, records, count);
        tooSmall += result == kEngineOutputTooSmall;
        return result;
    };
    CNoAlerts alerts;
    CEngineExchange exchange(kChineseToJapanese, transfer, nullptr, alerts);
    std::string source;
    while (source.size() < 990)
        source += "\xb5\xe7\xc4\xd4\xa3\xac";  // 电脑，
    const TransMode mode{0, 936, 932, 1};
    const EngineTranslation result = exchange.Translate(mode, source.c_str());
    EXPECT_EQ(result.end, ExchangeEnd::Done);
    EXPECT_EQ(tooSmall, 1);
    EXPECT_EQ(calls, 2);
    EXPECT_GT(result.text.size(), 6000u);
    transfer::TargetText direct;
    ASSERT_TRUE(engine.Translate(mode, source, direct));
    EXPECT_EQ(result.text, direct.bytes);
    EXPECT_EQ(result.records.size(), direct.records.size());
}

TEST(ExchangeTest, KanjiConversionAsksForMoreOnce) {
    transfer::CTransferEngine& engine = TestEngine(kJapaneseToChinese);
    char output[32];
    std::memset(output, '#', sizeof output);
    int32_t size = 2;
    ASSERT_EQ(engine.ConvertKanzi("\x8d\x91\x8c\xea", 936, output, &size), kEngineOutputTooSmall);  // 国語
    EXPECT_EQ(size, 5);
    EXPECT_EQ(output[0], '#');
    ASSERT_EQ(engine.ConvertKanzi("\x8d\x91\x8c\xea", 936, output, &size), 0);
    EXPECT_STREQ(output, "\xb9\xfa\xd3\xef");  // 国语
}

} // namespace
