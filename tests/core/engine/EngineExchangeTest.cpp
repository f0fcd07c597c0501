// The exchange with an engine, against a fake engine that answers from a script.
#include "EngineExchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One answer of the fake: 333 asks for an output size, 555 for a record count, anything else
// ends with the text and the record count reported.
struct Reply {
    int32_t result;
    int32_t ask;
    std::string text;
};

Reply Done(std::string text, int32_t recordCount = 0) { return {0, recordCount, std::move(text)}; }
Reply TooSmall(int32_t size, std::string text = "") { return {333, size, std::move(text)}; }
Reply TooFew(int32_t count) { return {555, count, ""}; }

// Checks on every call that it was handed what the exchange promised, then scribbles over all
// of it, so that a buffer smaller than its stated size shows under the sanitizers.
class CFakeEngine {
public:
    CFakeEngine(std::vector<Reply> replies, int32_t firstOutputSize, int32_t firstRecordCount)
        : m_replies(std::move(replies)), m_expectedSize(firstOutputSize),
          m_expectedRecords(firstRecordCount) {}

    int32_t Transfer(char* output, int32_t* outputSize, WordRecord* records,
                     int32_t* recordCount) {
        EXPECT_EQ(*recordCount, m_expectedRecords) << "call " << m_calls;
        if (m_expectedRecords == 0) {
            EXPECT_EQ(records, nullptr);
        } else if (records) {
            const WordRecord zero{};
            for (int32_t i = 0; i < *recordCount; ++i)
                EXPECT_EQ(std::memcmp(&records[i], &zero, sizeof zero), 0) << "record " << i;
            std::memset(records, 0x5A, sizeof(WordRecord) * size_t(*recordCount));
        } else {
            ADD_FAILURE() << "no records handed over";
        }
        const int32_t given = *recordCount;
        const int32_t result = Text(output, outputSize);
        if (size_t(m_calls) > m_replies.size())
            return result;
        const Reply& reply = m_replies[size_t(m_calls - 1)];
        if (result == 555 && reply.ask > given)
            m_expectedRecords = reply.ask;
        if (result != 333 && result != 555 && records) {
            for (int32_t i = 0; i < std::min(reply.ask, given); ++i)
                records[i] = WordRecord{-1, i * 10, 1, i * 10 + 1, 1, {}};
        }
        if (result != 333)
            *recordCount = reply.ask;
        return result;
    }

    int32_t Text(char* output, int32_t* outputSize) {
        ++m_calls;
        if (size_t(m_calls) > m_replies.size()) {
            ADD_FAILURE() << "called again after the last reply";
            return -1;
        }
        EXPECT_EQ(*outputSize, m_expectedSize) << "call " << m_calls;
        EXPECT_EQ(output[0], '\0') << "call " << m_calls;
        std::memset(output, '#', size_t(*outputSize));

        const Reply& reply = m_replies[size_t(m_calls - 1)];
        const size_t length = reply.text.size();
        if (length > size_t(*outputSize)) {
            ADD_FAILURE() << "the reply does not fit the output size given";
            return -1;
        }
        // A call-again reply without text leaves the scribbles for the next call to find.
        const bool final = reply.result != 333 && reply.result != 555;
        std::memcpy(output, reply.text.data(), length);
        if ((final || length) && length < size_t(*outputSize))
            output[length] = '\0';
        if (reply.result == 333) {
            if (reply.ask > *outputSize)
                m_expectedSize = reply.ask;
            *outputSize = reply.ask;
        }
        return reply.result;
    }

    int Calls() const { return m_calls; }

private:
    std::vector<Reply> m_replies;
    int32_t m_expectedSize;
    int32_t m_expectedRecords;
    int m_calls = 0;
};

class CAlertLog : public CEngineAlerts {
public:
    void OnOutOfMemory(const char* message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

const TransDirection kJC = kJapaneseToChinese;
const TransDirection kCJ = kChineseToJapanese;
const ExchangeEnd kDone = ExchangeEnd::Done;
const ExchangeEnd kFault = ExchangeEnd::EngineFault;
const ExchangeEnd kNoMemory = ExchangeEnd::OutOfMemory;
const int32_t kBeyondRecords = kMaxWordRecords + 1;

std::vector<Reply> EverLarger(int count) {
    std::vector<Reply> replies;
    for (int i = 0; i < count; ++i)
        replies.push_back(TooSmall(7000 + i));
    return replies;
}

struct TranslateCase {
    const char* name;
    TransDirection direction;
    size_t sourceLength;
    bool wantRecords;
    std::vector<Reply> replies;
    int32_t firstOutputSize;
    int calls;
    ExchangeEnd end;
    int32_t engineResult;
    std::string text;
    std::vector<int32_t> following;  // numbering of the records handed back
    const char* alert;               // the out-of-memory text, if any
};

const std::vector<TranslateCase>& TranslateCases() {
    static const std::vector<TranslateCase> cases = {
        {"Translated", kJC, 3, true, {Done("訳文", 2)}, 6000, 1, kDone, 0, "訳文", {1, 0}, nullptr},
        {"RecordsNumberedFromTheEnd", kCJ, 5, true, {Done("ok", 5)}, 6000, 1, kDone, 0, "ok",
         {4, 3, 2, 1, 0}, nullptr},
        {"SourceBelowAThousand", kJC, 999, true, {Done("x")}, 6000, 1, kDone, 0, "x", {}, nullptr},
        {"SourceOverAThousand", kJC, 1001, false, {Done("x")}, 6006, 1, kDone, 0, "x", {}, nullptr},
        {"OutputFilledToTheLastByte", kJC, 3, false, {Done(std::string(6000, 'y'))}, 6000, 1,
         kDone, 0, std::string(6000, 'y'), {}, nullptr},
        {"OtherResultKeepsOutput", kJC, 3, false, {{-7, 0, "part"}}, 6000, 1, kDone, -7, "part",
         {}, nullptr},
        {"EmptySourceNotSent", kJC, 0, true, {}, 6000, 0, kDone, 0, "", {}, nullptr},

        {"TooSmallOnce", kJC, 3, true, {TooSmall(7000), Done(std::string(6999, 'z'), 1)}, 6000,
         2, kDone, 0, std::string(6999, 'z'), {0}, nullptr},
        {"TooSmallSizeZero", kJC, 3, true, {TooSmall(0)}, 6000, 1, kFault, 333, "", {}, nullptr},
        {"TooSmallSizeNegative", kJC, 3, true, {TooSmall(-5)}, 6000, 1, kFault, 333, "", {},
         nullptr},
        {"TooSmallNoLarger", kJC, 3, true, {TooSmall(6000)}, 6000, 1, kFault, 333, "", {},
         nullptr},
        {"TooSmallBeyondReason", kJC, 3, true, EverLarger(kMaxTransferCalls + 5), 6000,
         kMaxTransferCalls, kFault, 333, "", {}, nullptr},
        {"TooSmallBeyondMemory", kCJ, 3, true, {TooSmall(INT32_MAX)}, 6000, 1, kNoMemory, 333, "",
         {}, "Memorry alloc error!"},

        {"TooFewOnce", kJC, 3, true, {TooFew(8), Done("ok", 8)}, 6000, 2, kDone, 0, "ok",
         {7, 6, 5, 4, 3, 2, 1, 0}, nullptr},
        {"TooFewNoMore", kJC, 3, true, {TooFew(3)}, 6000, 1, kFault, 555, "", {}, nullptr},
        {"TooFewZero", kJC, 3, true, {TooFew(0)}, 6000, 1, kFault, 555, "", {}, nullptr},
        {"TooFewWithoutRecordsOffered", kJC, 3, false, {TooFew(4)}, 6000, 1, kFault, 555, "", {},
         nullptr},
        {"TooSmallThenTooFew", kJC, 3, true, {TooSmall(7000), TooFew(9), Done("ok", 9)}, 6000, 3,
         kDone, 0, "ok", {8, 7, 6, 5, 4, 3, 2, 1, 0}, nullptr},
        {"TooFewBeyondMemoryJC", kJC, 3, true, {TooFew(kBeyondRecords)}, 6000, 1, kNoMemory, 555,
         "", {}, "Memorry alloc error!"},
        {"TooFewBeyondMemoryCJ", kCJ, 3, true, {TooFew(kBeyondRecords)}, 6000, 1, kNoMemory, 555,
         "", {}, "Memorry alloc error!"},

        {"CountBeyondBlockDropsRecords", kJC, 3, true, {Done("ok", 10)}, 6000, 1, kDone, 0, "ok",
         {}, nullptr},
        {"NegativeCountGivesNoRecords", kJC, 3, true, {Done("ok", -1)}, 6000, 1, kDone, 0, "ok",
         {}, nullptr},

        {"FirstRecordsBeyondMemoryJC", kJC, size_t(kBeyondRecords), true, {}, 0, 0, kNoMemory, 0,
         "", {}, "Memorry alloc error!"},
        {"FirstRecordsBeyondMemoryCJ", kCJ, size_t(kBeyondRecords), true, {}, 0, 0, kNoMemory, 0,
         "", {}, "メモリ不足!"},
    };
    return cases;
}

class TranslateTest : public testing::TestWithParam<TranslateCase> {};

TEST_P(TranslateTest, FollowsTheExchange) {
    const TranslateCase& c = GetParam();
    const std::string source(c.sourceLength, 'a');
    CFakeEngine fake(c.replies, c.firstOutputSize, c.wantRecords ? int32_t(c.sourceLength) : 0);
    CAlertLog alerts;
    CEngineExchange exchange(
        c.direction,
        [&](TransMode mode, const char* text, char* output, int32_t* size, WordRecord* records,
            int32_t* count) {
            EXPECT_EQ(mode.m_nMode, 1);
            EXPECT_STREQ(text, source.c_str());
            return fake.Transfer(output, size, records, count);
        },
        nullptr, alerts);

    TransMode mode = {1, 932, 936, c.wantRecords ? 1 : 0};
    EngineTranslation result = exchange.Translate(mode, source.c_str());

    EXPECT_EQ(fake.Calls(), c.calls);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(result.engineResult, c.engineResult);
    EXPECT_EQ(result.text, c.text);
    ASSERT_EQ(result.records.size(), c.following.size());
    for (size_t i = 0; i < c.following.size(); ++i) {
        EXPECT_EQ(result.records[i].m_nFollowing, c.following[i]) << "record " << i;
        EXPECT_EQ(result.records[i].m_nTargetStart, int32_t(i) * 10) << "record " << i;
    }
    if (c.alert)
        EXPECT_EQ(alerts.messages, std::vector<std::string>{c.alert});
    else
        EXPECT_TRUE(alerts.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Replies, TranslateTest, testing::ValuesIn(TranslateCases()),
                         [](const testing::TestParamInfo<TranslateCase>& info) {
                             return std::string(info.param.name);
                         });

struct KanziCase {
    const char* name;
    std::string text;
    std::vector<Reply> replies;
    int32_t firstOutputSize;
    int calls;
    ExchangeEnd end;
    std::string converted;
};

const std::vector<KanziCase>& KanziCases() {
    static const std::vector<KanziCase> cases = {
        {"Converted", "漢字", {Done("かんじ")}, 8, 1, kDone, "かんじ"},
        {"TooSmallOnce", "漢字", {TooSmall(20), Done(std::string(19, 'k'))}, 8, 2, kDone,
         std::string(19, 'k')},
        {"TooSmallTwiceTakesSecondOutput", "漢字", {TooSmall(20), TooSmall(30, "かん")}, 8, 2,
         kDone, "かん"},
        {"TooSmallNoLarger", "漢字", {TooSmall(8)}, 8, 1, kFault, ""},
        {"TooSmallSizeNegative", "漢字", {TooSmall(-1)}, 8, 1, kFault, ""},
        {"EmptyTextNotSent", "", {}, 0, 0, kDone, ""},
    };
    return cases;
}

class KanziTest : public testing::TestWithParam<KanziCase> {};

TEST_P(KanziTest, FollowsTheExchange) {
    const KanziCase& c = GetParam();
    CFakeEngine fake(c.replies, c.firstOutputSize, 0);
    CAlertLog alerts;
    CEngineExchange exchange(
        kCJ, nullptr,
        [&](const char* text, int32_t codePage, char* output, int32_t* size) {
            EXPECT_STREQ(text, c.text.c_str());
            EXPECT_EQ(codePage, 950);
            return fake.Text(output, size);
        },
        alerts);

    EngineTranslation result = exchange.ConvertKanzi(c.text.c_str(), 950);

    EXPECT_EQ(fake.Calls(), c.calls);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(result.text, c.converted);
    EXPECT_TRUE(result.records.empty());
    EXPECT_TRUE(alerts.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Replies, KanziTest, testing::ValuesIn(KanziCases()),
                         [](const testing::TestParamInfo<KanziCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
