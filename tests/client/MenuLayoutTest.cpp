#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "MenusFixture.h"
#include "client/MenuLayout.h"

namespace {

// Row height 10, non-selected adjust 2, item position y 100 and z -50.
struct LayoutCase {
    const char* name;
    int totalRows;
    int reserved;
    bool wrap;
    int items;
    int current;
    bool fold;
    int rowsN;
    int middle;
    std::vector<int> rows;
    std::vector<float> ys;
    std::vector<float> zs;
};

const LayoutCase LAYOUT_CASES[] = {
    // 9 rows, M = 4: the current first item on row 4, the rest below it.
    {"no wrap, first current", 9, 0, false, 3, 0, false, 9, 4, {4, 5, 6}, {60, 48, 38}, {-50, -50, -50}},
    // Moving down keeps the current item on row 4; the first goes to row 3.
    {"no wrap, second current", 9, 0, false, 3, 1, false, 9, 4, {3, 4, 5}, {72, 60, 48}, {-50, -50, -50}},
    // Three items wrap into three rows lowered by (9 - 3) / 2 = 3 rows.
    {"wrap, a current", 9, 0, true, 3, 0, true, 3, 1, {1, 2, 0}, {60, 48, 72}, {-50, -50, -50}},
    {"wrap, c current", 9, 0, true, 3, 2, true, 3, 1, {2, 0, 1}, {48, 72, 60}, {-50, -50, -50}},
    // Twelve items in nine rows: items 8 to 11 fold into rows 0 to 3, items
    // 5 to 7 stay below the last row, out of sight at depth 1.
    {"wrap, more items than rows", 9, 0, true, 12, 0, true, 9, 4,
     {4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3},
     {60, 48, 38, 28, 18, 8, -2, -12, 102, 92, 82, 72},
     {-50, -50, -50, -50, -50, 1, 1, 1, -50, -50, -50, -50}},
    // A text page: 4 reserved rows leave 5 (M = 2), row 0 lies 4 rows down.
    // The last item current: the first item leaves row 0 for the free row below.
    {"text page", 9, 4, false, 3, 2, true, 5, 2, {3, 1, 2}, {28, 52, 40}, {-50, -50, -50}},
    {"text page unfolded", 9, 4, false, 3, 2, false, 5, 2, {0, 1, 2}, {62, 52, 40}, {-50, -50, -50}},
    // The current item always has a row, whatever the counts.
    {"no rows left", 3, 7, false, 2, 0, false, 1, 0, {0, 1}, {30, 18}, {-50, 1}},
    {"zero total rows", 0, 0, false, 1, 0, false, 1, 0, {0}, {100}, {-50}},
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class MenuLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(MenuLayoutTable, PlacesEveryItemOnItsRow)
{
    const LayoutCase& c = GetParam();
    KWEP::MenuLayout layout(c.totalRows, 10.0f, 2.0f);
    layout.setPage(c.reserved, c.items, c.wrap);
    EXPECT_EQ(layout.numItemRows(), c.rowsN);
    EXPECT_EQ(layout.middleRowNum(), c.middle);
    const std::vector<int> rows = layout.itemRows(c.current, c.fold);
    ASSERT_EQ(rows, c.rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_FLOAT_EQ(layout.rowY(100.0f, rows[i]), c.ys[i]) << "item " << i;
        EXPECT_FLOAT_EQ(layout.rowZ(-50.0f, rows[i]), c.zs[i]) << "item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuLayoutTable, ::testing::ValuesIn(LAYOUT_CASES),
                         MenusTest::CaseName());

TEST(MenuLayout, FoldsOnlyWhenAsked)
{
    KWEP::MenuLayout layout(9, 10.0f, 0.0f);
    layout.setPage(0, 3, true);
    EXPECT_EQ(layout.itemRows(0, false), (std::vector<int>{1, 2, 3}));
}

TEST(MenuLayout, RowCountsBeyondAnyScreenStayFarFromOverflow)
{
    KWEP::MenuLayout layout(2147483647, 1.0f, 0.0f);
    layout.setPage(2147483647, 2, false);
    EXPECT_EQ(layout.numItemRows(), 1);
    layout.setPage(0, 2, false);
    EXPECT_EQ(layout.numItemRows(), 1 << 20);
    EXPECT_EQ(layout.itemRows(1, true).size(), 2u);
}
