// The row cache and the stacking and scrolling of rows, over a document of fixed line counts.
#include "RowLayout.h"
#include "RowSlots.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const int kLine = 16;

// A document whose sentence texts have the line counts the test gives, counting what is measured.
class CFakeDocument : public CRowMeasure {
public:
    int count = 1;
    std::function<int(int sentence, int pane, int width)> lines = [](int, int, int) { return 1; };
    int measured = 0;

    int SentenceCount() const override { return count; }
    int PaneLines(int sentence, int pane, int width) override {
        ++measured;
        return lines(sentence, pane, width);
    }
};

class RowLayoutTest : public testing::Test {
protected:
    // count sentences of two lines in each pane: rows of 2 lines plus the gap, 48 pixels.
    void Open(int count, int clientHeight = 100) {
        document.count = count;
        document.lines = [](int, int, int) { return 2; };
        const int heights[3] = {kLine, kLine, kLine};
        layout.SetLineHeights(heights, kLine);
        layout.SetPaneWidth(200);
        layout.SetClientHeight(clientHeight);
        layout.Reset();
        layout.Restack();
    }

    CFakeDocument document;
    CRowLayout layout{document};
};

TEST(RowSlots, SlidingForwardMarksOnlyTheSlotsThatLeave) {
    CRowSlots slots;
    const int heights[3] = {};
    slots.Reset(0, heights);
    for (int s = 0; s < kRowSlotCount; ++s)
        slots[slots.SlotOf(s)].laidOutWidth = 100;
    int slotOf10 = slots.SlotOf(10);
    int slot = slots.SlotOf(kRowSlotCount + 2);  // slides by 3
    EXPECT_EQ(slots.First(), 3);
    EXPECT_EQ(slots.SentenceOf(slot), kRowSlotCount + 2);
    EXPECT_EQ(slots.SlotOf(10), slotOf10);
    int marked = 0;
    for (int s = 0; s < kRowSlotCount; ++s)
        marked += slots[s].laidOutWidth == 0;
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(slots[slot].laidOutWidth, 0);
}

TEST(RowSlots, SlidingBackMarksTheSlotsThatCome) {
    CRowSlots slots;
    const int heights[3] = {};
    slots.Reset(0, heights);
    slots.SlotOf(100);
    for (int s = 37; s <= 100; ++s)
        slots[slots.SlotOf(s)].laidOutWidth = 100;
    int slot = slots.SlotOf(35);
    EXPECT_EQ(slots.First(), 35);
    EXPECT_EQ(slots.SentenceOf(slot), 35);
    EXPECT_EQ(slots[slots.SlotOf(36)].laidOutWidth, 0);
    EXPECT_EQ(slots[slots.SlotOf(37)].laidOutWidth, 100);
    EXPECT_EQ(slots[slots.SlotOf(98)].laidOutWidth, 100);
}

TEST(RowSlots, FarJumpEqualsSlidingStepByStep) {
    for (int target : {10000, 130, 64}) {
        CRowSlots jump, steps;
        const int heights[3] = {};
        jump.Reset(0, heights);
        steps.Reset(0, heights);
        jump.SlotOf(target);
        for (int s = 0; s <= target; ++s)
            steps.SlotOf(s);
        EXPECT_EQ(jump.First(), steps.First()) << target;
        EXPECT_EQ(jump.Head(), steps.Head()) << target;
        // And back again.
        jump.SlotOf(3);
        for (int s = target; s >= 3; --s)
            steps.SlotOf(s);
        EXPECT_EQ(jump.First(), steps.First()) << target;
        EXPECT_EQ(jump.Head(), steps.Head()) << target;
    }
}

TEST_F(RowLayoutTest, EmptyTextIsOneLineOfTheEmptyHeightPlusTheGap) {
    document.lines = [](int, int, int) { return 0; };
    const int heights[3] = {20, 14, 30};
    layout.SetLineHeights(heights, 12);
    layout.Reset();
    EXPECT_EQ(layout.TextHeight(0, 0), 12);
    EXPECT_EQ(layout.RowHeight(0), 12 + 20);
    layout.SetPaneCount(3);
    EXPECT_EQ(layout.RowHeight(0), 12 + 30);
}

TEST_F(RowLayoutTest, RowIsAsTallAsItsTallestPanePlusItsGap) {
    document.lines = [](int, int pane, int) { return pane == 1 ? 3 : 1; };
    const int heights[3] = {20, 10, 10};
    layout.SetLineHeights(heights, 10);
    layout.Reset();
    EXPECT_EQ(layout.RowHeight(0), 3 * 10 + 10);
}

TEST_F(RowLayoutTest, WidthChangeLaysRowsOutAgain) {
    Open(3);
    document.lines = [](int, int, int width) { return 400 / width; };
    layout.MarkAllForLayout();
    EXPECT_EQ(layout.TextHeight(0, 0), 2 * kLine);
    layout.SetPaneWidth(100);
    EXPECT_EQ(layout.TextHeight(0, 0), 4 * kLine);
}

TEST_F(RowLayoutTest, LeavingThreePanesEmptiesThirdPaneHeights) {
    Open(3);
    layout.SetPaneCount(3);
    EXPECT_EQ(layout.TextHeight(0, 2), 2 * kLine);
    layout.SetPaneCount(2);
    EXPECT_EQ(layout.TextHeight(0, 2), 0);
}

TEST_F(RowLayoutTest, OneShortSentenceDisablesTheScrollBar) {
    Open(1);
    ScrollBarState bar = layout.ScrollBar();
    EXPECT_TRUE(layout.EverythingFits());
    EXPECT_FALSE(bar.enabled);
    EXPECT_FALSE(layout.LineDown(0));
    EXPECT_FALSE(layout.LineUp(0));
}

TEST_F(RowLayoutTest, HundredThousandSentencesStayUnderThirtyThousandPositions) {
    Open(100000);
    ScrollBarState bar = layout.ScrollBar();
    EXPECT_TRUE(bar.enabled);
    EXPECT_LT(bar.maximum, kScrollPositions);
    EXPECT_GT(bar.maximum, kScrollPositions / 2);
    EXPECT_EQ(bar.position, 0);
    // The thumb in the middle shows the middle of the document.
    layout.ThumbReleased(bar.maximum / 2);
    EXPECT_NEAR(layout.TopSentence(), 50000, 10);
    EXPECT_LT(layout.ScrollBar().position, kScrollPositions);
    // The thumb at the end of the scaled track shows the end.
    layout.ThumbReleased(bar.maximum);
    EXPECT_TRUE(layout.EverythingFits());
    EXPECT_EQ(layout.ScrollBar().position, bar.maximum);
}

TEST_F(RowLayoutTest, LineDownMovesOneLineThenTheNextRowBecomesTheTop) {
    Open(10);
    EXPECT_TRUE(layout.LineDown(0));
    EXPECT_EQ(layout.TopSentence(), 0);
    EXPECT_EQ(layout.TopY(), -kLine);
    layout.LineDown(0);
    layout.LineDown(0);
    EXPECT_EQ(layout.TopSentence(), 1);
    EXPECT_EQ(layout.TopY(), 0);
}

TEST_F(RowLayoutTest, LineUpBringsThePreviousRowInFromItsBottom) {
    Open(10);
    layout.SetTop(3, 0);
    EXPECT_TRUE(layout.LineUp(0));
    EXPECT_EQ(layout.TopSentence(), 2);
    EXPECT_EQ(layout.TopY(), kLine - 48);
    ASSERT_NE(layout.VisibleRow(3), nullptr);
    EXPECT_EQ(layout.VisibleRow(3)->top, kLine);
    layout.LineUp(0);
    layout.LineUp(0);
    EXPECT_EQ(layout.TopSentence(), 2);
    EXPECT_EQ(layout.TopY(), 0);
}

TEST_F(RowLayoutTest, LineDownStopsWhenTheLastRowIsInSight) {
    Open(4);  // 192 pixels of rows in a window of 100
    int moves = 0;
    while (layout.LineDown(0))
        ++moves;
    EXPECT_EQ(moves, (4 * 48 - 100 + kLine - 1) / kLine);
    EXPECT_TRUE(layout.EverythingFits());
    EXPECT_EQ(layout.ScrollBar().position, layout.ScrollBar().maximum);
}

TEST_F(RowLayoutTest, PageDownMakesTheLastDrawnRowTheTop) {
    Open(10);  // rows 0, 1 and part of 2 are drawn
    EXPECT_EQ(layout.AfterLastDrawn(), 3);
    EXPECT_TRUE(layout.PageDown());
    EXPECT_EQ(layout.TopSentence(), 2);
    EXPECT_EQ(layout.TopY(), 0);
}

TEST_F(RowLayoutTest, PageDownPastARowTallerThanTheWindow) {
    Open(10, 30);
    EXPECT_EQ(layout.AfterLastDrawn(), 1);
    EXPECT_TRUE(layout.PageDown());
    EXPECT_EQ(layout.TopSentence(), 1);
    layout.SetTop(9, 0);
    EXPECT_FALSE(layout.PageDown());
}

TEST_F(RowLayoutTest, PageUpReturnsTowardsTheStart) {
    Open(10);
    layout.SetTop(6, 0);
    EXPECT_TRUE(layout.PageUp(0));
    EXPECT_LT(layout.TopSentence(), 6);
    while (layout.PageUp(0)) {
    }
    EXPECT_EQ(layout.TopSentence(), 0);
    EXPECT_EQ(layout.TopY(), 0);
}

TEST_F(RowLayoutTest, ThumbAtTheEndShowsTheLastScreenfulEndingAtTheBottom) {
    Open(100);
    ScrollBarState bar = layout.ScrollBar();
    layout.ThumbReleased(bar.maximum);
    EXPECT_EQ(layout.TopSentence(), 97);
    ASSERT_NE(layout.VisibleRow(99), nullptr);
    EXPECT_EQ(layout.VisibleRow(99)->bottom, 100);
    EXPECT_TRUE(layout.EverythingFits());
    layout.ThumbReleased(50);
    EXPECT_EQ(layout.TopSentence(), 49);
    EXPECT_EQ(layout.TopY(), 0);
    layout.ThumbReleased(0);
    EXPECT_EQ(layout.TopSentence(), 0);
}

TEST_F(RowLayoutTest, EnsureVisibleBringsALaterRowToTheBottom) {
    Open(100);
    layout.EnsureVisible(10);
    EXPECT_EQ(layout.TopSentence(), 9);
    ASSERT_NE(layout.VisibleRow(10), nullptr);
    EXPECT_LE(layout.VisibleRow(10)->bottom, 100);
    // A row already in sight moves nothing.
    layout.EnsureVisible(9);
    EXPECT_EQ(layout.TopSentence(), 9);
    layout.EnsureVisible(4);
    EXPECT_EQ(layout.TopSentence(), 4);
}

TEST_F(RowLayoutTest, ScrollingALongDocumentMeasuresOnlyRowsInSight) {
    Open(99999);
    document.measured = 0;
    layout.ThumbReleased(layout.ScrollBar().maximum);
    layout.PageDown();
    layout.ThumbReleased(layout.ScrollBar().maximum / 3);
    for (int i = 0; i < 10; ++i)
        layout.LineDown(0);
    layout.EnsureVisible(70000);
    // A few screenfuls of three rows, two panes each.
    EXPECT_LT(document.measured, 60);
}

} // namespace
