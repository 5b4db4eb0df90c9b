#include "core/Pagitizer.h"

#include <algorithm>
#include <climits>

#include "core/Conversions.h"
#include "core/FormatUtils.h"

namespace Format {

namespace {

// A negative indent (or an unreadable one) cannot be a count of blanks.
int usableIndent(int indent)
{
    return indent < 0 ? 0 : indent;
}

} // namespace

Pagitizer::Pagitizer(Style style, int indent, unsigned int width)
    : style(style), indent(usableIndent(indent)), lineIndent(0), width(width),
      output(nullptr), currentPage(nullptr), currentLine(nullptr), noAlign(false)
{
}

Pagitizer::~Pagitizer() {}

void Pagitizer::set(Style newStyle, int newIndent, unsigned int newWidth)
{
    style = newStyle;
    indent = usableIndent(newIndent);
    width = newWidth;
}

void Pagitizer::format(const std::string& text, Pages& pages)
{
    output = &pages;
    std::vector<std::string> paragraphs;
    Util::splitString(text, "\n", paragraphs, true);
    for (const std::string& paragraph : paragraphs) {
        newParagraph();
        std::vector<std::string> words;
        Util::splitString(paragraph, " ", words, false);
        for (const std::string& word : words) {
            if (isCommand(word)) {
                doCommand(word);
            } else {
                addWord(word);
            }
        }
    }
    // Closes the last line and leaves one more page holding an empty line.
    newParagraph();
}

void Pagitizer::addWord(const std::string& word)
{
    // Nothing fits in no columns; dropping the word keeps the layout finite.
    if (!currentLine || width == 0) return;
    const std::size_t columns = std::min<unsigned int>(width, INT_MAX);

    // Cut pieces of a long word are placed in a loop rather than by recursion,
    // so a very long word cannot exhaust the stack.
    std::size_t start = 0;
    while (start < word.size()) {
        const std::size_t length = word.size() - start;
        if (currentLine->size() == static_cast<std::size_t>(lineIndent)) {
            if (length <= columns) {
                currentLine->append(word, start, length);
                return;
            }
            currentLine->append(word, start, columns);
            start += columns;
            noAlign = true;
            newLine(false);
        } else if (currentLine->size() + 1 + length > columns) {
            newLine(true);
        } else {
            *currentLine += ' ';
            currentLine->append(word, start, length);
            return;
        }
    }
}

void Pagitizer::formatLine()
{
    if (currentLine && !noAlign) {
        std::string& line = *currentLine;
        const long long columns = std::min<unsigned int>(width, INT_MAX);
        const std::size_t kept = std::min(line.size(), static_cast<std::size_t>(lineIndent));
        switch (style) {
        case ALIGN_RIGHT: {
            line.erase(0, kept);
            const long long blanks = columns - lineIndent - static_cast<long long>(line.size());
            if (blanks > 0) line.insert(0, static_cast<std::size_t>(blanks), ' ');
            break;
        }
        case ALIGN_CENTRE: {
            const long long blanks = (columns - static_cast<long long>(line.size())) / 2;
            if (blanks > 0) line.insert(0, static_cast<std::size_t>(blanks), ' ');
            break;
        }
        case ALIGN_FULL:
            if (columns - lineIndent > 0) {
                line = line.substr(0, kept) + padto(line.substr(kept), static_cast<unsigned int>(columns - lineIndent));
            }
            break;
        default:
            break;
        }
    }
    // '_' joins words; it turns into a blank only now, after wrapping and spreading.
    if (currentLine) std::replace(currentLine->begin(), currentLine->end(), '_', ' ');
    noAlign = false;
}

void Pagitizer::newParagraph()
{
    // The last line of a fully justified paragraph is not spread.
    if (style == ALIGN_FULL) noAlign = true;
    formatLine();
    if (!output) return;
    output->push_back(Page());
    currentPage = &output->back();
    currentLine = nullptr;
    newLine(false);
}

void Pagitizer::newLine(bool indented)
{
    formatLine();
    if (!currentPage) return;
    currentPage->push_back(std::string());
    currentLine = &currentPage->back();
    if (indented && indent != 0) {
        currentLine->append(static_cast<std::size_t>(indent), ' ');
        lineIndent = indent;
    } else {
        lineIndent = 0;
    }
}

bool Pagitizer::isCommand(const std::string& word) const
{
    return word.size() > 2 && word.front() == '<' && word.back() == '>';
}

std::string Pagitizer::doCommand(const std::string& word)
{
    const std::string name = word.substr(1, word.size() - 2);
    if (name == "AL") {
        style = ALIGN_LEFT;
    } else if (name == "AR") {
        style = ALIGN_RIGHT;
    } else if (name == "AC") {
        style = ALIGN_CENTRE;
    } else if (name == "P2W") {
        style = ALIGN_FULL;
    } else if (name == "NP") {
        newParagraph();
    } else if (name == "CR") {
        newLine(true);
    } else if (!name.empty() && name[0] == 'I') {
        const int value = Util::strToNum<int>(name.substr(1), 10, INT_MIN);
        // A missing or negative number, like one that leaves no room, means no indent.
        indent = (value < 0 || static_cast<long long>(value) >= static_cast<long long>(width)) ? 0 : value;
    }
    return std::string();
}

} // namespace Format
