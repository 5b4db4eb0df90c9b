#ifndef KWEP_MENUBAND_H
#define KWEP_MENUBAND_H

#include <vector>

namespace Input { class I_ScreenAreaRenderer; class ScreenArea; }
namespace Text3D { class TextObject; }

namespace KWEP {

// The mark of the current menu line: a filled band with a brighter frame
// around the line's letters, in a colour no other line has. It is drawn
// through the on-screen area renderer, in percent of the screen, so every
// input profile shows the same mark whatever areas it draws itself.
class MenuBand {
public:
    // A rectangle in percent of the screen, from its top-left corner.
    struct Box {
        float left;
        float top;
        float width;
        float height;
    };

    // Fill and frame colours, 0xRRGGBBAA; the renderer adds them to the
    // picture, so over the dark menu background they show as a blue band.
    static const unsigned long FILL_COLOUR = 0x1c3c9cffUL;
    static const unsigned long FRAME_COLOUR = 0x5a8cffffUL;

    // The box around a text's letters as the menu camera sees them: the
    // camera at the origin looking along -z, with the vertical field of view
    // in degrees and the window's width over its height. It fills the text's
    // rows around its letter positions and holds all the letter models take
    // (lettersOf). False, and the box untouched, when the text is empty, lies
    // behind the camera or the view is not usable.
    static bool boxOf(const Text3D::TextObject& text, float fovDegrees, float aspect, Box& box);

    // The box the text's letter models take, each corner of each model's
    // bounds placed as its letter stands, by the same view; no margins. False
    // when no letter has a model with points, or the view is not usable.
    static bool lettersOf(const Text3D::TextObject& text, float fovDegrees, float aspect, Box& box);

    // What an on-screen area shows of itself, in percent of a window of the
    // aspect: a frame its border, half a percent of the width thick, any other
    // icon its whole rectangle, and an area drawn in no colour at all nothing.
    static std::vector<Box> shapesOf(const Input::ScreenArea& area, float aspect);
    static bool overlap(const Box& a, const Box& b);

    // Draws the band over the box; a null renderer draws nothing.
    static void draw(Input::I_ScreenAreaRenderer* renderer, const Box& box);

private:
    // World units around the text: left of its first letter, right of its
    // last letter's position, below and above its lines' positions.
    struct Margins {
        float left;
        float right;
        float below;
        float above;
    };
    static bool project(const Text3D::TextObject& text, float fovDegrees, float aspect,
                        const Margins& margins, Box& box);
};

} // namespace KWEP

#endif
