#ifndef INPUT_SCREEN_H
#define INPUT_SCREEN_H

#include "core/I_EventConsumer.h"

namespace Devices
{
    // The window's size in pixels, kept from the screen event (13).
    class Screen : public EVT::I_EventConsumer
    {
    public:
        Screen(int width, int height);
        ~Screen() override;

        void handleEvent(EVT::I_Event* event) override;

        int getWidth() const { return m_width; }
        int getHeight() const { return m_height; }

    private:
        int m_width;
        int m_height;
    };
}

#endif
