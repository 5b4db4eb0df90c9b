#include "input/Keyboard.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Key.h"
#include "core/I_Event.h"

namespace Devices
{
    struct Keyboard::Impl
    {
        static const int KEY_COUNT = 256;

        bool down[KEY_COUNT] = {};
        EVT::I_Event* pressBindings[KEY_COUNT] = {};     // owned clones, null when unbound
        EVT::I_Event* releaseBindings[KEY_COUNT] = {};

        static void bind(EVT::I_Event*& slot, const EVT::I_Event& event)
        {
            delete slot;
            slot = event.clone();
        }

        static void raise(EVT::I_Event* event)
        {
            if (event)
                EVT::EventBus::instance()->raiseEvent(event, false);
        }

        void unbindAll()
        {
            for (int i = 0; i < KEY_COUNT; ++i)
            {
                delete pressBindings[i];
                delete releaseBindings[i];
                pressBindings[i] = nullptr;
                releaseBindings[i] = nullptr;
            }
        }

        // Raises the key's binding when its state changes.
        void edge(unsigned char key, bool pressed)
        {
            if (down[key] == pressed)
                return;
            down[key] = pressed;
            raise(pressed ? pressBindings[key] : releaseBindings[key]);
        }
    };

    Keyboard::Keyboard() : m_impl(new Impl)
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_KEY, this);
    }

    Keyboard::~Keyboard()
    {
        m_impl->unbindAll();
    }

    void Keyboard::handleEvent(EVT::I_Event* event)
    {
        const EVT::Event_Key* key = EVT::eventCast<EVT::Event_Key>(event);
        if (!key)
            return;
        m_impl->edge(key->key, key->pressed);
        // The pseudo-keys follow the modifier mask of every key event.
        m_impl->edge(KEY_SHIFT, (key->modifiers & MOD_SHIFT) != 0);
        m_impl->edge(KEY_ALT, (key->modifiers & MOD_ALT) != 0);
        m_impl->edge(KEY_CTRL, (key->modifiers & MOD_CTRL) != 0);
    }

    void Keyboard::reset()
    {
        for (bool& flag : m_impl->down)
            flag = false;
        m_impl->unbindAll();
    }

    void Keyboard::doKey(KeyCode key, bool pressed)
    {
        m_impl->edge(key, pressed);
    }

    void Keyboard::addKeyPressEvent(KeyCode key, const EVT::I_Event& event)
    {
        Impl::bind(m_impl->pressBindings[key], event);
    }

    void Keyboard::addKeyReleaseEvent(KeyCode key, const EVT::I_Event& event)
    {
        Impl::bind(m_impl->releaseBindings[key], event);
    }

    bool Keyboard::isKeyDown(KeyCode key) const
    {
        return m_impl->down[key];
    }
}
