#ifndef KWEP_MENULAYOUT_H
#define KWEP_MENULAYOUT_H

#include <vector>

namespace KWEP {

// The row arithmetic of a menu page shown as 3-D text. A page has a fixed
// number of rows; rows count from 0 at the top, the first lying the reserved
// rows (a text page's body) below the page's item position. The current item
// always sits on the middle row; with wrap-around the rows form a carousel in
// which items from one end fill the free rows at the other.
class MenuLayout {
public:
    // Rows below 1 are taken as 1, so the current item always has a row.
    // Row counts are cut to 2^20.
    MenuLayout(int totalRows, float rowHeight, float nonSelectedAdjust);

    // The page on screen: rows reserved above the items, the number of row
    // items and whether navigation wraps around.
    void setPage(int reservedRows, int itemCount, bool wrapAround);

    // N: the rows left below the reserved ones (at least 1); with wrap-around
    // no more than there are items.
    int numItemRows() const;
    // M: the middle of the N rows.
    int middleRowNum() const;

    // The row of every item when item `current` is on the middle row. With
    // `fold` set, items past one end move to free rows at the other.
    std::vector<int> itemRows(int current, bool fold) const;

    // The height of a row below the item position y: lowered by the centring
    // of a short wrap-around page (no reserved rows only), and moved away from
    // the middle row by the non-selected adjust.
    float rowY(float itemY, int row) const;
    // The item depth on rows 0 to N - 1; 1.0, behind the menu camera, on others.
    float rowZ(float itemZ, int row) const;

private:
    int m_totalRows;
    float m_rowHeight;
    float m_nonSelectedAdjust;
    int m_reservedRows;
    int m_itemCount;
    bool m_wrapAround;
};

} // namespace KWEP

#endif
