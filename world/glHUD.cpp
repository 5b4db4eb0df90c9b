#include "world/glHUD.h"

#include <algorithm>
#include <climits>
#include <vector>

#include <GL/gl.h>

#include "core/Event_View.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"
#include "shell/TextRenderer.h"
#include "shell/WorldItem.h"
#include "world/PlayKeys.h"
#include "world/Snowman.h"
#include "world/World.h"

namespace KWEP {

using namespace PlayKeys;

namespace {

// The height of a digit of the block font, in world units at scale 1.
const float DIGIT_UNITS = 7.0f;

// A digit's height in percent of the window's height when HUD_TEXT_HEIGHT is
// missing or not above 0: 20 pixels in the smallest window.
const float DEFAULT_TEXT_HEIGHT = 4.2f;

float textHeight()
{
    const float percent = floatKey("HUD_TEXT_HEIGHT");
    return percent > 0.0f ? percent : DEFAULT_TEXT_HEIGHT;
}

// A view event that changes only the mode: every value is "keep".
void raiseViewMode(int mode)
{
    EVT::Event_View view(EVT::EVENT_VIEW, mode, Render::ViewData());
    raise(view);
}

} // namespace

glHUD::glHUD()
    : m_score(0), m_scorePosition(pointKey("SCORE_POS")), m_scoreDigits(intKey("SCORE_NUM_DIGITS", INT_MIN)),
      m_timerPosition(pointKey("TIMER_POS")), m_timerDigits(intKey("TIMER_NUM_DIGITS", INT_MIN)),
      m_textHeight(textHeight()), m_shownSeconds(-1), m_world(nullptr), m_renderer(nullptr)
{
}

glHUD::~glHUD() { delete m_renderer; }

void glHUD::setOn(bool on)
{
    Game::I_HUD::setOn(on);
    if (on)
        setScore(m_score);
    else if (m_renderer)
        m_renderer->clear();
}

void glHUD::setWorld(World* world) { m_world = world; }

void glHUD::setFont(Text3D::Font* font)
{
    delete m_renderer;
    m_renderer = createRenderer(font);
    setScore(m_score);
}

Text3D::TextRenderer* glHUD::createRenderer(const Text3D::Font* font)
{
    return new Text3D::TextRenderer(font, 40, 20);
}

void glHUD::setScore(int score)
{
    m_score = score;
    if (!m_renderer)
        return;
    m_renderer->clear();
    show(m_scorePosition, Util::numToStr<int>(score, 10, m_scoreDigits));
    m_shownSeconds = -1;
}

Text3D::TextObject* glHUD::show(const MathStuff::Vector3<float>& position, const std::string& text)
{
    return m_renderer->display(m_view.place(position.x, position.y), text.c_str(),
                               m_view.scaleFor(DIGIT_UNITS, m_textHeight));
}

// The view the letters are seen in: the play camera over the window the
// render controller draws. A change places the texts anew.
void glHUD::followView()
{
    Game::I_Game* game = Game::I_Game::instance();
    const Render::I_RenderController* render = game ? game->getRenderController() : nullptr;
    const Game::WorldItem* camera = m_world ? m_world->getCameraItem() : nullptr;
    HUDView view;
    if (!render || !camera)
        return;
    const Render::ViewData& data = render->getViewData();
    if (!HUDView::of(camera->getOrientation().position, data.fov, data.w, data.h, view) || view == m_view)
        return;
    m_view = view;
    setScore(m_score);
}

void glHUD::renderHUD()
{
    if (!m_world || !m_renderer)
        return;
    followView();
    raiseViewMode(EVT::Event_View::ORTHOGRAPHIC);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f); // pixel centres
    // Decorations share the kind: the first snowman listed counts.
    std::vector<unsigned long> ids;
    m_world->getItems("BOSS", ids);
    for (unsigned long id : ids) {
        if (const Snowman* snowman = dynamic_cast<const Snowman*>(m_world->findItem(id))) {
            // After the throw the timer lies at 0 or below, by as much as the
            // last frame overran it: the countdown stops at 0.
            showTimer(std::max(snowman->getThrowTimer(), 0) / 1000);
            break;
        }
    }
    raiseViewMode(EVT::Event_View::PERSPECTIVE);
}

void glHUD::showTimer(int seconds)
{
    if (seconds == m_shownSeconds)
        return;
    m_renderer->erase(1, 1); // the old timer, when there is one
    show(m_timerPosition, Util::numToStr<int>(seconds, 10, m_timerDigits));
    m_shownSeconds = seconds;
}

} // namespace KWEP
