// User dictionaries named in the settings are kept only when their engine accepts them.
#include "UserDictionaryCheck.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct CheckCase {
    std::array<const char*, 3> stored;
    std::array<const char*, 3> expectedSlots;
    std::array<const char*, 3> expectedStored;
    int accepted;
};

class UserDictionaryCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(UserDictionaryCheckTest, AcceptedPathsKeepTheirSlotRejectedOnesAreForgotten) {
    const CheckCase& c = GetParam();
    std::array<std::string, 3> stored = {c.stored[0], c.stored[1], c.stored[2]};
    std::set<std::string> dictionaries = {"C:\\dic\\good", "C:\\dic\\also"};
    UserDictionarySource source{[&](int slot) { return stored[size_t(slot)]; },
                                [&](const std::string& path) { return dictionaries.count(path) > 0; },
                                [&](int slot) { stored[size_t(slot)].clear(); }};
    UserDictionarySlots slots;
    slots.paths[1][0] = "left over";
    CheckUserDictionaries(1, source, slots);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(slots.paths[1][k], c.expectedSlots[k]) << k;
        EXPECT_EQ(stored[k], c.expectedStored[k]) << k;
    }
    EXPECT_EQ(slots.accepted[1], c.accepted);
    EXPECT_EQ(slots.accepted[0], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, UserDictionaryCheckTest,
    testing::Values(CheckCase{{"", "", ""}, {"", "", ""}, {"", "", ""}, 0},
                    CheckCase{{"", "C:\\dic\\good", ""}, {"", "C:\\dic\\good", ""}, {"", "C:\\dic\\good", ""}, 1},
                    CheckCase{{"C:\\dic\\bad", "C:\\dic\\good", "C:\\dic\\also"},
                              {"", "C:\\dic\\good", "C:\\dic\\also"},
                              {"", "C:\\dic\\good", "C:\\dic\\also"},
                              2}));

TEST(UserDictionarySlotsTest, AvailableAndPluralFollowTheCounts) {
    UserDictionarySlots slots;
    EXPECT_FALSE(slots.Available());
    slots.accepted = {1, 1};
    EXPECT_TRUE(slots.Available());
    EXPECT_FALSE(slots.Plural());  // one in each direction is not plural
    slots.accepted = {0, 2};
    EXPECT_TRUE(slots.Plural());
}

} // namespace
