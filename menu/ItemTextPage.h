#ifndef FRELMORY_MENU_ITEMTEXTPAGE_H
#define FRELMORY_MENU_ITEMTEXTPAGE_H

#include "menu/MenuItem.h"

namespace Menu {

// The text block of a text page: a file word-wrapped to a width in
// characters, of which a window of lines is shown. Keeps the whole formatted
// text, every line ending in one newline; getString gives the window only.
class ItemTextPage : public MenuItem {
public:
    // Width and height below 1 are taken as 1.
    ItemTextPage(MenuPage* page, const std::string& fileName, int charsWide, int charsHigh);
    ~ItemTextPage() override;

    std::string getString() const override;
    void accept() override;
    void cancel() override;
    MenuItem* select() override;
    bool handleKey(unsigned char key) override;

    virtual int getCharsWide() const;
    virtual int getCharsHigh() const;
    virtual int getNumLines() const;
    virtual int getNumPages() const;
    virtual int getCurLineNum() const;
    // Limited to 0 .. number of lines - 1.
    virtual void setCurLineNum(int line);
    // Stores the sizes (each at least 1) without wrapping the text again.
    virtual void setPageSize(int charsWide, int charsHigh);

    // The whole formatted text.
    const std::string& getText() const { return getLabel(); }

private:
    void layOut(const std::string& fileName);

    int m_charsWide;
    int m_charsHigh;
    int m_curLine;
    int m_numLines;
};

} // namespace Menu

#endif
