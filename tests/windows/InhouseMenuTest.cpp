// The in-house items of the tools menu on a real menu: added once, after a separator.
#include "InhouseMenu.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kExport[] = L"辞書出力";
const wchar_t kImport[] = L"辞書読込";

TEST(InhouseMenuTest, AppendsSeparatorAndBothItemsOnlyOnce) {
    HMENU tools = ::CreatePopupMenu();
    ::AppendMenuW(tools, MF_STRING, 32776, L"settings");
    EXPECT_TRUE(AppendDictionaryTransferItems(tools, kExport, kImport));
    EXPECT_FALSE(AppendDictionaryTransferItems(tools, kExport, kImport));
    ASSERT_EQ(::GetMenuItemCount(tools), 4);
    EXPECT_TRUE(::GetMenuState(tools, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(tools, 2), 129u);
    EXPECT_EQ(::GetMenuItemID(tools, 3), 130u);
    wchar_t text[32] = {};
    ::GetMenuStringW(tools, 129, text, 32, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), kExport);
    ::DestroyMenu(tools);
}

} // namespace
