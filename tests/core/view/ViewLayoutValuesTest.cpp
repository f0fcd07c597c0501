// The view's geometry, colour names, pane showings and the character-width cache.
#include "CharWidthCache.h"
#include "CodePages.h"
#include "FontColours.h"
#include "PaneGeometry.h"
#include "PaneShowing.h"
#include "ViewSelection.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PaneGeometry, TwoPanes) {
    // cx 800, g 8, S 16: W = (800 - 56 - 8 - 16 - 5) / 2
    PaneGeometry g = ComputePaneGeometry(800, 600, 8, 16, false);
    EXPECT_EQ(g.numberWidth, 56);
    EXPECT_EQ(g.paneWidth, 357);
    EXPECT_EQ(g.left[0], 56);
    EXPECT_EQ(g.left[1], 56 + 357 + 8);
    EXPECT_EQ(g.rightLimit, 800 + 4 - 16 - 1);
    EXPECT_EQ(g.Boundary(1), g.left[1] - 4);
    EXPECT_EQ(g.Boundary(2), g.rightLimit - 4);
    EXPECT_EQ(g.PaneAt(10), -1);
    EXPECT_EQ(g.PaneAt(g.left[0]), 0);
    EXPECT_EQ(g.PaneAt(g.Boundary(1) - 1), 0);
    EXPECT_EQ(g.PaneAt(g.Boundary(1)), 1);
    EXPECT_EQ(g.PaneAt(790), 1);
}

TEST(PaneGeometry, ThreePanes) {
    PaneGeometry g = ComputePaneGeometry(800, 600, 8, 16, true);
    EXPECT_EQ(g.paneWidth, (800 - 56 - 16 - 16 - 10) / 3);
    EXPECT_EQ(g.left[1], 56 + 234 + 8 + 5);
    EXPECT_EQ(g.left[2], g.left[1] + 234 + 8);
    EXPECT_EQ(g.rightLimit, 787);
    EXPECT_EQ(g.PaneAt(g.left[2]), 2);
    // The last pane ends before the last separator begins.
    EXPECT_LE(g.left[2] + g.paneWidth, g.Boundary(3) - 4);
}

TEST(PaneGeometry, TinyWindowKeepsAPaneWidthThatCountsAsLaidOut) {
    PaneGeometry g = ComputePaneGeometry(20, 10, 8, 16, false);
    EXPECT_EQ(g.paneWidth, 1);
}

const std::string kRed = "赤";
const std::string kNavy = "紺";
const std::string kOlive = "オリーブ";
const std::string kAuto = "自動";

TEST(FontColours, NamesGiveTheirColoursAndOthersNone) {
    EXPECT_EQ(NamedFontColour(kRed), 0x0000FFu);
    EXPECT_EQ(NamedFontColour(kNavy), 0x800000u);
    EXPECT_EQ(NamedFontColour(kOlive), 0x008080u);
    EXPECT_FALSE(NamedFontColour(kAuto).has_value());
    EXPECT_FALSE(NamedFontColour("purple").has_value());
    EXPECT_FALSE(NamedFontColour("").has_value());
}

struct ShowingCase {
    ThirdPaneMode mode;
    int source;
    int script;
    int slot;
    unsigned codePage;
    LineBreaking breaking;
};

TEST(PaneShowing, ThirdPaneFollowsItsMode) {
    const ShowingCase cases[] = {
        {ThirdPaneMode::BackTranslation, 0, 0, 0, 932, LineBreaking::ByCharacter},
        {ThirdPaneMode::BackTranslation, 1, 1, 1, 950, LineBreaking::ByCharacter},
        {ThirdPaneMode::Conversion, 0, 0, 2, 950, LineBreaking::ByCharacter},
        {ThirdPaneMode::Conversion, 1, 1, 2, 936, LineBreaking::ByCharacter},
        {ThirdPaneMode::Pinyin, 0, 0, 1, 936, LineBreaking::AfterLastBlank},
        {ThirdPaneMode::Pinyin, 1, 1, 2, 936, LineBreaking::AfterLastBlank},
        {ThirdPaneMode::None, 0, 0, 2, 932, LineBreaking::ByCharacter},
        {ThirdPaneMode::None, 1, 0, 2, 950, LineBreaking::ByCharacter},
    };
    for (const ShowingCase& c : cases) {
        PaneShowing s = ThirdPaneShowing(c.mode, c.source, c.script);
        EXPECT_EQ(s.fontSlot, c.slot) << int(c.mode) << c.source << c.script;
        EXPECT_EQ(s.codePage, c.codePage) << int(c.mode) << c.source << c.script;
        EXPECT_EQ(s.breaking, c.breaking) << int(c.mode) << c.source << c.script;
    }
    EXPECT_EQ(LanguagePaneShowing(1, 1).codePage, 950u);
    EXPECT_EQ(LanguagePaneShowing(1, 0).fontSlot, 1);
}

const char16_t kHiraganaA = u'\u3042';

TEST(CharWidthCache, MeasuresEachCharacterOnce) {
    CCharWidthCache cache;
    int calls = 0;
    auto measure = [&](char16_t c) {
        ++calls;
        return c == kHiraganaA ? 16 : 8;
    };
    EXPECT_EQ(cache.Width(kHiraganaA, measure), 16);
    EXPECT_EQ(cache.Width(u'a', measure), 8);
    EXPECT_EQ(cache.Width(kHiraganaA, measure), 16);
    EXPECT_EQ(calls, 2);
    cache.Clear();
    EXPECT_EQ(cache.Width(kHiraganaA, measure), 16);
    EXPECT_EQ(calls, 3);
}

TEST(CharSelection, RangeInEachSentence) {
    CharSelection selection;
    int from = 0, to = 0;
    EXPECT_FALSE(selection.RangeIn(0, 10, from, to));
    selection = {2, 4, 3, 5};
    EXPECT_FALSE(selection.RangeIn(1, 10, from, to));
    ASSERT_TRUE(selection.RangeIn(2, 10, from, to));
    EXPECT_EQ(from, 3);
    EXPECT_EQ(to, 10);
    ASSERT_TRUE(selection.RangeIn(3, 7, from, to));
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 7);
    ASSERT_TRUE(selection.RangeIn(4, 10, from, to));
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 5);
    selection = {1, 1, 4, 4};
    EXPECT_FALSE(selection.RangeIn(1, 10, from, to));
}

} // namespace
