#include <gtest/gtest.h>

#include "ExpectVector.h"
#include "TestGame.h"
#include "shell/CameraItem.h"
#include "shell/MoveableItem.h"

namespace {

using TestSupport::expectVec;

typedef MathStuff::Vector3<float> Vec;

} // namespace

TEST(CameraItem, StartsAtTheUsualOrientationWithoutZoom)
{
    TestSupport::TestGame game;
    Game::CameraItem camera;
    const MathStuff::Orientation<float>& view = camera.getOrientation();
    expectVec(view.position, 0, 0, 0);
    expectVec(view.direction, 0, 0, -1);
    expectVec(view.up, 0, 1, 0);
    expectVec(view.scale, 1, 1, 1);
    EXPECT_EQ(camera.getZoomX(), 1.0f);
    EXPECT_EQ(camera.getZoomY(), 1.0f);
}

TEST(CameraItem, RidesOnTheTrackedItemAndFreezesWhenItIsGone)
{
    TestSupport::TestGame game;
    Game::CameraItem camera;
    MathStuff::Orientation<float> offset;
    offset.position = Vec(0, 2, 20);
    offset.direction = Vec(0, -1, 0);
    camera.setOrientation(offset);

    Game::MoveableItem* target = new Game::MoveableItem(nullptr);
    target->getOrientation().position = Vec(10, 0, 0);
    camera.setTrackedItem(target);
    expectVec(camera.getOrientation().position, 10, 2, 20);
    expectVec(camera.getOrientation().direction, 0, -1, 0);
    target->getOrientation().position = Vec(12, 0, 0);
    expectVec(camera.getOrientation().position, 12, 2, 20);

    delete target;
    expectVec(camera.getOrientation().position, 12, 2, 20);

    Game::MoveableItem other(nullptr);
    other.getOrientation().position = Vec(50, 0, 0);
    camera.setTrackedItem(&other);
    camera.setTrackedItem(nullptr);
    expectVec(camera.getOrientation().position, 12, 2, 20);
}

TEST(CameraItem, CamerasTrackingEachOtherAnswerTheirLastViewInsteadOfRecursing)
{
    TestSupport::TestGame game;
    Game::CameraItem a, b;
    MathStuff::Orientation<float> offset;
    offset.position = Vec(1, 0, 0);
    a.setOrientation(offset);
    offset.position = Vec(0, 2, 0);
    b.setOrientation(offset);
    a.setTrackedItem(&b);
    b.setTrackedItem(&a);
    // b, asked by a, gets a's last view (1, 0, 0).
    expectVec(a.getOrientation().position, 2, 2, 0);
    expectVec(b.getOrientation().position, 2, 4, 0);
}
