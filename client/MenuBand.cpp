#include "client/MenuBand.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Matrix4x4.h"
#include "core/Pi.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/ScreenArea.h"
#include "shell/I_DisplayableModel.h"
#include "shell/I_ModelData.h"
#include "shell/MoveableItem.h"
#include "shell/TextObject.h"

namespace KWEP {

namespace {

// Lines of a text are 10 apart, rows of a menu 12. The band reaches a little
// beyond the line's letter positions on each side and fills the row around
// them; it also holds whatever the letter models take beyond that.
const float LETTER_STEP = 7.0f;
const float LINE_STEP = 10.0f;
const float BAND_LEFT = 4.0f;
const float BAND_RIGHT = 9.0f;
const float BAND_BELOW = 6.0f;
const float BAND_ABOVE = 6.0f;
const int ICON_FILL = 0;
const int ICON_FRAME = 6;
// The frame icon's border, percent of the window's width.
const float FRAME_PERCENT = 0.5f;

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

// The menu camera's view: half its height and width one world unit in front
// of it; false when the view is not usable.
bool viewScale(float fovDegrees, float aspect, double& halfHeight, double& halfWidth)
{
    if (!(fovDegrees > 0.0f && fovDegrees < 180.0f) || !(aspect > 0.0f))
        return false;
    halfHeight = std::tan(fovDegrees * MathStuff::PI / 360.0);
    halfWidth = halfHeight * aspect;
    return true;
}

// A box in percent of the screen around the world rectangle at the depth.
MenuBand::Box screenBox(double left, double right, double bottom, double top, double depth, double halfHeight,
                        double halfWidth)
{
    const double h = depth * halfHeight;
    const double w = depth * halfWidth;
    return MenuBand::Box{static_cast<float>(50.0 + 50.0 * left / w),
                         static_cast<float>(50.0 - 50.0 * top / h),
                         static_cast<float>(50.0 * (right - left) / w),
                         static_cast<float>(50.0 * (top - bottom) / h)};
}

bool inside(const MenuBand::Box& inner, const MenuBand::Box& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top
        && inner.left + inner.width <= outer.left + outer.width
        && inner.top + inner.height <= outer.top + outer.height;
}

MenuBand::Box unite(const MenuBand::Box& a, const MenuBand::Box& b)
{
    const float left = std::min(a.left, b.left);
    const float top = std::min(a.top, b.top);
    return MenuBand::Box{left, top, std::max(a.left + a.width, b.left + b.width) - left,
                         std::max(a.top + a.height, b.top + b.height) - top};
}

// The box a letter's model takes on the screen: each corner of its bounds,
// placed as the letter stands, seen from the camera. False when the model has
// no points or a corner is not in front of the camera.
bool letterBox(const Game::MoveableItem& letter, double halfHeight, double halfWidth, MenuBand::Box& box)
{
    const Model::I_DisplayableModel* model = letter.getModel();
    MathStuff::Vector3<float> low;
    MathStuff::Vector3<float> high;
    if (model == nullptr || model->getModelData() == nullptr || !model->getModelData()->getBounds(low, high))
        return false;
    MathStuff::Matrix4x4<float> placement;
    letter.getOrientation().getTransformation(placement);
    for (int corner = 0; corner < 8; ++corner) {
        const MathStuff::Vector3<float> p = placement.transform(MathStuff::Vector3<float>(
            corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y, corner & 4 ? high.z : low.z));
        if (!(p.z < 0.0f))
            return false;
        const MenuBand::Box dot = screenBox(p.x, p.x, p.y, p.y, -p.z, halfHeight, halfWidth);
        box = corner == 0 ? dot : unite(box, dot);
    }
    return true;
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
    double halfHeight = 0.0;
    double halfWidth = 0.0;
    if (columns == 0 || !(depth > 0.0) || !viewScale(fovDegrees, aspect, halfHeight, halfWidth))
        return false;
    box = screenBox(at.x - margins.left, at.x + (columns - 1) * LETTER_STEP + margins.right,
                    at.y - margins.below - (lines - 1) * LINE_STEP, at.y + margins.above, depth, halfHeight,
                    halfWidth);
    return true;
}

bool MenuBand::boxOf(const Text3D::TextObject& text, float fovDegrees, float aspect, Box& box)
{
    Box row{};
    if (!project(text, fovDegrees, aspect, {BAND_LEFT, BAND_RIGHT, BAND_BELOW, BAND_ABOVE}, row))
        return false;
    // Kept as it is when it holds the letters, so as not to move by a rounding.
    Box letters{};
    box = lettersOf(text, fovDegrees, aspect, letters) && !inside(letters, row) ? unite(row, letters) : row;
    return true;
}

bool MenuBand::lettersOf(const Text3D::TextObject& text, float fovDegrees, float aspect, Box& box)
{
    double halfHeight = 0.0;
    double halfWidth = 0.0;
    if (!viewScale(fovDegrees, aspect, halfHeight, halfWidth))
        return false;
    bool any = false;
    for (const Game::MoveableItem* letter : text.getLetters()) {
        Box one{};
        if (!letterBox(*letter, halfHeight, halfWidth, one))
            continue;
        box = any ? unite(box, one) : one;
        any = true;
    }
    return any;
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
