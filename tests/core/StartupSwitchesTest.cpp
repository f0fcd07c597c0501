// The editor's own command-line switches.
#include "StartupSwitches.h"

#include <gtest/gtest.h>

namespace {

struct SwitchCase {
    const wchar_t* commandLine;
    int serviceNumber;
    SwitchDirection direction;
    bool clipboardMode;
    bool readOnlyMark;
    bool startMinimised;
};

const SwitchDirection kNone = SwitchDirection::None;
const SwitchDirection kJC = SwitchDirection::JapaneseToChinese;
const SwitchDirection kCJ = SwitchDirection::ChineseToJapanese;

const SwitchCase kCases[] = {
    {L"", 0, kNone, false, false, false},
    {L"C:\\docs\\letter.txt", 0, kNone, false, false, false},
    {L"/DDE=3", 3, kNone, false, false, false},
    {L"/dde=12 /cj", 12, kCJ, false, false, false},
    {L"file.txt /DDE=3", 0, kNone, false, false, false},  // only at the very start
    {L"/DDE=", 0, kNone, false, false, false},
    {L"/DDE=99999999999", 2147483647, kNone, false, false, false},
    {L"/JC /CLIP", 0, kJC, true, false, false},
    {L"/CJ /clip", 0, kCJ, true, false, false},
    {L"/JC /CJ", 0, kCJ, false, false, false},  // the later one wins
    {L"/cj/jc", 0, kJC, false, false, false},
    {L"/ReadOnly doc.wxb", 0, kNone, false, true, false},
    {L"/READON", 0, kNone, false, false, false},
    {L"/sw=mini", 0, kNone, false, false, true},
    {L"/SW=MINI /JC", 0, kJC, false, false, false},  // must be the whole command line
    {L"/CJK", 0, kCJ, false, false, false},          // three characters are compared
    {L"/", 0, kNone, false, false, false},
};

class StartupSwitchesTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(StartupSwitchesTest, ReadsSwitches) {
    const SwitchCase& c = GetParam();
    StartupSwitches s = ParseStartupSwitches(c.commandLine);
    EXPECT_EQ(s.serviceNumber, c.serviceNumber);
    EXPECT_EQ(s.direction, c.direction);
    EXPECT_EQ(s.clipboardMode, c.clipboardMode);
    EXPECT_EQ(s.readOnlyMark, c.readOnlyMark);
    EXPECT_EQ(s.startMinimised, c.startMinimised);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, StartupSwitchesTest, testing::ValuesIn(kCases));

} // namespace

#include "InstanceNames.h"

namespace {

TEST(InstanceNamesTest, NamesFollowTheServiceNumber) {
    EXPECT_EQ(ServiceName(0), "wXB/JC");
    EXPECT_EQ(ServiceName(3), "wXB/JC3");
    EXPECT_EQ(ResultWorkFileName("C:\\Twintext\\", 0), "C:\\Twintext\\TERGET.TMP");
    EXPECT_EQ(ResultWorkFileName("C:\\Twintext\\", 3), "C:\\Twintext\\TERGET3.TMP");
    EXPECT_EQ(NumberedProfileName(L"LINGUA_SUITE\\Duopane", 0), L"LINGUA_SUITE\\Duopane");
    EXPECT_EQ(NumberedProfileName(L"TWINTEXT.INI", 12), L"TWINTEXT12.INI");
}

TEST(InstanceNamesTest, ServiceSwitchAnywhereButTheStartIsIgnored) {
    EXPECT_EQ(ServiceName(ParseStartupSwitches(L"/DDE=3 doc.txt").serviceNumber), "wXB/JC3");
    EXPECT_EQ(ServiceName(ParseStartupSwitches(L"doc.txt /DDE=3").serviceNumber), "wXB/JC");
}

} // namespace
