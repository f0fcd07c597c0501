// The settings-key table and the letter form of binary values.
#include "BinaryLetters.h"
#include "SettingsKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(SettingsKeysTest, EveryRowSitsAtItsKeyAndNamesAValueOnlyOnce) {
    std::set<std::string> seen;
    for (size_t i = 0; i < size_t(SettingKey::Count); ++i) {
        const SettingKeyInfo& info = KeyInfo(SettingKey(i));
        EXPECT_EQ(size_t(info.key), i);
        EXPECT_TRUE(seen.insert(std::string(info.section) + "\\" + info.name).second) << info.name;
        EXPECT_EQ(info.type == SettingType::String, info.stringDefault != nullptr) << info.name;
    }
}

TEST(SettingsKeysTest, DefaultsTranslatorsDependOn) {
    EXPECT_EQ(KeyInfo(SettingKey::CjSpaceCutFlag).intDefault, 2);
    EXPECT_EQ(KeyInfo(SettingKey::JcSpaceCutFlag).intDefault, 0);
    EXPECT_EQ(KeyInfo(SettingKey::JcLineLength).intDefault, 36);
    EXPECT_STREQ(KeyInfo(SettingKey::JapaneseFontFaceName).stringDefault, "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");
    EXPECT_STREQ(KeyInfo(SettingKey::Header).stringDefault, "&[\xcc\xa7\xb2\xd9\x96\xbc]");
}

TEST(BinaryLettersTest, LowNibbleFirst) {
    const uint8_t bytes[] = {0x00, 0x0F, 0xF0, 0x12};
    EXPECT_EQ(EncodeBinaryLetters(bytes, 4), "AAPAAPCB");
    auto decoded = DecodeBinaryLetters("AAPAAPCB");
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, std::vector<uint8_t>(bytes, bytes + 4));
}

TEST(BinaryLettersTest, MalformedTextGivesNothing) {
    for (const char* bad : {"A", "AQ", "aa", "A@"})
        EXPECT_FALSE(DecodeBinaryLetters(bad).has_value()) << bad;
    EXPECT_TRUE(DecodeBinaryLetters("").has_value());
}

} // namespace
