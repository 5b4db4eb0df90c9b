#include <gtest/gtest.h>

#include <chipmunk/chipmunk.h>

#include <limits>
#include <vector>

#include "PlayFixture.h"
#include "core/Event_Update.h"
#include "shell/MoveableItem.h"
#include "world/CarrotCamera.h"
#include "world/Player.h"

namespace {

using namespace PlayTests;
typedef MathStuff::Vector3<float> Vec;

// The hand of the play level, its world set, under a camera at (100, 50, 500)
// looking down -z.
class GrabHand : public PlayFixture {
protected:
    void SetUp() override
    {
        PlayFixture::SetUp();
        hand = only<KWEP::Player>("PLAYER");
        ASSERT_NE(hand, nullptr);
        hand->setWorld(world);
        camera = new Game::MoveableItem(nullptr);
        MathStuff::Orientation<float> at;
        at.position = Vec(100, 50, 500);
        camera->setOrientation(at);
        world->setCameraItem(camera);
        aimAt(100, 50);
    }
    // The pick ray runs from the camera to (x, y, 0).
    void aimAt(float x, float y) { game.render.pickRay = Vec(x - 100, y - 50, -500); }
    void raiseAction(int id, const char* text)
    {
        EVT::EventWithString action(id, text);
        EVT::EventBus::instance()->raiseEvent(&action, false);
    }
    // One frame: the update event, then the world's step.
    void frame()
    {
        EVT::Event_Update update(EVT::EVENT_UPDATE, 16);
        EVT::EventBus::instance()->raiseEvent(&update, false);
        world->update(16);
    }

    KWEP::Player* hand = nullptr;
    Game::MoveableItem* camera = nullptr; // listed in the world
};

// The position of the one kinematic body in the space: the hand's mouse body
// while it holds something.
Vec mouseBody(KWEP::World& world)
{
    std::vector<cpBody*> kinematic;
    cpSpaceEachBody(world.getPhysicsWorld()->getSpace(), [](cpBody* body, void* data) {
        if (cpBodyGetType(body) == CP_BODY_TYPE_KINEMATIC)
            static_cast<std::vector<cpBody*>*>(data)->push_back(body);
    }, &kinematic);
    if (kinematic.size() != 1)
        return Vec(-1, -1, -1);
    const cpVect at = cpBodyGetPosition(kinematic[0]);
    return Vec(static_cast<float>(at.x), static_cast<float>(at.y), 0);
}

const std::vector<Heard> GRABBED = {plain(EVT::EVENT_ITEM_GRABBED), sound("GRAB")};
const std::vector<Heard> RELEASED = {plain(EVT::EVENT_ITEM_RELEASED), sound("RELEASE")};

TEST_F(GrabHand, PickIsWhereTheLineFromTheCameraAlongTheRayMeetsZ0)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        Vec ray;
        bool picked;
        float x, y;
    };
    const Case cases[] = {
        {Vec(0, 0, -1), true, 100, 50},    // straight down the view
        {Vec(10, 20, -100), true, 150, 150},
        {Vec(0, 0, 0), false, 0, 0},       // the view could not be unprojected
        {Vec(1, 1, 0), false, 0, 0},       // along the plane
        {Vec(inf, 0, -1), false, 0, 0},
        {Vec(1e30f, 0, -1e-30f), false, 0, 0},
    };
    for (const Case& c : cases) {
        game.render.pickRay = c.ray;
        Vec pick(-1, -1, -1);
        EXPECT_EQ(hand->getPickForZ0(320, 240, pick), c.picked) << c.ray.x << "," << c.ray.z;
        if (c.picked) {
            EXPECT_FLOAT_EQ(pick.x, c.x);
            EXPECT_FLOAT_EQ(pick.y, c.y);
            EXPECT_EQ(pick.z, 0.0f);
        }
    }
}

TEST_F(GrabHand, GrabTakesTheItemUnderThePointerOnceAndReleaseLetsGo)
{
    KWEP::CarrotCamera map;
    world->addCamera(&map);
    Physics::ChipmunkWorldItem* carrot = add("P_CARROT", 100, 50);
    ASSERT_NE(carrot, nullptr);
    raiseAction(EVT::EVENT_GRAB, "LOCKED");
    EXPECT_EQ(log.take(), GRABBED);
    raiseAction(EVT::EVENT_GRAB, "FREE"); // already holding
    EXPECT_TRUE(log.take().empty());
    // The map camera follows the grabbed item.
    std::vector<MathStuff::Orientation<float> > parts;
    carrot->getPositions(parts);
    EXPECT_FLOAT_EQ(map.getOrientation().position.x, 100.0f);

    // Every update event takes the mouse body to the pointer, and the hand
    // drags the item after it.
    for (float x : {110.0f, 125.0f, 140.0f}) {
        aimAt(x, 60);
        EVT::Event_Update update(EVT::EVENT_UPDATE, 16);
        EVT::EventBus::instance()->raiseEvent(&update, false);
        EXPECT_FLOAT_EQ(mouseBody(*world).x, x);
        EXPECT_FLOAT_EQ(mouseBody(*world).y, 60.0f);
    }
    aimAt(140, 50);
    for (int n = 0; n < 30; ++n)
        frame();
    EXPECT_GT(bodyPositions(*carrot->getChipmunkItem())[0].x, 120.0f);
    raiseAction(EVT::EVENT_RELEASE, "");
    EXPECT_EQ(log.take(), RELEASED);
    raiseAction(EVT::EVENT_RELEASE, "");
    EXPECT_TRUE(log.take().empty());
    world->removeCamera(&map);
}

TEST_F(GrabHand, EmptySpaceAndAHandNotRunningGrabNothing)
{
    raiseAction(EVT::EVENT_GRAB, "FREE");
    EXPECT_TRUE(log.take().empty());
    add("P_CARROT", 100, 50);
    // Pointer off the plane, a paused world, no camera item: nothing.
    game.render.pickRay = Vec(1, 0, 0);
    raiseAction(EVT::EVENT_GRAB, "FREE");
    aimAt(100, 50);
    world->stasis(true);
    raiseAction(EVT::EVENT_GRAB, "FREE");
    world->stasis(false);
    world->setCameraItem(nullptr);
    raiseAction(EVT::EVENT_GRAB, "FREE");
    EXPECT_TRUE(log.take().empty());
    world->setCameraItem(camera);
    raiseAction(EVT::EVENT_GRAB, "FREE");
    EXPECT_EQ(log.take(), GRABBED);
}

TEST_F(GrabHand, ReleaseOfADeletedItemIsSilentAndTheHandIsFreeAgain)
{
    Physics::ChipmunkWorldItem* carrot = add("P_CARROT", 100, 50);
    raiseAction(EVT::EVENT_GRAB, "FREE");
    EXPECT_EQ(log.take(), GRABBED);
    delete carrot;
    raiseAction(EVT::EVENT_RELEASE, "");
    EXPECT_TRUE(log.take().empty());
    add("P_CARROT", 100, 50);
    raiseAction(EVT::EVENT_GRAB, "FREE");
    EXPECT_EQ(log.take(), GRABBED);
}

} // namespace
