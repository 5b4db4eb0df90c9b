#ifndef TESTS_INPUT_FAKEAREARENDERER_H
#define TESTS_INPUT_FAKEAREARENDERER_H

#include "input/I_ScreenAreaRenderer.h"
#include "input/Screen.h"

#include <string>
#include <vector>

// Records what the input layer draws, over a screen of a fixed size.
class FakeAreaRenderer : public Input::I_ScreenAreaRenderer
{
public:
    struct Box
    {
        float left, top, width, height;
        unsigned long colour;
        int iconId;
    };

    FakeAreaRenderer(int width = 200, int height = 100) : m_screen(width, height) {}

    const Devices::Screen* getScreen() const override { return &m_screen; }
    void startRender() override { calls += "start "; }
    void stopRender() override { calls += "stop"; }
    void drawBox(float left, float top, float width, float height, unsigned long colour, int iconId) override
    {
        calls += "box ";
        boxes.push_back({left, top, width, height, colour, iconId});
    }

    std::string calls;
    std::vector<Box> boxes;

private:
    Devices::Screen m_screen;
};

#endif
