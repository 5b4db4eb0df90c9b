#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ExpectVector.h"
#include "WorldFixture.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Camera.h"
#include "core/Event_Effect.h"
#include "core/Event_Scissor.h"
#include "core/Event_View.h"
#include "core/Event_Viewport.h"
#include "physics/ChipmunkWorld.h"
#include "shell/CameraItem.h"
#include "shell/Font.h"
#include "shell/TextObject.h"
#include "world/CarrotCamera.h"

namespace {

using TestSupport::expectVec;
using WorldTests::LevelTestGame;
using WorldTests::WorldFixture;

typedef MathStuff::Vector3<float> Vec;
typedef std::vector<std::string> Log;

std::string vec(const Vec& v)
{
    std::ostringstream out;
    out << v.x << "," << v.y << "," << v.z;
    return out.str();
}

// Writes the drawing events (camera, view, viewport, scissor, effect) and the
// items drawn into one log, in the order they come.
class Recorder : public EVT::I_EventConsumer {
public:
    explicit Recorder(Log& log) : m_log(log)
    {
        for (int id : {EVT::EVENT_CAMERA, EVT::EVENT_VIEW, EVT::EVENT_VIEWPORT, EVT::EVENT_SCISSOR, EVT::EVENT_EFFECT})
            EVT::EventBus::instance()->addConsumer(id, this);
    }
    void handleEvent(EVT::I_Event* event) override
    {
        std::ostringstream out;
        if (auto* c = EVT::eventCast<EVT::Event_Camera>(event))
            out << "camera " << vec(c->position) << " " << vec(c->direction) << " " << vec(c->up);
        else if (auto* v = EVT::eventCast<EVT::Event_View>(event))
            out << "view " << v->mode << " " << v->view.near << " " << v->view.far << " " << v->view.fov << " "
                << v->view.x << " " << v->view.y << " " << v->view.w << " " << v->view.h << " "
                << v->view.zoomX << " " << v->view.zoomY << " " << v->view.vsync;
        else if (auto* p = EVT::eventCast<EVT::Event_Viewport>(event))
            out << "viewport " << p->x << " " << p->y << " " << p->width << " " << p->height;
        else if (auto* s = EVT::eventCast<EVT::Event_Scissor>(event))
            out << "scissor " << s->enable << " " << s->x << " " << s->y << " " << s->width << " " << s->height;
        else if (auto* e = EVT::eventCast<EVT::Event_Effect>(event))
            out << "effect " << e->maxLineWidth;
        m_log.push_back(out.str());
    }

private:
    Log& m_log;
};

// A world item that logs its drawing.
class Drawn : public Game::WorldItem {
public:
    explicit Drawn(Log& log) : Game::WorldItem(nullptr), m_log(log) {}
    void handleEvent(EVT::I_Event*) override {}
    void draw(std::vector<MathStuff::Orientation<float> >&) override { m_log.push_back("draw"); }

private:
    Log& m_log;
};

const char* const KEEP_VIEW = "view 1 0 0 0 -1 -1 0 0 0 0 -1";
const char* const MAP_VIEWPORT = "viewport 160 6 480 132"; // 800 x 600
const char* const SCISSOR_ON = "scissor 1 0 150 800 450";
const char* const SCISSOR_OFF = "scissor 0 0 0 0 0";

class WorldView : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        for (const auto& key : std::vector<std::pair<const char*, const char*> >{
                 {"VIEW_HEIGHT_SCISSOR_PERCENT", "75"}, {"PAUSE_MAX_Z", "2000"}, {"MAP_WIDTH_PERCENT", "60"},
                 {"MAP_HEIGHT_PERCENT", "22"}, {"MAP_GAP_PERCENT", "1"}, {"MAP_MIN_Z", "1"},
                 {"MAP_MAX_Z", "3000"}, {"TEXT_SPACING", "8,0"}, {"TEXT_SCALE", "1,2,3"},
                 {"TEXT_OFFSET", "2,3,4"}, {"ZOOM_TRACKER_MIN", "1"}, {"ZOOM_TRACKER_DIV_M", "0.4"},
                 {"ZOOM_TRACKER_MULT_C", "1.5"}})
            LevelTestGame::setKey(key.first, key.second);
        world->defineItems("");
        camera->setOrientation(eye(Vec(0, 100, 700)));
    }

    static MathStuff::Orientation<float> eye(const Vec& position)
    {
        MathStuff::Orientation<float> at;
        at.position = position;
        at.direction = Vec(0, 0, -1);
        at.up = Vec(0, 1, 0);
        return at;
    }

    Log render()
    {
        log.clear();
        world->renderWorld();
        return log;
    }

    Log log;
    Recorder recorder{log};
    // Listed in the world, which deletes them.
    Game::CameraItem* camera = new Game::CameraItem;
    Drawn* drawn = new Drawn(log);
};

} // namespace

TEST_F(WorldView, PlayPassIsScissoredToTheTopOfTheWindowDuringALevel)
{
    world->setCameraItem(camera);
    const Log unscissored{KEEP_VIEW, "camera 0,100,700 0,0,-1 0,1,0", "draw", "effect 1", "effect -1", KEEP_VIEW};
    EXPECT_EQ(render(), unscissored);

    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    EXPECT_EQ(render(), (Log{SCISSOR_ON, KEEP_VIEW, "camera 0,100,700 0,0,-1 0,1,0", "draw", SCISSOR_OFF,
                             "effect 1", "effect -1", KEEP_VIEW}));
    EXPECT_TRUE(game.render.saved.empty());
}

TEST_F(WorldView, PercentsFarOutOfRangeGivePixelsHeldToTheIntRange)
{
    LevelTestGame::setKey("VIEW_HEIGHT_SCISSOR_PERCENT", "-1e30");
    LevelTestGame::setKey("MAP_WIDTH_PERCENT", "1e30");
    LevelTestGame::setKey("MAP_HEIGHT_PERCENT", "1e38");
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    world->setCameraItem(camera);
    KWEP::CarrotCamera map;
    world->addCamera(&map);
    const Log frame = render();
    EXPECT_EQ(frame.front(), "scissor 1 0 2147483647 800 -2147483648");
    EXPECT_EQ(frame[6], "viewport -2147483648 6 2147483647 2147483647");
    world->removeCamera(&map);
}

TEST_F(WorldView, StasisDrawsUnscissoredToThePauseFarPlane)
{
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    world->setCameraItem(camera);
    world->stasis(true);
    EXPECT_TRUE(world->inStasis());
    EXPECT_EQ(render(), (Log{"view 1 0 2000 0 -1 -1 0 0 0 0 -1", "camera 0,100,700 0,0,-1 0,1,0", "draw",
                             "effect 1", "effect -1", KEEP_VIEW}));
    // The far plane of the pause is dropped with the view data popped.
    EXPECT_EQ(game.render.view.far, 1000.0f);
    world->stasis(false);
    EXPECT_EQ(render().front(), SCISSOR_ON);
}

TEST_F(WorldView, MapCamerasShareOneRectangleAndUseLastFramesZoom)
{
    ASSERT_TRUE(world->genisis("level_empty.cfg"));
    KWEP::CarrotCamera first, second;
    first.setOrientation(eye(Vec(0, -30, 800)));
    second.setOrientation(eye(Vec(10, 20, 30)));
    Game::MoveableItem carrot(nullptr), snowman(nullptr);
    snowman.getOrientation().position = Vec(1280, 0, 0); // zoom 640 / 320 = 2
    first.setTrackedItems(&carrot, &snowman);
    world->addCamera(&first);
    world->addCamera(nullptr);
    world->addCamera(&second);
    ASSERT_EQ(world->getCameraList().size(), 2u);

    // No camera item: no main pass. The view is centred on the camera:
    // moved aside by half the viewport's width.
    const Log firstFrame = render();
    const Log expected{"effect 1",
                       MAP_VIEWPORT,
                       "view 0 1 3000 0 160 6 480 132 1 1 1",
                       "camera 400,-30,800 0,0,-1 0,1,0",
                       "draw",
                       MAP_VIEWPORT,
                       "view 0 1 3000 0 160 6 480 132 1 1 1",
                       "camera -230,20,30 0,0,-1 0,1,0",
                       "draw",
                       "effect -1",
                       KEEP_VIEW};
    EXPECT_EQ(firstFrame, expected);
    EXPECT_EQ(render()[2], "view 0 1 3000 0 160 6 480 132 2 2 1");
    EXPECT_EQ(game.render.view.w, 800);
    EXPECT_EQ(game.render.view.near, 1.0f);

    world->removeCamera(&first);
    world->removeCamera(&first);
    EXPECT_EQ(world->getCameraList(), (std::list<Game::I_CameraItem*>{&second}));
}

TEST_F(WorldView, TextIsCentredOnItsFlyingLetter)
{
    Text3D::Font font("none");
    const Physics::ChipmunkItem::XYPart still;
    EXPECT_EQ(world->addText("1", Vec(0, 0, 0), 1, 0, still, 0), nullptr); // no font
    world->setFont(&font);
    EXPECT_EQ(world->addText("1", Vec(0, 0, 0), 1, 0, still, 0), nullptr); // no level
    ASSERT_TRUE(world->genisis("level_empty.cfg"));

    Text3D::TextObject* one = world->addText("7", Vec(50, 60, 9), 2.0f, 0, Physics::ChipmunkItem::XYPart(30, 40), 5);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->getText(), "7");
    expectVec(one->getOrientation().position, 2, 3, 13);
    expectVec(one->getOrientation().direction, 0, 0, -1);
    expectVec(one->getOrientation().scale, 2, 4, 6);
    Text3D::TextObject* three = world->addText("abc", Vec(-50, 60, 0), 1.0f, 0, still, 0);
    ASSERT_NE(three, nullptr);
    expectVec(three->getOrientation().position, -6, 3, 4);
    EXPECT_EQ(three->getLetters().size(), 3u);

    // The letter carries the velocity and spin given.
    Physics::ChipmunkItem* letter = world->getPhysicsWorld()->mouseGrab(50, 60, false);
    ASSERT_NE(letter, nullptr);
    std::vector<Physics::ChipmunkItem::XYPart> velocities;
    std::vector<float> spins;
    letter->getVelocities(velocities);
    letter->getSpins(spins);
    ASSERT_EQ(velocities.size(), 1u);
    EXPECT_FLOAT_EQ(velocities[0].x, 30);
    EXPECT_FLOAT_EQ(velocities[0].y, 40);
    EXPECT_FLOAT_EQ(spins[0], 5);
    world->getPhysicsWorld()->mouseRelease();
    world->update(16);
    world->apocalypse(); // texts, letters, then the physics world
}

TEST_F(WorldView, TextsShrinkAwayAfterTheirLifeAndAFloatingTextKeepsItsVelocity)
{
    LevelTestGame::setKey("TEXT_SECS_LIMIT", "0.5");
    LevelTestGame::setKey("TEXT_SCALE_MOVE", "0.25");
    Text3D::Font font("none");
    world->setFont(&font);
    ASSERT_TRUE(world->genisis("level_empty.cfg")); // gravity (0, -100)
    const auto items = [this] {
        int n = 0;
        world->walkItems([&n](Game::WorldItem*) { ++n; });
        return n;
    };
    const int before = items();
    Text3D::TextObject* falling = world->addText("ab", Vec(0, 100, 0), 1, 0, Physics::ChipmunkItem::XYPart(), 0);
    ASSERT_NE(world->addFloatingText("up", Vec(100, 100, 0), 1, Physics::ChipmunkItem::XYPart(0, 60)), nullptr);
    ASSERT_NE(falling, nullptr);
    EXPECT_EQ(items(), before + 4);

    // Half a second and one update more: the floating text rose 30.6 units,
    // the falling one fell.
    for (int n = 0; n < 32; ++n)
        world->update(16);
    Physics::ChipmunkWorld& physics = *world->getPhysicsWorld();
    EXPECT_NE(physics.mouseGrab(100, 100 + 60 * 0.512f, false), nullptr) << "floated up";
    physics.mouseRelease();
    EXPECT_EQ(physics.mouseGrab(0, 100, false), nullptr) << "fell";
    expectVec(falling->getLetters()[0]->getOrientation().scale, 1, 2, 3);

    world->update(16); // the life is over: a quarter of the size goes per update
    expectVec(falling->getLetters()[1]->getOrientation().scale, 0.75f, 1.5f, 2.25f);
    world->update(16);
    world->update(16);
    EXPECT_EQ(items(), before + 4);
    world->update(16);
    EXPECT_EQ(items(), before) << "letters gone";
    EXPECT_EQ(physics.mouseGrab(100, 100 + 60 * 0.576f, false), nullptr) << "letter items gone";
    world->apocalypse();
}

TEST_F(WorldView, TextNeedsALetterWithBodies)
{
    Text3D::Font font("none");
    const Physics::ChipmunkItem::XYPart still;
    for (const char* letterFile : {"level_missing.cfg", "level_deco.cfg"}) {
        KWEP::World* other = new KWEP::World;
        LevelTestGame::setKey("LETTER_CM_CFG", letterFile);
        testing::internal::CaptureStderr();
        other->defineItems("");
        const std::string errors = testing::internal::GetCapturedStderr();
        if (std::string(letterFile) == "level_missing.cfg") {
            EXPECT_NE(errors.find("LETTER_CM_CFG"), std::string::npos) << errors;
        }
        other->setFont(&font);
        ASSERT_TRUE(other->genisis("level_empty.cfg"));
        EXPECT_EQ(other->addText("12", Vec(0, 0, 0), 1, 0, still, 0), nullptr) << letterFile;
        EXPECT_EQ(other->getPhysicsWorld()->mouseGrab(0, 0, false), nullptr);
        delete other;
    }
}
