// Arbitrary bytes in every code page, mode and buffer size: no crash, no write past a buffer,
// an output that ends inside it and records inside both texts. Deterministic: a fixed seed.
#include "EngineFixture.h"
#include "UserDictionary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>

namespace {

constexpr int kRounds = 300;
constexpr char kGuard = '\x7e';

std::string RandomText(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 120), kind(0, 9), byte(1, 255);
    std::string text;
    const int n = length(random);
    for (int i = 0; i < n; ++i) {
        switch (kind(random)) {
        case 0: text += "[["; break;
        case 1: text += "]]"; break;
        case 2: text += "\r\n"; break;
        default: text.push_back(char(byte(random))); break;
        }
    }
    return text;
}

struct Pages {
    TransDirection direction;
    int32_t source, target;
};

// The code page the output is read back in: Shift-JIS bytes for 10932 too.
int32_t ReadBackPage(const Pages& p) {
    if (p.direction == kChineseToJapanese || p.target == 10932)
        return 932;
    return p.target == 950 ? 950 : 936;
}

size_t CountCharacters(const transfer::CCharacterTables& tables, int32_t codePage, const char* text) {
    return tables.Page(codePage)->Decode(text).text.size();
}

TEST(RandomBytesTest, NeitherCrashNorOverrunInAnyCodePage) {
    std::mt19937 random(20240611);
    const Pages pages[] = {{kJapaneseToChinese, 932, 936}, {kJapaneseToChinese, 932, 950},
                 {kJapaneseToChinese, 932, 10932}, {kJapaneseToChinese, 0, 0},
                 {kChineseToJapanese, 936, 932}, {kChineseToJapanese, 950, 932},
                 {kChineseToJapanese, 0, 932}, {kChineseToJapanese, 1252, 932}};
    for (int round = 0; round < kRounds; ++round) {
        const std::string text = RandomText(random);
        for (const auto& p : pages) {
            transfer::CTransferEngine& engine = TestEngine(p.direction);
            const int32_t mode = round % 3;
            const int32_t capacity = int32_t(random() % 400);
            const int32_t recordCapacity = int32_t(random() % 64);
            std::vector<char> output(size_t(capacity) + 16, kGuard);
            std::vector<WordRecord> records(size_t(recordCapacity) + 4);
            std::memset(records.data(), 0x5A, records.size() * sizeof(WordRecord));
            int32_t size = capacity, count = recordCapacity;
            const int32_t result = engine.Transfer(TransMode{mode, p.source, p.target, 1}, text.c_str(),
                                                   output.data(), &size, records.data(), &count);
            for (size_t i = size_t(capacity); i < output.size(); ++i)
                ASSERT_EQ(output[i], kGuard) << "written past the output at round " << round;
            for (size_t i = size_t(recordCapacity); i < records.size(); ++i)
                ASSERT_EQ(records[i].m_nTargetStart, 0x5A5A5A5A) << "written past the records";
            if (result != 0)
                continue;
            ASSERT_NE(std::memchr(output.data(), 0, size_t(capacity)), nullptr);
            const int32_t targetPage = ReadBackPage(p);
            const int32_t sourcePage = p.direction == kJapaneseToChinese ? 932 : (p.source == 950 ? 950 : 936);
            const size_t sourceLength = CountCharacters(engine.Tables(), sourcePage, text.c_str());
            const size_t targetLength = CountCharacters(engine.Tables(), targetPage, output.data());
            for (int32_t i = 0; i < count && mode != 2; ++i) {
                const WordRecord& r = records[size_t(i)];
                ASSERT_GE(r.m_nSourceStart, 0);
                ASSERT_LE(size_t(r.m_nSourceStart + r.m_nSourceLength), sourceLength);
                ASSERT_GE(r.m_nTargetStart, 0);
                ASSERT_LE(size_t(r.m_nTargetStart + r.m_nTargetLength), targetLength) << "round " << round;
            }
        }
    }
}

TEST(RandomBytesTest, KanjiConversionNeitherCrashesNorOverruns) {
    std::mt19937 random(7);
    for (int round = 0; round < kRounds; ++round) {
        const std::string text = RandomText(random);
        for (TransDirection d : {kJapaneseToChinese, kChineseToJapanese}) {
            for (int32_t page : {936, 950, 932}) {
                const int32_t capacity = int32_t(random() % 300);
                std::vector<char> output(size_t(capacity) + 8, kGuard);
                int32_t size = capacity;
                TestEngine(d).ConvertKanzi(text.c_str(), page, output.data(), &size);
                for (size_t i = size_t(capacity); i < output.size(); ++i)
                    ASSERT_EQ(output[i], kGuard);
            }
        }
    }
}

TEST(RandomBytesTest, DamagedFilesAreRefusedWithoutCrashing) {
    std::mt19937 random(11);
    const std::filesystem::path folder = ScratchFolder("randomfiles");
    for (int round = 0; round < 60; ++round) {
        const std::filesystem::path base = folder / ("set" + std::to_string(round));
        for (const char* extension : transfer::kUserDicExtensions) {
            std::filesystem::path p = base;
            p += extension;
            std::ofstream out(p, std::ios::binary);
            std::string bytes = RandomText(random);
            if (round % 2)
                bytes = std::string("TWXL") + (round % 4 ? "UJDI" : "UCDI") + bytes;
            out << bytes;
        }
        EXPECT_FALSE(transfer::CUserDictionary::Check(base, kJapaneseToChinese));
        EXPECT_FALSE(transfer::CUserDictionary::Check(base, kChineseToJapanese));
    }
}

} // namespace
