#ifndef FRELMORY_TESTS_CLIENT_MENUSFIXTURE_H
#define FRELMORY_TESTS_CLIENT_MENUSFIXTURE_H

#include <string>
#include <vector>

#include "FakeModelMaker.h"
#include "TestGame.h"
#include "TestWorld.h"
#include "client/Config.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_ConfigChange.h"
#include "core/I_EventConsumer.h"

namespace MenusTest {

// A game root with the game's option keys at their defaults, a world and a
// model maker that knows the font "Font_Test".
class MenusGame : public TestSupport::TestGame {
public:
    MenusGame() : TestSupport::TestGame(false), maker(new TestSupport::FakeModelMaker)
    {
        setConfig(new KWEP::Config);
        setWorld(new TestSupport::TestWorld);
        setModelMaker(maker);
        maker->files["Font_Test"] = {"0000", "A"};
    }

    TestSupport::FakeModelMaker* maker;
};

// The option keys announced with event 21, in order.
class ConfigRecorder : public EVT::I_EventConsumer {
public:
    ConfigRecorder() { EVT::EventBus::instance()->addConsumer(EVT::EVENT_CONFIGCHANGE, this); }

    void handleEvent(EVT::I_Event* event) override
    {
        const EVT::Event_ConfigChange* change = EVT::eventCast<EVT::Event_ConfigChange>(event);
        keys.push_back(change != nullptr ? change->key : -1);
    }

    std::vector<int> keys;
};

inline std::string fixture(const std::string& name)
{
    return std::string(FRELMORY_TEST_DATA_DIR) + "/" + name;
}

} // namespace MenusTest

#endif
