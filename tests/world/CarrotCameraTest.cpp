#include <gtest/gtest.h>

#include <cmath>

#include "ExpectVector.h"
#include "LevelTestGame.h"
#include "shell/CameraItem.h"
#include "shell/MoveableItem.h"
#include "world/CarrotCamera.h"

namespace {

using TestSupport::expectVec;
using WorldTests::LevelTestGame;

typedef MathStuff::Vector3<float> Vec;

// The shipped zoom keys: d = 0.4 W, m = 1.5, at least 1.
void zoomKeys(const char* divM = "0.4", const char* divC = "0")
{
    LevelTestGame::setKey("ZOOM_TRACKER_MIN", "1");
    LevelTestGame::setKey("ZOOM_TRACKER_DIV_M", divM);
    LevelTestGame::setKey("ZOOM_TRACKER_DIV_C", divC);
    LevelTestGame::setKey("ZOOM_TRACKER_MULT_M", "0");
    LevelTestGame::setKey("ZOOM_TRACKER_MULT_C", "1.5");
}

MathStuff::Orientation<float> offset(const Vec& position)
{
    MathStuff::Orientation<float> at;
    at.position = position;
    at.direction = Vec(0, 0, -1);
    at.up = Vec(0, 1, 0);
    return at;
}

} // namespace

TEST(CarrotCamera, FramesTwoItemsAtTheirMidpointAndZoomsWithTheirDistance)
{
    LevelTestGame game(nullptr, 800, 600); // d = 320
    zoomKeys();
    struct Case {
        Vec p1, p2;
        float zoom;
    };
    const Case cases[] = {
        {Vec(10, 20, 0), Vec(10, 20, 0), 1.0f},     // same point: zoom 0 raised to the minimum
        {Vec(0, 0, 0), Vec(1280, 0, 0), 2.0f},      // 640 / 320
        {Vec(0, 0, 0), Vec(0, 640, 0), 1.5f},       // height weighted by 1.5
        {Vec(0, 0, 0), Vec(768, 0, 1024), 2.0f},    // z counts as x
        {Vec(0, 0, 0), Vec(-320, 0, 0), 1.0f},      // 0.5 raised to the minimum
    };
    for (const Case& c : cases) {
        KWEP::CarrotCamera camera;
        camera.setOrientation(offset(Vec(0, -30, 800)));
        Game::MoveableItem first(nullptr), second(nullptr);
        first.getOrientation().position = c.p1;
        second.getOrientation().position = c.p2;
        camera.setTrackedItems(&first, &second);
        const MathStuff::Orientation<float>& view = camera.getOrientation();
        const Vec mid = c.p1 + (c.p2 - c.p1) * 0.5f;
        expectVec(view.position, mid.x, mid.y - 30, mid.z + 800);
        expectVec(view.direction, 0, 0, -1);
        EXPECT_FLOAT_EQ(camera.getZoomX(), c.zoom);
        EXPECT_FLOAT_EQ(camera.getZoomY(), c.zoom);
    }
}

TEST(CarrotCamera, FollowsItemOneAloneAndFreezesWhenItIsGone)
{
    LevelTestGame game;
    zoomKeys();
    KWEP::CarrotCamera camera;
    camera.setOrientation(offset(Vec(1, 2, 3)));
    expectVec(camera.getCameraOrientation().position, 1, 2, 3);

    // Only item 2: never followed.
    Game::MoveableItem second(nullptr);
    second.getOrientation().position = Vec(2560, 0, 0);
    camera.setTrackedItem2(&second);
    expectVec(camera.getOrientation().position, 1, 2, 3);

    // Item 1 alone (item 2 gone): followed, the zoom of the last framing stays.
    Game::MoveableItem* first = new Game::MoveableItem(nullptr);
    camera.setTrackedItem1(first);
    EXPECT_FLOAT_EQ(camera.getOrientation().position.x, 1281.0f);
    EXPECT_FLOAT_EQ(camera.getZoomX(), 4.0f);
    camera.setTrackedItem2(nullptr);
    first->getOrientation().position = Vec(100, 50, 0);
    expectVec(camera.getOrientation().position, 101, 52, 3);
    EXPECT_FLOAT_EQ(camera.getZoomX(), 4.0f);

    delete first;
    first = new Game::MoveableItem(nullptr); // a new item is not the tracked one
    first->getOrientation().position = Vec(-500, 0, 0);
    expectVec(camera.getOrientation().position, 101, 52, 3);
    delete first;
}

TEST(CarrotCamera, WindowWithoutWidthKeepsTheLastZoom)
{
    LevelTestGame game(nullptr, 800, 600);
    zoomKeys("0", "0"); // d = 0
    KWEP::CarrotCamera camera;
    Game::MoveableItem first(nullptr), second(nullptr);
    second.getOrientation().position = Vec(200, 0, 0);
    camera.setTrackedItems(&first, &second);
    expectVec(camera.getOrientation().position, 100, 0, 0);
    EXPECT_FLOAT_EQ(camera.getZoomX(), 1.0f);
    second.getOrientation().position = Vec(0, 0, 0); // 0 / 0
    camera.getOrientation();
    EXPECT_FLOAT_EQ(camera.getZoomX(), 1.0f);
}

TEST(CarrotCamera, CamerasTrackingEachOtherAnswerInsteadOfRecursing)
{
    LevelTestGame game;
    zoomKeys();
    KWEP::CarrotCamera a, b;
    a.setOrientation(offset(Vec(1, 0, 0)));
    b.setOrientation(offset(Vec(0, 2, 0)));
    a.setTrackedItem1(&b);
    b.setTrackedItem1(&a);
    // b, asked by a, finds a still answering: a's last view, its offset.
    expectVec(a.getOrientation().position, 2, 2, 0);
    // a, asked by b, finds b's last view (1, 2, 0).
    expectVec(b.getOrientation().position, 2, 4, 0);

    // A camera of the shell in the loop.
    Game::CameraItem plain;
    plain.setOrientation(offset(Vec(0, 0, 5)));
    plain.setTrackedItem(&a);
    a.setTrackedItem1(&plain);
    const Vec seen = plain.getOrientation().position;
    EXPECT_TRUE(std::isfinite(seen.x) && std::isfinite(seen.y) && std::isfinite(seen.z));
}
