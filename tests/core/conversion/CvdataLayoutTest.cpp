// The three CVDATA tables: sizes, row labels and block ends, and what attaching refuses.
#include "CharacterTables.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TableCase {
    const char* name;
    const CvdataLayout* layout;
    size_t size;
    const char* firstLabel;
    const char* lastLabel;
};

const TableCase kTables[] = {
    {"BIG5-HVH", &kBig5ToHanvellLayout, 30794, "A140", "F940"},
    {"HVH-BIG5", &kHanvellToBig5Layout, 24840, "8140", "FC40"},
    {"GB-BIG5", &kGbToBig5Layout, 19740, "A1A0", "FEA0"},
};

class CvdataLayoutTest : public testing::TestWithParam<TableCase> {};

std::string Label(const std::vector<uint8_t>& bytes, size_t offset) {
    return std::string(bytes.begin() + offset, bytes.begin() + offset + 4);
}

TEST_P(CvdataLayoutTest, FileHasTheLayoutsSizeLabelsAndLineEnds) {
    const TableCase& table = GetParam();
    const std::vector<uint8_t>& bytes = TableFile(table.name);
    ASSERT_EQ(bytes.size(), table.size);
    ASSERT_EQ(table.layout->TableSize(), table.size);
    EXPECT_STREQ(table.layout->name, table.name);
    const size_t rowSize = table.layout->RowSize();
    EXPECT_EQ(Label(bytes, 0), table.firstLabel);
    EXPECT_EQ(Label(bytes, bytes.size() - rowSize), table.lastLabel);
    for (size_t row = 0; row < bytes.size(); row += rowSize) {
        EXPECT_EQ(bytes[row + 4], '\r');
        EXPECT_EQ(bytes[row + 5], '\n');
        for (int block = 0; block < table.layout->BlockCount(); ++block) {
            const size_t end = row + 6 + block * 34 + 32;
            ASSERT_EQ(bytes[end], '\r') << "row at " << row << " block " << block;
            ASSERT_EQ(bytes[end + 1], '\n');
        }
    }
    CCvdataTable attached(*table.layout);
    EXPECT_TRUE(attached.Attach(SpanOf(bytes)));
}

TEST_P(CvdataLayoutTest, RefusesWrongSizeAndDamagedLabel) {
    const TableCase& table = GetParam();
    std::vector<uint8_t> bytes = TableFile(table.name);
    CCvdataTable attached(*table.layout);
    EXPECT_FALSE(attached.Attach(ByteSpan{bytes.data(), bytes.size() - 1}));
    bytes[table.layout->RowSize() + 1] ^= 1; // second row's label
    EXPECT_FALSE(attached.Attach(SpanOf(bytes)));
    EXPECT_FALSE(attached.IsAttached());
    EXPECT_EQ(attached.Lookup(0xA4, 0xA1), 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, CvdataLayoutTest, testing::ValuesIn(kTables),
                         [](const testing::TestParamInfo<TableCase>& info) {
                             return std::to_string(info.index);
                         });

TEST(CharacterTablesTest, AttachesAllThreeOrNone) {
    CCharacterTables tables;
    const std::vector<uint8_t> shortGb(TableFile("GB-BIG5").begin(),
                                       TableFile("GB-BIG5").end() - 2);
    EXPECT_FALSE(tables.Attach(SpanOf(TableFile("BIG5-HVH")), SpanOf(TableFile("HVH-BIG5")),
                               SpanOf(shortGb)));
    EXPECT_FALSE(tables.IsLoaded());
    EXPECT_FALSE(tables.Big5ToHanvell().IsAttached());
    EXPECT_FALSE(tables.Attach(SpanOf(TableFile("HVH-BIG5")), SpanOf(TableFile("BIG5-HVH")),
                               SpanOf(TableFile("GB-BIG5"))));
    EXPECT_TRUE(GeneratedTables().IsLoaded());
}

TEST(CharacterTablesTest, TrailsOutsideTheBlocksHaveNoEntry) {
    const CCvdataTable& big5 = GeneratedTables().Big5ToHanvell();
    for (int trail = 0; trail < 0x100; ++trail) {
        const bool covered = (trail >= 0x40 && trail < 0x80) || trail >= 0xA0;
        if (!covered) {
            EXPECT_EQ(big5.Lookup(0xA4, static_cast<uint8_t>(trail)), 0) << trail;
        }
    }
    EXPECT_EQ(GeneratedTables().GbToBig5().Lookup(0xA0, 0xA1), 0);
    EXPECT_EQ(GeneratedTables().HanvellToBig5().Lookup(0xA0, 0x40), 0);
}

} // namespace
