#ifndef INPUT_I_SCREENAREARENDERER_H
#define INPUT_I_SCREENAREARENDERER_H

namespace Devices
{
    class Screen;
}

namespace Input
{
    // Draws the on-screen areas for the input layer, which knows no graphics library.
    // Rectangles are in percent of the screen, from the top-left corner; colours are
    // 0xRRGGBBAA. Owners delete renderers through this interface.
    class I_ScreenAreaRenderer
    {
    public:
        virtual ~I_ScreenAreaRenderer() = default;

        // The screen whose pixel size measures the percent coordinates.
        virtual const Devices::Screen* getScreen() const = 0;
        virtual void startRender() = 0;
        virtual void stopRender() = 0;
        virtual void drawBox(float left, float top, float width, float height,
                             unsigned long colour, int iconId) = 0;
    };
}

#endif
