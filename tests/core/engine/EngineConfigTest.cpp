// The engines' configuration records, checked byte for byte.
#include "EngineConfig.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes RecordBytes(const TransConfig& config) {
    Bytes bytes(sizeof config);
    std::memcpy(bytes.data(), &config, sizeof config);
    return bytes;
}

void PutInt(Bytes& bytes, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + size_t(i)] = static_cast<unsigned char>(uint32_t(value) >> (8 * i));
}

void PutText(Bytes& bytes, size_t offset, const std::string& text) {
    std::memcpy(&bytes[offset], text.data(), text.size());
}

std::string TextAt(const Bytes& bytes, size_t offset, size_t size) {
    std::string text(reinterpret_cast<const char*>(&bytes[offset]), size);
    EXPECT_NE(text.find('\0'), std::string::npos) << "not terminated at " << offset;
    return text.substr(0, text.find('\0'));
}

EngineSettings DistinctSettings() {
    EngineSettings s;
    s.segmentation.periodOnly = 2;
    s.segmentation.dashMark = 3;
    s.segmentation.omitMark = 4;
    s.segmentation.questionMark = 5;
    s.segmentation.exclamationMark = 6;
    s.segmentation.semicolonMark = 7;
    s.segmentation.colonMark = 8;
    s.segmentation.commaMark = 9;
    s.segmentation.lineFlag = 10;
    s.segmentation.lineLength = 36;
    s.segmentation.spaceCutFlag = 12;
    s.segmentation.spaceCutLength = 13;
    s.segmentation.transHomo = 9999;
    s.writeLog = 1;
    s.logFileName = "twinlog";
    s.userDics = {"C:\\dic\\mywords", "", "D:\\日本語\\words"};
    return s;
}

struct Field {
    size_t offset;
    int32_t jc;
    int32_t cj;
};

// The JC engine is given 0 where only the CJ engine reads a value.
const Field kFields[] = {
    {1548, 0, 9999}, {1552, 2, 2}, {1556, 0, 3},   {1560, 0, 4},   {1564, 5, 5},
    {1568, 6, 6},    {1572, 7, 7}, {1576, 8, 8},   {1580, 0, 9},   {1584, 10, 10},
    {1588, 36, 36},  {1592, 12, 12}, {1596, 13, 13}, {1600, 1, 1},
};

TEST(EngineConfigTest, RecordsHoldTheSettingsAtTheirOffsets) {
    const EngineSettings settings = DistinctSettings();
    for (TransDirection direction :
         {kJapaneseToChinese, kChineseToJapanese}) {
        const bool cj = direction == kChineseToJapanese;
        Bytes expected(1616, 0);
        PutText(expected, 0, "C:\\dic\\mywords");
        PutText(expected, 1032, "D:\\日本語\\words");
        for (const Field& field : kFields)
            PutInt(expected, field.offset, cj ? field.cj : field.jc);
        PutText(expected, 1604, "twinlog");

        EXPECT_EQ(RecordBytes(BuildTransConfig(direction, settings)), expected)
            << (cj ? "CJ" : "JC");
    }
}

TEST(EngineConfigTest, TransHomoBelowOneIsOne) {
    const struct {
        int32_t stored, passed;
    } cases[] = {{0, 1}, {-3, 1}, {1, 1}, {3, 3}, {9999, 9999}};
    for (const auto& c : cases) {
        EngineSettings settings;
        settings.segmentation.transHomo = c.stored;
        Bytes bytes = RecordBytes(BuildTransConfig(kChineseToJapanese, settings));
        Bytes expected(4, 0);
        PutInt(expected, 0, c.passed);
        EXPECT_EQ(Bytes(bytes.begin() + 1548, bytes.begin() + 1552), expected) << c.stored;
    }
}

struct CutCase {
    std::string given;
    std::string kept;
};

// At most nine characters in a field of twelve bytes, a two-byte character counting one.
const CutCase kLogNames[] = {
    {"ABCDEFGHIJKL", "ABCDEFGHI"},
    {"ｶﾀｶﾅﾉﾛｸﾞﾌｧｲﾙ", "ｶﾀｶﾅﾉﾛｸﾞﾌ"},  // half-width kana are one byte each
    {"日本語のログ名です", "日本語のロ"},  // ten bytes; a sixth character would not end in time
    {"ab日本語のログ", "ab日本語の"},
    {std::string("ab\x88", 3), "ab"},  // a lead byte without its trail byte
};

TEST(EngineConfigTest, LogFileNameIsCutSafely) {
    for (const CutCase& c : kLogNames) {
        EngineSettings settings;
        settings.logFileName = c.given;
        Bytes bytes = RecordBytes(BuildTransConfig(kJapaneseToChinese, settings));
        EXPECT_EQ(TextAt(bytes, 1604, 12), c.kept) << c.given;
    }
}

const CutCase kPaths[] = {
    {std::string(600, 'a'), std::string(515, 'a')},
    {std::string(514, 'a') + "日", std::string(514, 'a')},
    {std::string(513, 'a') + "日", std::string(513, 'a') + "日"},
};

TEST(EngineConfigTest, UserDictionaryPathsAreCutSafely) {
    for (const CutCase& c : kPaths) {
        EngineSettings settings;
        settings.userDics = {c.given, c.given, c.given};
        Bytes bytes = RecordBytes(BuildTransConfig(kChineseToJapanese, settings));
        for (size_t offset : {0, 516, 1032})
            EXPECT_EQ(TextAt(bytes, offset, 516), c.kept) << c.given.size() << " at " << offset;
        EXPECT_EQ(bytes[1548], 1) << "a long path ran into the next field";
    }
}

} // namespace
