#include "menu/ItemTextPage.h"

#include <algorithm>
#include <vector>

#include "core/Conversions.h"
#include "core/FormatUtils.h"
#include "core/Pagitizer.h"
#include "core/TextFile.h"

namespace Menu {

ItemTextPage::ItemTextPage(MenuPage* page, const std::string& fileName, int charsWide,
                           int charsHigh)
    : MenuItem(KIND_TEXT_PAGE, page, "", false),
      m_charsWide(std::max(charsWide, 1)), m_charsHigh(std::max(charsHigh, 1)),
      m_curLine(0), m_numLines(1)
{
    layOut(fileName);
}

ItemTextPage::~ItemTextPage() = default;

// Lines of a paragraph are joined by a blank, an empty line of the file
// separates paragraphs; the text is fully justified to the width.
void ItemTextPage::layOut(const std::string& fileName)
{
    std::string text;
    if (Files::TextFile::load(fileName, text, " ")) {
        std::vector<std::vector<std::string>> pages;
        Format::Pagitizer pagitizer(Format::ALIGN_FULL, 0, static_cast<unsigned int>(m_charsWide));
        pagitizer.format(text, pages);
        text = Format::asString(pages, "");
        const std::string::size_type last = text.find_last_not_of(Util::BLANKS);
        text.erase(last == std::string::npos ? 0 : last + 1);
    } else {
        text = "MISSING TEXT FILE: " + fileName;
    }
    if (text.empty() || text.back() != '\n')
        text += '\n';
    setLabel(text);
    m_numLines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::string ItemTextPage::getString() const
{
    const std::string& text = getLabel();
    std::string::size_type start = 0;
    for (int line = 0; line < m_curLine; ++line)
        start = text.find('\n', start) + 1;
    const int shown = std::min(m_charsHigh, m_numLines - m_curLine);
    std::string::size_type end = start;
    for (int line = 0; line < shown; ++line)
        end = text.find('\n', end) + 1;
    return text.substr(start, end - start);
}

void ItemTextPage::accept() {}
void ItemTextPage::cancel() {}
MenuItem* ItemTextPage::select() { return nullptr; }
bool ItemTextPage::handleKey(unsigned char) { return false; }

int ItemTextPage::getCharsWide() const { return m_charsWide; }
int ItemTextPage::getCharsHigh() const { return m_charsHigh; }
int ItemTextPage::getNumLines() const { return m_numLines; }
// Rounded up without adding the two sizes, which overflows for a window as
// high as the largest int.
int ItemTextPage::getNumPages() const
{
    return m_numLines / m_charsHigh + (m_numLines % m_charsHigh != 0 ? 1 : 0);
}
int ItemTextPage::getCurLineNum() const { return m_curLine; }

void ItemTextPage::setCurLineNum(int line)
{
    m_curLine = std::max(0, std::min(line, m_numLines - 1));
}

void ItemTextPage::setPageSize(int charsWide, int charsHigh)
{
    m_charsWide = std::max(charsWide, 1);
    m_charsHigh = std::max(charsHigh, 1);
}

} // namespace Menu
