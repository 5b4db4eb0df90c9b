#ifndef PLAYTHROUGH_PLAYRIG_H
#define PLAYTHROUGH_PLAYRIG_H

#include <unistd.h>

#include <string>
#include <vector>

#include "FakeRandom.h"
#include "LevelTestGame.h"
#include "core/CFG.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Score.h"
#include "core/I_EventConsumer.h"
#include "core/Info.h"
#include "core/PointsString.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorld.h"
#include "physics/ChipmunkWorldItem.h"
#include "world/GameStuff.h"
#include "world/World.h"

namespace PlayThrough {

// One level of the shipped content as the game client runs it: the main
// configuration (with an optional settings file over it), the item
// definitions, the level and its snowman, stepped at 60 frames a second. The
// hand is driven as the grab hand drives the physics world: grabs and
// releases at a point of the plane of play.
class PlayRig : public EVT::I_EventConsumer {
public:
    // Frame lengths of a 60 Hz frame clock that reports whole milliseconds.
    static long clockFrameMs(int frame) { return frame % 3 == 2 ? 16 : 17; }
    // The length of the frame: fixed when a length was given, else the clock's.
    long frameMs(int frame) const { return fixedFrameMs > 0 ? fixedFrameMs : clockFrameMs(frame); }

    // The level number sets how far the snowman stands and how soon it throws.
    explicit PlayRig(const std::string& settings = "", float snowmanRandom = 0.5f, long fixedFrameMs = 0,
                     int level = 0)
        : world(new KWEP::World), game(world), random(new TestSupport::FakeRandom({snowmanRandom})),
          fixedFrameMs(fixedFrameMs)
    {
        game.game.setRNG(random);
        EVT::EventBus* bus = EVT::EventBus::instance();
        for (int id : {EVT::EVENT_SCORE, EVT::EVENT_SNOWMAN_DOWN, EVT::EVENT_GAME_OVER})
            bus->addConsumer(id, this);
        CFG::getDefaultOverrides()->reset();
        ready = chdir(FRELMORY_SOURCE_DIR) == 0 && (settings.empty() || addSettings(settings))
                && CFG::setConfig("KWEP.cfg");
        if (!ready)
            return;
        world->defineItems(CFG::get("ALL_ITEMS"));
        ready = world->genisis(CFG::get("LEVEL_FILE"));
        KWEP::GameStuff::setLevelCount(level);
        if (ready)
            KWEP::GameStuff::createSnowman(world);
    }
    ~PlayRig() override
    {
        EVT::EventBus::instance()->removeConsumer(this);
        CFG::getDefaultOverrides()->reset();
    }

    // The settings file goes into the override layer, as the program loads it.
    static bool addSettings(const std::string& file) { return CFG::getDefaultOverrides()->addConfig(file); }

    void handleEvent(EVT::I_Event* event) override
    {
        const int id = event->getEventID();
        if (id == EVT::EVENT_SCORE) {
            if (const EVT::Event_Score* points = EVT::eventCast<EVT::Event_Score>(event))
                score += points->points;
            if (firstHitMs < 0)
                firstHitMs = elapsedMs;
        } else if (id == EVT::EVENT_SNOWMAN_DOWN && clearedMs < 0) {
            clearedMs = elapsedMs;
        } else if (id == EVT::EVENT_GAME_OVER && overMs < 0) {
            overMs = elapsedMs;
            if (const EVT::EventWithString* text = EVT::eventCast<EVT::EventWithString>(event))
                overRule = text->getString();
        }
    }

    // The point of the plane of play under the centre of the screen: the
    // main camera rides on the hand, offset by CAMERA_XYZ and looking along -z.
    static MathStuff::Vector3<float> centrePick(const MathStuff::Vector3<float>& hand)
    {
        std::vector<MathStuff::Vector3<float> > offset;
        MathStuff::PointsString(0.0f, false).parse(CFG::get("CAMERA_XYZ"), offset, false);
        const MathStuff::Vector3<float> camera = offset.empty() ? MathStuff::Vector3<float>() : offset[0];
        return MathStuff::Vector3<float>(hand.x + camera.x, hand.y + camera.y, 0.0f);
    }

    void frame()
    {
        world->update(frameMs(frames));
        elapsedMs += frameMs(frames);
        ++frames;
    }
    void runUntilMs(long ms)
    {
        while (elapsedMs < ms)
            frame();
    }
    void moveTo(float x, float y) { world->getPhysicsWorld()->mouseMove(x, y); }
    bool grab(float x, float y)
    {
        moveTo(x, y);
        return world->getPhysicsWorld()->mouseGrab(x, y, false) != nullptr;
    }
    bool release() { return world->getPhysicsWorld()->mouseRelease() != nullptr; }

    KWEP::World* world; // owned by the game root
    WorldTests::LevelTestGame game;
    TestSupport::FakeRandom* random; // owned by the game root
    long fixedFrameMs;
    bool ready = false;
    int frames = 0;
    long elapsedMs = 0;
    int score = 0;
    long firstHitMs = -1;
    long clearedMs = -1;
    long overMs = -1;
    std::string overRule;
};

} // namespace PlayThrough

#endif
