#include "client/MenuBand.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "input/I_ScreenAreaRenderer.h"
#include "input/ScreenArea.h"
#include "shell/TextObject.h"

namespace KWEP {

namespace {

// Letters are 7 units apart and 5 wide; their bodies stand 3.5 above and
// below the line's position, and the tails of g, p, y and a few more hang 2
// lower. Lines
// of a text are 10 apart, rows of a menu 12. The band reaches a little beyond
// the letters on each side and fills the row around them.
const float LETTER_STEP = 7.0f;
const float LINE_STEP = 10.0f;
const float GLYPH_WIDTH = 5.0f;
const float GLYPH_ABOVE = 3.5f;
const float GLYPH_BELOW = 3.5f;
const float TAIL = 2.0f;
const char* const TAILED = ",;gjpqy";
const float BAND_LEFT = 4.0f;
const float BAND_RIGHT = 9.0f;
const float BAND_BELOW = 6.0f;
const float BAND_ABOVE = 6.0f;
const int ICON_FILL = 0;
const int ICON_FRAME = 6;
// The frame icon's border, percent of the window's width.
const float FRAME_PERCENT = 0.5f;
const double PI = 3.14159265358979323846;

// Columns of the longest line and the number of lines of a text.
void measure(const std::string& text, int& columns, int& lines)
{
    columns = 0;
    lines = 0;
    int column = 0;
    for (char c : text) {
        if (c == '\n') {
            columns = std::max(columns, column);
            column = 0;
            ++lines;
            continue;
        }
        ++column;
    }
    columns = std::max(columns, column);
    if (column > 0)
        ++lines;
}

} // namespace

// The text's lines from `below` under the first line's position to `above`
// over it, widened by the margins, seen through the menu camera.
bool MenuBand::project(const Text3D::TextObject& text, float fovDegrees, float aspect,
                       const Margins& margins, Box& box)
{
    int columns = 0;
    int lines = 0;
    measure(text.getText(), columns, lines);
    const MathStuff::Vector3<float>& at = text.getOrientation().position;
    const double depth = -static_cast<double>(at.z);
    if (columns == 0 || !(depth > 0.0) || !(fovDegrees > 0.0f && fovDegrees < 180.0f)
        || !(aspect > 0.0f))
        return false;
    // Half the view's height at the text's depth, in world units.
    const double halfHeight = depth * std::tan(fovDegrees * PI / 360.0);
    const double halfWidth = halfHeight * aspect;
    const double left = at.x - margins.left;
    const double right = at.x + (columns - 1) * LETTER_STEP + margins.right;
    const double top = at.y + margins.above;
    const double bottom = at.y - margins.below - (lines - 1) * LINE_STEP;
    box.left = static_cast<float>(50.0 + 50.0 * left / halfWidth);
    box.width = static_cast<float>(50.0 * (right - left) / halfWidth);
    box.top = static_cast<float>(50.0 - 50.0 * top / halfHeight);
    box.height = static_cast<float>(50.0 * (top - bottom) / halfHeight);
    return true;
}

bool MenuBand::boxOf(const Text3D::TextObject& text, float fovDegrees, float aspect, Box& box)
{
    return project(text, fovDegrees, aspect, {BAND_LEFT, BAND_RIGHT, BAND_BELOW, BAND_ABOVE}, box);
}

bool MenuBand::lettersOf(const Text3D::TextObject& text, float fovDegrees, float aspect, Box& box)
{
    const bool tails = text.getText().find_first_of(TAILED) != std::string::npos;
    return project(text, fovDegrees, aspect,
                   {0.0f, GLYPH_WIDTH, GLYPH_BELOW + (tails ? TAIL : 0.0f), GLYPH_ABOVE}, box);
}

std::vector<MenuBand::Box> MenuBand::shapesOf(const Input::ScreenArea& area, float aspect)
{
    std::vector<Box> shapes;
    if (((area.getAreaColor() | area.getHighLightColor()) & 0xffUL) == 0)
        return shapes;
    const Box box{area.getPercentOffsetFromLeft(), area.getPercentOffsetFromTop(),
                  area.getPercentWidth(), area.getPercentHeight()};
    if (area.getIconId() != ICON_FRAME) {
        shapes.push_back(box);
        return shapes;
    }
    const float across = FRAME_PERCENT;
    const float down = FRAME_PERCENT * aspect;
    shapes.push_back({box.left, box.top, box.width, down});
    shapes.push_back({box.left, box.top + box.height - down, box.width, down});
    shapes.push_back({box.left, box.top, across, box.height});
    shapes.push_back({box.left + box.width - across, box.top, across, box.height});
    return shapes;
}

bool MenuBand::overlap(const Box& a, const Box& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
        && b.top < a.top + a.height;
}

void MenuBand::draw(Input::I_ScreenAreaRenderer* renderer, const Box& box)
{
    if (renderer == nullptr)
        return;
    renderer->startRender();
    renderer->drawBox(box.left, box.top, box.width, box.height, FILL_COLOUR, ICON_FILL);
    renderer->drawBox(box.left, box.top, box.width, box.height, FRAME_COLOUR, ICON_FRAME);
    renderer->stopRender();
}

} // namespace KWEP
