// User dictionaries: created empty and valid, recognised by header and version, refused when
// damaged, written so that an interrupted write never leaves a damaged set, and looked up
// before the system dictionary.
#include "EngineFixture.h"
#include "UserDictionary.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fstream>
#include <functional>

namespace {

using transfer::CUserDictionary;
using transfer::UserDicResult;
namespace fs = std::filesystem;

fs::path FileOf(const fs::path& base, const char* extension) {
    fs::path p = base;
    p += extension;
    return p;
}

std::vector<uint8_t> Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A Japanese-to-Chinese entry: Shift-JIS source (for a verb its stem), GB2312 target.
std::array<uint8_t, transfer::kJcEntrySize> JcEntry(const std::string& source, const std::string& target,
                                                    uint8_t wordClass = 6, uint8_t conjugation = 0) {
    std::array<uint8_t, transfer::kJcEntrySize> r{};
    const transfer::CCharacterTables& t = TestEngine(kJapaneseToChinese).Tables();
    const std::string s = ToCodePage(t, 932, source), g = ToCodePage(t, 936, target);
    std::memcpy(r.data(), s.data(), s.size());
    std::memcpy(r.data() + 84, g.data(), g.size());
    r[126] = 'N';
    r[136] = wordClass;
    r[137] = 1;
    r[138] = conjugation;
    return r;
}

std::array<uint8_t, transfer::kCjEntrySize> CjEntry(const std::string& source, const std::string& target) {
    std::array<uint8_t, transfer::kCjEntrySize> r{};
    const transfer::CCharacterTables& t = TestEngine(kJapaneseToChinese).Tables();
    const std::string g = ToCodePage(t, 936, source), s = ToCodePage(t, 932, target);
    std::memcpy(r.data(), g.data(), g.size());
    std::memcpy(r.data() + 32, s.data(), s.size());
    r[74] = 'N';
    std::memcpy(r.data() + 76, "N0000", 5);
    r[96] = 936 & 0xFF;
    r[97] = 936 >> 8;
    return r;
}

TEST(UserDictionaryTest, CreatedEmptyAndRecognisedByItsOwnEngineOnly) {
    const fs::path base = ScratchFolder("create") / "mywords";
    EXPECT_FALSE(CUserDictionary::Check(base, kJapaneseToChinese));
    EXPECT_EQ(CUserDictionary::Create(base, kJapaneseToChinese), UserDicResult::Done);
    for (const char* extension : transfer::kUserDicExtensions)
        EXPECT_TRUE(fs::exists(FileOf(base, extension))) << extension;
    EXPECT_TRUE(CUserDictionary::Check(base, kJapaneseToChinese));
    EXPECT_FALSE(CUserDictionary::Check(base, kChineseToJapanese));
    EXPECT_EQ(CUserDictionary::Create(base, kJapaneseToChinese), UserDicResult::Exists);
}

TEST(UserDictionaryTest, CreationNeverOverwritesOtherFiles) {
    const fs::path base = ScratchFolder("foreign") / "notes";
    Write(FileOf(base, ".DIC"), {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(CUserDictionary::Create(base, kJapaneseToChinese), UserDicResult::Foreign);
    EXPECT_EQ(Bytes(FileOf(base, ".DIC")).size(), 5u);
}

struct Damage {
    const char* name;
    std::function<void(const fs::path& base, const fs::path& other)> apply;
};

void Truncate(const fs::path& p, size_t by) {
    std::vector<uint8_t> b = Bytes(p);
    b.resize(b.size() > by ? b.size() - by : 0);
    Write(p, b);
}

void Flip(const fs::path& p, size_t from) {
    std::vector<uint8_t> b = Bytes(p);
    b[std::min(from, b.size() - 1)] ^= 0x40;
    Write(p, b);
}

const Damage kDamages[] = {
    {"TruncatedIndex", [](const fs::path& b, const fs::path&) { Truncate(FileOf(b, ".DIC"), 1); }},
    {"EmptyIndex", [](const fs::path& b, const fs::path&) { Write(FileOf(b, ".DIC"), {}); }},
    {"TextAsIndex", [](const fs::path& b, const fs::path&) {
         Write(FileOf(b, ".DIC"), std::vector<uint8_t>(200, 'x'));
     }},
    {"FlippedRecordByte", [](const fs::path& b, const fs::path&) { Flip(FileOf(b, ".DIC"), 60); }},
    {"FlippedVersion", [](const fs::path& b, const fs::path&) { Flip(FileOf(b, ".DIC"), 8); }},
    {"FlippedOrder", [](const fs::path& b, const fs::path&) { Flip(FileOf(b, ".DDB"), 50); }},
    {"FlippedCounts", [](const fs::path& b, const fs::path&) { Flip(FileOf(b, ".CCT"), 50); }},
    {"MissingLearnedOrder", [](const fs::path& b, const fs::path&) { fs::remove(FileOf(b, ".DB1")); }},
    {"MissingCounts", [](const fs::path& b, const fs::path&) { fs::remove(FileOf(b, ".CCT")); }},
    {"OrderOfAnotherSet", [](const fs::path& b, const fs::path& other) {
         fs::remove(FileOf(b, ".DDB"));
         fs::copy_file(FileOf(other, ".DDB"), FileOf(b, ".DDB"));
     }},
};

class DamagedUserDictionaryTest : public testing::TestWithParam<Damage> {};

TEST_P(DamagedUserDictionaryTest, IsRefused) {
    const fs::path folder = ScratchFolder(std::string("damage-") + GetParam().name);
    const fs::path base = folder / "words", other = folder / "other";
    transfer::CTransferEngine engine(kJapaneseToChinese, TestSystemDicFolder());
    ASSERT_EQ(engine.CreateUserDic(base), UserDicResult::Done);
    ASSERT_EQ(engine.CreateUserDic(other), UserDicResult::Done);
    ASSERT_EQ(engine.OpenUserDics({base, other, fs::path()}), 2);
    ASSERT_GT(engine.AddUserEntry(0, JcEntry("猫", "咪咪").data()), 0);
    ASSERT_GT(engine.AddUserEntry(1, JcEntry("犬", "汪汪").data()), 0);
    engine.CloseUserDics();
    ASSERT_TRUE(CUserDictionary::Check(base, kJapaneseToChinese));
    GetParam().apply(base, other);
    EXPECT_FALSE(CUserDictionary::Check(base, kJapaneseToChinese));
    EXPECT_EQ(engine.OpenUserDics({base, fs::path(), fs::path()}), 0);
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedUserDictionaryTest, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<Damage>& info) { return info.param.name; });

// A write that stopped after its files were all written but before all were renamed.
TEST(UserDictionaryTest, AnInterruptedWriteIsFinished) {
    const fs::path folder = ScratchFolder("interrupted");
    const fs::path base = folder / "words", copy = folder / "copy";
    transfer::CTransferEngine engine(kJapaneseToChinese, TestSystemDicFolder());
    ASSERT_EQ(engine.CreateUserDic(base), UserDicResult::Done);
    for (const char* e : transfer::kUserDicExtensions)
        fs::copy_file(FileOf(base, e), FileOf(copy, e));
    ASSERT_EQ(engine.OpenUserDics({base, fs::path(), fs::path()}), 1);
    ASSERT_GT(engine.AddUserEntry(0, JcEntry("猫", "咪咪").data()), 0);
    engine.CloseUserDics();
    // The copy gets the new files as pending ones; two of them already in place.
    for (const char* e : transfer::kUserDicExtensions) {
        fs::path pending = FileOf(copy, e);
        pending += ".new";
        fs::copy_file(FileOf(base, e), pending);
    }
    for (const char* e : {".CCT", ".DB1"})
        fs::rename(FileOf(copy, e).string() + ".new", FileOf(copy, e));
    EXPECT_TRUE(CUserDictionary::Check(copy, kJapaneseToChinese));
    for (const char* e : transfer::kUserDicExtensions)
        EXPECT_FALSE(fs::exists(FileOf(copy, e).string() + ".new")) << e;
    ASSERT_EQ(engine.OpenUserDics({copy, fs::path(), fs::path()}), 1);
    EXPECT_NE(TranslateUtf8(engine, "猫である。", 932, 936).text.find("咪咪"), std::string::npos);
}

// A write that stopped while its files were being written leaves the old set in force.
TEST(UserDictionaryTest, AHalfWrittenWriteIsDropped) {
    const fs::path base = ScratchFolder("halfwritten") / "words";
    ASSERT_EQ(CUserDictionary::Create(base, kJapaneseToChinese), UserDicResult::Done);
    const std::vector<uint8_t> index = Bytes(FileOf(base, ".DIC"));
    Write(FileOf(base, ".DIC").string() + ".new", std::vector<uint8_t>(index.begin(), index.begin() + 20));
    EXPECT_TRUE(CUserDictionary::Check(base, kJapaneseToChinese));
    EXPECT_FALSE(fs::exists(FileOf(base, ".DIC").string() + ".new"));
}

TEST(UserDictionaryTest, EntriesComeBeforeTheSystemDictionaryInSlotOrder) {
    const fs::path folder = ScratchFolder("priority");
    transfer::CTransferEngine engine(kJapaneseToChinese, TestSystemDicFolder());
    const std::array<fs::path, 3> bases{folder / "one", folder / "two", folder / "three"};
    for (const fs::path& b : bases)
        ASSERT_EQ(engine.CreateUserDic(b), UserDicResult::Done);
    ASSERT_EQ(engine.OpenUserDics(bases), 3);
    EXPECT_NE(TranslateUtf8(engine, "猫である。", 932, 936).text.find("猫"), std::string::npos);
    ASSERT_GT(engine.AddUserEntry(2, JcEntry("猫", "猫咪").data()), 0);
    EXPECT_NE(TranslateUtf8(engine, "猫である。", 932, 936).text.find("猫咪"), std::string::npos);
    ASSERT_GT(engine.AddUserEntry(0, JcEntry("猫", "咪咪").data()), 0);
    EXPECT_NE(TranslateUtf8(engine, "猫である。", 932, 936).text.find("咪咪"), std::string::npos);
    // A verb entry is its stem and conjugation type, and is found in its conjugated forms.
    ASSERT_GT(engine.AddUserEntry(1, JcEntry("走", "奔跑", 2, 10).data()), 0);
    EXPECT_NE(TranslateUtf8(engine, "彼は走った。", 932, 936).text.find("奔跑了"), std::string::npos);
    // Configured paths are opened as well; without them only the system dictionary is left.
    TransConfig config{};
    ASSERT_TRUE(engine.Configure(config, {}));
    EXPECT_EQ(TranslateUtf8(engine, "猫である。", 932, 936).text.find("咪咪"), std::string::npos);
    ASSERT_TRUE(engine.Configure(config, bases));
    EXPECT_NE(TranslateUtf8(engine, "猫である。", 932, 936).text.find("咪咪"), std::string::npos);
}

TEST(UserDictionaryTest, ChineseEntriesAreFoundInEitherScript) {
    const fs::path base = ScratchFolder("chinese") / "words";
    transfer::CTransferEngine engine(kChineseToJapanese, TestSystemDicFolder());
    ASSERT_EQ(engine.CreateUserDic(base), UserDicResult::Done);
    ASSERT_EQ(engine.OpenUserDics({base, fs::path(), fs::path()}), 1);
    ASSERT_GT(engine.AddUserEntry(0, CjEntry("电脑", "パソコン").data()), 0);
    EXPECT_NE(TranslateUtf8(engine, "我的电脑。", 936, 932).text.find("パソコン"), std::string::npos);
    EXPECT_NE(TranslateUtf8(engine, "我的電腦。", 950, 932).text.find("パソコン"), std::string::npos);
}

} // namespace
