#ifndef WORLDTESTS_PLAYFIXTURE_H
#define WORLDTESTS_PLAYFIXTURE_H

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "FakeRandom.h"
#include "LevelTestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/EventWithString.h"
#include "core/Event_Score.h"
#include "core/I_EventConsumer.h"
#include "physics/ChipmunkItem.h"
#include "physics/ChipmunkWorld.h"
#include "physics/ChipmunkWorldItem.h"
#include "world/GameStuff.h"
#include "world/World.h"

namespace PlayTests {

// One event heard on the bus: its id, its text (sound name, ending rule) or
// its points.
struct Heard {
    int id;
    std::string text;
    int points;
    bool operator==(const Heard& other) const
    {
        return id == other.id && text == other.text && points == other.points;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Heard& heard)
{
    return out << "{" << heard.id << " \"" << heard.text << "\" " << heard.points << "}";
}

inline Heard plain(int id) { return Heard{id, "", 0}; }
inline Heard sound(const std::string& name) { return Heard{EVT::EVENT_SOUND, name, 0}; }
inline Heard score(int points) { return Heard{EVT::EVENT_SCORE, "", points}; }
inline Heard withText(int id, const std::string& text) { return Heard{id, text, 0}; }

// Records the play events (sound, score, 36, 39 to 50) in arrival order.
class EventLog : public EVT::I_EventConsumer {
public:
    EventLog()
    {
        EVT::EventBus* bus = EVT::EventBus::instance();
        for (int id : {EVT::EVENT_SOUND, EVT::EVENT_SCORE, EVT::EVENT_SNOWMAN_DOWN})
            bus->addConsumer(id, this);
        for (int id = EVT::EVENT_SNOWMAN_MADE; id <= EVT::EVENT_GAME_OVER; ++id)
            bus->addConsumer(id, this);
    }
    void handleEvent(EVT::I_Event* event) override
    {
        Heard heard{event->getEventID(), "", 0};
        if (const EVT::EventWithString* text = EVT::eventCast<EVT::EventWithString>(event))
            heard.text = text->getString();
        if (const EVT::Event_Score* points = EVT::eventCast<EVT::Event_Score>(event))
            heard.points = points->points;
        heard_.push_back(heard);
    }
    // Everything heard since the last call.
    std::vector<Heard> take()
    {
        std::vector<Heard> all;
        all.swap(heard_);
        return all;
    }
    bool heardId(int id) const
    {
        for (const Heard& heard : heard_)
            if (heard.id == id)
                return true;
        return false;
    }

private:
    std::vector<Heard> heard_;
};

// Deletes a world item when the event reaches it, as a consumer that ends the
// level at once would.
class DeleteOnEvent : public EVT::I_EventConsumer {
public:
    DeleteOnEvent(KWEP::World& world, unsigned long id, int eventId) : m_world(world), m_id(id)
    {
        EVT::EventBus::instance()->addConsumer(eventId, this);
    }
    void handleEvent(EVT::I_Event*) override { delete m_world.findItem(m_id); }

private:
    KWEP::World& m_world;
    unsigned long m_id;
};

// The play items (fixtures play_*), every kind once.
inline const char* playItems()
{
    return "ITEM: P_GROUND LEVEL play_ground.cfg ITEM: P_HAND PLAYER play_hand.cfg"
           " ITEM: P_CARROT VEG play_carrot.cfg ITEM: P_SNOWMAN BOSS play_snowman.cfg"
           " ITEM: P_ONEPART BOSS play_onepart.cfg ITEM: P_ROCK ROCK play_rock.cfg"
           " ITEM: P_BANG BANG play_bang.cfg ITEM: P_BALL BALL play_ball.cfg"
           " ITEM: P_PLAIN CMWI play_rock.cfg";
}

// The play tuning of the fixtures. The keys read on first use must keep these
// values in every test of a process.
inline void setPlayKeys()
{
    static const char* const l_keys[][2] = {
        {"LETTER_CM_CFG", "play_letter.cfg"},
        {"CARROT_TAKE_AFTER_XPOS", "0"}, {"CARROT_HEALTH", "100"},
        {"SNOWMAN_IMPULSE_LIMIT_BASE", "50"}, {"SNOWMAN_IMPULSE_LIMIT_HEAD", "20"},
        {"CARROT_BANG_RULE", "BANG"}, {"CARROT_DEFAULT_BANG_TEXT", "SPLAT"}, {"CARROT_BANG_ITEM_NAME", "P_BANG"},
        {"CARROT_TO_BANG_VELO_MULT", "0.5"}, {"CARROT_TO_BANG_SPIN_MULT", "2"}, {"CARROT_BANG_ADJUST_YVEL", "100"},
        {"SNOWMAN_BALL_ITEM_NAME", "P_BALL"}, {"BALL_VEL_RANGE", "2"}, {"NUM_BALLS_BASE", "2"},
        {"SCORE_SPIN_RANGE", "3"}, {"SCORE_YVEL_MIN", "80"}, {"SCORE_YVEL_MAX", "160"}, {"SCORE_XVEL_LIMIT", "60"},
        {"TEXT_SPACING", "8,0"},
        {"SNOWMAN_ROCK_ITEM_NAME", "P_ROCK"}, {"ROCK_Y_ADJUST", "0"}, {"ROCK_X_VEL", "5"}, {"ROCK_SPIN", "4"},
        {"THROW_DIST_ADJUST", "0"}, {"THROW_HEIGHT_ADJUST", "0"},
        {"SNOWMAN_ITEM", "P_SNOWMAN"}, {"SNOWMAN_MIN_X", "120"}, {"SNOWMAN_MAX_X", "320"},
        {"SNOWMAN_XRANGE", "40"}, {"SNOWMAN_XCHG_PER_LEVEL", "40"}, {"SNOWMAN_Y", "0"},
        {"SNOWMAN_THROW_DELAY_MAX", "10000"}, {"SNOWMAN_THROW_DELAY_DEC", "1500"},
        {"SNOWMAN_THROW_DELAY_MIN", "4000"}, {"SNOWMAN_FALL_END_DELAY", "3000"},
        {"SNOWMAN_BANG_END_DELAY", "2500"}, {"SHOW_BONUS_TIMER", "1500"}, {"BONUS_POS", "0,200"},
        {"BONUS_PREFIX", "BONUS "}, {"BONUS_YVEL", "60"},
        {"HIT_END_DELAY", "2000"}, {"LOST_GAME_RULE", "LOST"},
        {"BANG_SCALE_MOVE", "0.25"}, {"BANG_SCALE_LIMIT", "0.3"}, {"BANG_SECS_LIMIT", "3"},
        {"BALL_SCALE_MOVE", "0.25"}, {"BALL_SCALE_LIMIT", "0.3"}, {"BALL_SECS_MIN", "2"}, {"BALL_SECS_MAX", "5"},
    };
    for (const auto& key : l_keys)
        WorldTests::LevelTestGame::setKey(key[0], key[1]);
}

// A KWEP::World with the play items and the level of ground and hand, run in
// the test data folder with a fake random source.
class PlayFixture : public ::testing::Test {
protected:
    typedef MathStuff::Vector3<float> Vec;
    typedef Physics::ChipmunkItem::XYPart XY;

    PlayFixture() : world(new KWEP::World), game(world), random(new TestSupport::FakeRandom)
    {
        setPlayKeys();
        game.game.setRNG(random);
        KWEP::GameStuff::setLevelCount(0);
        KWEP::GameStuff::setSpurter(nullptr);
    }
    void SetUp() override
    {
        ASSERT_EQ(chdir(FRELMORY_TEST_DATA_DIR), 0);
        world->defineItems(playItems());
        ASSERT_TRUE(world->genisis("play_level.cfg"));
    }

    static void setKey(const std::string& key, const std::string& value)
    {
        WorldTests::LevelTestGame::setKey(key, value);
    }
    // The one live item of the kind; null unless exactly one.
    template <typename T = Physics::ChipmunkWorldItem>
    T* only(const std::string& kind)
    {
        std::vector<unsigned long> ids;
        if (world->getItems(kind, ids) != 1)
            return nullptr;
        return dynamic_cast<T*>(world->findItem(ids[0]));
    }
    int count(const std::string& kind)
    {
        std::vector<unsigned long> ids;
        return world->getItems(kind, ids);
    }
    template <typename T = Physics::ChipmunkWorldItem>
    T* add(const std::string& name, float x, float y)
    {
        return dynamic_cast<T*>(world->addItem(name, Vec(x, y, 0.0f), 0.0f));
    }
    // Still listed; the pointer is only compared.
    bool alive(const Game::WorldItem* item)
    {
        bool found = false;
        world->walkItems([&](Game::WorldItem* listed) { found = found || listed == item; });
        return found;
    }

    KWEP::World* world; // owned by the game root
    WorldTests::LevelTestGame game;
    TestSupport::FakeRandom* random; // owned by the game root
    EventLog log;
};

// Every body's position.
inline std::vector<MathStuff::Vector3<float> > bodyPositions(const Physics::ChipmunkItem& item)
{
    std::vector<MathStuff::Orientation<float> > bodies;
    item.getPositions(bodies);
    std::vector<MathStuff::Vector3<float> > positions;
    for (const auto& body : bodies)
        positions.push_back(body.position);
    return positions;
}

inline std::vector<Physics::ChipmunkItem::XYPart> bodyVelocities(const Physics::ChipmunkItem& item)
{
    std::vector<Physics::ChipmunkItem::XYPart> velocities;
    item.getVelocities(velocities);
    return velocities;
}

} // namespace PlayTests

#endif
