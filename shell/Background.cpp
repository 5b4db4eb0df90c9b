#include "shell/Background.h"

#include <iostream>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_View.h"
#include "core/FormatUtils.h"
#include "core/TGA.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"

namespace Game {

namespace {

// (a - b) / 2 rounded down, in signed arithmetic wide enough for any 32-bit sizes.
long long floorHalfDifference(long long a, long long b)
{
    const long long d = a - b;
    return d >= 0 ? d / 2 : -((-d + 1) / 2);
}

} // namespace

Background::Background(I_Game* game)
    : m_game(game), m_pixels(nullptr), m_width(0), m_height(0), m_x(0), m_y(0)
{
}

Background::~Background() { unload(); }

bool Background::load(const std::string& file)
{
    unload();
    Render::I_RenderController* renderer = m_game ? m_game->getRenderController() : nullptr;
    if (!renderer)
        return false;
    unsigned int width = 0, height = 0, bits = 0;
    unsigned char* data = nullptr;
    if (!Media::TGA::loadFromFile(file.c_str(), &width, &height, &bits, &data) || !data) {
        std::cerr << "The background picture \"" << Format::printable(file) << "\" cannot be read as a TGA image; none is drawn"
                  << std::endl;
        return false;
    }
    if (bits == 24) {
        unsigned char* rgba = Media::TGA::RGBtoRGBA(data, width, height);
        delete[] data;
        data = rgba;
    } else if (bits != 32) {
        delete[] data;
        std::cerr << "The background picture \"" << Format::printable(file) << "\" has " << bits
                  << " bits a pixel, not 24 or 32; none is drawn" << std::endl;
        return false;
    }
    if (!data)
        return false;

    const Render::I_RenderController::ViewData& view = renderer->getViewData();
    const long long x = floorHalfDifference(view.w, width);
    const long long y = floorHalfDifference(view.h, height);
    if (x < 0) {
        // Wider than the view.
        delete[] data;
        return false;
    }
    m_pixels = data;
    m_width = width;
    m_height = height;
    m_x = static_cast<int>(x);
    m_y = static_cast<int>(y);
    return true;
}

void Background::unload()
{
    delete[] m_pixels;
    m_pixels = nullptr;
    m_width = 0;
    m_height = 0;
    m_x = 0;
    m_y = 0;
}

void Background::render()
{
    Render::I_RenderController* renderer = m_game ? m_game->getRenderController() : nullptr;
    if (!m_pixels || !renderer)
        return;
    // Changes no view value, but makes the controller set its orthographic
    // projection without depth testing.
    EVT::Event_View view(EVT::EVENT_VIEW, EVT::Event_View::ORTHOGRAPHIC, renderer->getViewData());
    EVT::EventBus::instance()->raiseEvent(&view, false);
    renderer->showScreen(m_pixels, m_x, m_y, static_cast<int>(m_width), static_cast<int>(m_height));
}

} // namespace Game
