#include "client/MenuLayout.h"

#include <algorithm>

namespace KWEP {

namespace {

// Row counts beyond any screen are cut here, which keeps every row sum far
// from int overflow.
const int MAX_ROWS = 1 << 20;

int rowCount(int rows, int low) { return std::min(std::max(rows, low), MAX_ROWS); }

} // namespace

MenuLayout::MenuLayout(int totalRows, float rowHeight, float nonSelectedAdjust)
    : m_totalRows(rowCount(totalRows, 1)), m_rowHeight(rowHeight),
      m_nonSelectedAdjust(nonSelectedAdjust), m_reservedRows(0), m_itemCount(0),
      m_wrapAround(false)
{
}

void MenuLayout::setPage(int reservedRows, int itemCount, bool wrapAround)
{
    m_reservedRows = rowCount(reservedRows, 0);
    m_itemCount = std::max(itemCount, 0);
    m_wrapAround = wrapAround;
}

int MenuLayout::numItemRows() const
{
    int rows = m_totalRows - m_reservedRows;
    if (m_wrapAround)
        rows = std::min(rows, m_itemCount);
    return std::max(rows, 1);
}

int MenuLayout::middleRowNum() const { return (numItemRows() + 1) / 2 - 1; }

std::vector<int> MenuLayout::itemRows(int current, bool fold) const
{
    const int count = m_itemCount;
    std::vector<int> rows(count);
    if (count == 0)
        return rows;
    current = std::min(std::max(current, 0), count - 1);
    const int middle = middleRowNum();
    for (int i = 0; i < count; ++i)
        rows[i] = middle + i - current;
    if (!fold)
        return rows;
    const int top = rows.front() - 1;   // T: the free row above the first item
    const int after = rows.back() + 1;  // B: the row after the last item
    const int over = after - numItemRows();
    if (over > 0 && top >= 0) {
        const int moved = std::min(over, top + 1);
        for (int j = 0; j < moved; ++j)
            rows[count - 1 - j] = top - j;
    } else if (over < 0 && top < 0) {
        const int moved = std::min(-over, -top);
        for (int j = 0; j < moved; ++j)
            rows[j] = after + j;
    }
    return rows;
}

float MenuLayout::rowY(float itemY, int row) const
{
    float y = itemY - static_cast<float>(row + m_reservedRows) * m_rowHeight;
    if (m_reservedRows == 0)
        y -= static_cast<float>((m_totalRows - numItemRows()) / 2) * m_rowHeight;
    const int middle = middleRowNum();
    if (row < middle)
        y += m_nonSelectedAdjust;
    else if (row > middle)
        y -= m_nonSelectedAdjust;
    return y;
}

float MenuLayout::rowZ(float itemZ, int row) const
{
    return row >= 0 && row < numItemRows() ? itemZ : 1.0f;
}

} // namespace KWEP
