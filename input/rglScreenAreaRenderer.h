#ifndef INPUT_RGLSCREENAREARENDERER_H
#define INPUT_RGLSCREENAREARENDERER_H

#include "input/I_ScreenAreaRenderer.h"

namespace KWEP
{
    // Draws the on-screen areas with OpenGL 1.1 immediate mode: switches the
    // render back end to its orthographic pixel projection, blends additively and
    // draws each area as a translucent shape picked by its icon id.
    class rglScreenAreaRenderer : public Input::I_ScreenAreaRenderer
    {
    public:
        // The screen is not owned and must outlive the renderer.
        explicit rglScreenAreaRenderer(const Devices::Screen* screen);
        ~rglScreenAreaRenderer() override = default;

        rglScreenAreaRenderer(const rglScreenAreaRenderer&) = delete;
        rglScreenAreaRenderer& operator=(const rglScreenAreaRenderer&) = delete;

        const Devices::Screen* getScreen() const override;
        // Raises the view event for the orthographic projection (every view value
        // kept), sets the modelview to a half-pixel offset and turns on additive
        // blending. Leaves them so until the next render pass sets its own.
        void startRender() override;
        // Turns blending off.
        void stopRender() override;
        void drawBox(float left, float top, float width, float height,
                     unsigned long colour, int iconId) override;
        // While hidden nothing is drawn: a page of text is not for the play's
        // areas to cover. Shown at first.
        void setHidden(bool hidden);

    private:
        const Devices::Screen* m_screen;
        bool m_hidden;
    };
}

#endif
