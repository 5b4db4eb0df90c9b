#ifndef FRELMORY_CORE_PAGITIZER_H
#define FRELMORY_CORE_PAGITIZER_H

#include <string>
#include <vector>

namespace Format {

// Line alignment; any other value aligns like ALIGN_LEFT.
enum Style : int
{
    ALIGN_LEFT = 0,
    ALIGN_RIGHT = 1,
    ALIGN_CENTRE = 2,
    ALIGN_FULL = 3
};

// Lays a text out in pages of lines no wider than a column width (a page per
// paragraph), aligns each line, applies a hanging indent and treats '_' as a
// blank that never breaks. Words in angle brackets are commands: <AL> <AR> <AC>
// <P2W> set the alignment, <NP> starts a new page, <CR> a new indented line,
// <In> sets the indent to n; other bracketed words vanish.
class Pagitizer
{
public:
    typedef std::vector<std::string> Page;
    typedef std::vector<Page> Pages;

    Pagitizer(Style style, int indent, unsigned int width);
    Pagitizer(const Pagitizer&) = delete;
    Pagitizer& operator=(const Pagitizer&) = delete;
    virtual ~Pagitizer();

    virtual void set(Style style, int indent, unsigned int width);

    // Appends the pages of text to pages. The formatter keeps pointing into
    // pages afterwards; a second call needs the previous output still alive.
    virtual void format(const std::string& text, Pages& pages);

    virtual void addWord(const std::string& word);
    // Closes the current line: aligns it and turns '_' into blanks.
    virtual void formatLine();
    virtual void newParagraph();
    virtual void newLine(bool indented);

    bool isCommand(const std::string& word) const;
    // Executes the command word; always returns "".
    std::string doCommand(const std::string& word);

private:
    Style style;
    int indent;
    int lineIndent;
    unsigned int width;
    Pages* output;
    Page* currentPage;
    std::string* currentLine;
    bool noAlign;
};

} // namespace Format

#endif
