#include "input/rglScreenAreaRenderer.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_View.h"
#include "input/Screen.h"
#include "input/ScreenAreaShape.h"

#include <GL/gl.h>

#include <cstddef>
#include <vector>

namespace KWEP
{
    rglScreenAreaRenderer::rglScreenAreaRenderer(const Devices::Screen* screen)
        : m_screen(screen), m_hidden(false)
    {
    }

    void rglScreenAreaRenderer::setHidden(bool hidden)
    {
        m_hidden = hidden;
    }

    const Devices::Screen* rglScreenAreaRenderer::getScreen() const
    {
        return m_screen;
    }

    void rglScreenAreaRenderer::startRender()
    {
        // A default view record keeps every value: the render back end only switches
        // to its orthographic projection over the current view, in window pixels.
        EVT::Event_View view(EVT::EVENT_VIEW, EVT::Event_View::ORTHOGRAPHIC, Render::ViewData());
        EVT::EventBus::instance()->raiseEvent(&view, false);

        // Half a pixel in, so that shape edges on whole pixels cover whole pixels.
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.5f, 0.5f, 0.0f);

        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }

    void rglScreenAreaRenderer::stopRender()
    {
        glDisable(GL_BLEND);
    }

    void rglScreenAreaRenderer::drawBox(float left, float top, float width, float height,
                                        unsigned long colour, int iconId)
    {
        if (!m_screen || m_hidden)
            return;
        const ScreenAreaShape shape =
            ScreenAreaShape::build(left, top, width, height, static_cast<float>(m_screen->getWidth()),
                                   static_cast<float>(m_screen->getHeight()), iconId);

        glColor4ub(static_cast<GLubyte>((colour >> 24) & 255), static_cast<GLubyte>((colour >> 16) & 255),
                   static_cast<GLubyte>((colour >> 8) & 255), static_cast<GLubyte>(colour & 255));

        // The vertices go with the calls, not as a client array: Mesa's no-op
        // driver, which the frame benchmark runs on, reads and writes past the
        // end of client array memory and so corrupts the heap.
        const std::vector<float>& xy = shape.vertices();
        glBegin(shape.primitive() == ScreenAreaShape::LINE_LOOP ? GL_LINE_LOOP : GL_TRIANGLES);
        for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
            glVertex2f(xy[i], xy[i + 1]);
        glEnd();
    }
}
