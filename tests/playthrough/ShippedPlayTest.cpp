#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PlayRig.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/Event_Sound.h"
#include "core/Info.h"
#include "core/Pi.h"
#include "world/CarrotSnowmanCollision.h"
#include "world/MeteorGroundCollision.h"

namespace {

using PlayThrough::PlayRig;
typedef MathStuff::Vector3<float> Vec;

// The live item of the kind (the first one).
Physics::ChipmunkWorldItem* itemOf(PlayRig& rig, const std::string& kind)
{
    std::vector<unsigned long> ids;
    if (rig.world->getItems(kind, ids) < 1)
        return nullptr;
    return dynamic_cast<Physics::ChipmunkWorldItem*>(rig.world->findItem(ids[0]));
}

Vec positionOf(PlayRig& rig, const std::string& kind)
{
    // The first body's place.
    Physics::ChipmunkWorldItem* item = itemOf(rig, kind);
    std::vector<MathStuff::Orientation<float> > bodies;
    if (item)
        item->getChipmunkItem()->getPositions(bodies);
    return bodies.empty() ? Vec() : bodies[0].position;
}

// A grab at `grabFrame` on the point, the pointer then moving at the velocity
// (units per second) until the release at `releaseFrame`; then the level runs
// on until `endMs`.
struct Swing {
    int grabFrame;
    int releaseFrame;
    Vec velocity;
};

bool play(PlayRig& rig, const Swing& swing, Vec point, long endMs)
{
    bool grabbed = false;
    while (rig.elapsedMs < endMs) {
        if (rig.frames == swing.grabFrame)
            grabbed = rig.grab(point.x, point.y);
        if (rig.frames == swing.releaseFrame && grabbed)
            rig.release();
        if (rig.frames > swing.grabFrame && rig.frames < swing.releaseFrame) {
            const float seconds = static_cast<float>(rig.frameMs(rig.frames)) / 1000.0f;
            point = Vec(point.x + swing.velocity.x * seconds, point.y + swing.velocity.y * seconds, 0.0f);
        }
        rig.moveTo(point.x, point.y);
        rig.frame();
    }
    return grabbed;
}

// The point under the hidden pointer of one-switch play: the middle of the play view.
Vec oneSwitchGrabPoint(PlayRig& rig) { return PlayRig::centrePick(positionOf(rig, "PLAYER")); }

int number(const std::string& key) { return Util::strToNum<int>(CFG::get(key), 10, -1); }
float decimal(const std::string& key) { return Util::strToNum<float>(CFG::get(key), 10, -1.0f); }

Vec point(const std::string& key)
{
    std::vector<Vec> points;
    MathStuff::PointsString(0.0f, false).parse(CFG::get(key), points, false);
    return points.empty() ? Vec() : points[0];
}

// The fields of view the settings menu offers.
std::vector<float> offeredFieldsOfView()
{
    CFG::Info menus(CFG::get("MENUS_CONFIG_FILE"), CFG::getDefaultOverrides());
    std::vector<std::string> words;
    Util::tokenizeStr(menus.get("ITEM_CHOICES_FOV"), words, ",");
    std::vector<float> fovs;
    for (const std::string& word : words)
        fovs.push_back(Util::strToNum<float>(word, 10, 0.0f));
    return fovs;
}

// What the play view of the default window (640 x 480) shows at z = 0 with
// the field of view: below the play view's scissor lies the map.
struct PlayView {
    float left, right, bottom, top;
};

PlayView playView(float fov)
{
    const Vec camera = point("CAMERA_XYZ");
    const float halfHeight = camera.z * std::tan(fov * 0.5f * MathStuff::PI_F / 180.0f);
    const float halfWidth = halfHeight * 640.0f / 480.0f;
    const float top = camera.y + halfHeight;
    const float bottom = top - 2.0f * halfHeight * decimal("VIEW_HEIGHT_SCISSOR_PERCENT") / 100.0f;
    return {camera.x - halfWidth, camera.x + halfWidth, bottom, top};
}

} // namespace

// The HUD is placed in the window, not in the world.
TEST(ShippedPlayData, LevelTextsStartInsideThePlayView)
{
    PlayRig rig;
    ASSERT_TRUE(rig.ready);
    struct Text {
        const char* key;
        int letters;
    } texts[] = {{"KILL_TEXT_POS", 1}, {"BONUS_POS", 1}};
    const std::vector<float> fovs = offeredFieldsOfView();
    ASSERT_FALSE(fovs.empty());
    for (float fov : fovs) {
        SCOPED_TRACE(fov);
        const PlayView view = playView(fov);
        const float letter = 7.0f; // the letter spacing, also about a letter's size
        for (const Text& text : texts) {
            const Vec at = point(text.key);
            EXPECT_GE(at.x - letter, view.left) << text.key;
            EXPECT_LE(at.x + letter * text.letters, view.right) << text.key;
            EXPECT_LE(at.y + letter, view.top) << text.key;
            EXPECT_GE(at.y - letter, view.bottom) << text.key;
        }
    }
}

TEST(ShippedPlayData, TheWholeSnowmanStandsInThePlayViewOnEveryLevel)
{
    std::vector<float> fovs;
    int levels = 0;
    {
        PlayRig rig;
        ASSERT_TRUE(rig.ready);
        fovs = offeredFieldsOfView();
        levels = number("NUM_LEVELS");
    }
    ASSERT_FALSE(fovs.empty());
    // The snowman's base is 28 either side of its body and its head's top 116
    // above the ground.
    const float halfWidth = 28.0f, height = 116.0f;
    for (int level = 0; level <= levels; ++level) {
        for (float random : {0.0f, 0.999f}) {
            PlayRig placed("", random);
            ASSERT_TRUE(placed.ready);
            placed.world->apocalypse();
            ASSERT_TRUE(placed.world->genisis(CFG::get("LEVEL_FILE")));
            KWEP::GameStuff::setLevelCount(level);
            KWEP::GameStuff::createSnowman(placed.world);
            const Vec snowman = positionOf(placed, "BOSS");
            for (float fov : fovs) {
                SCOPED_TRACE(testing::Message() << "level " << level << ", snowman at " << snowman.x << ", fov " << fov);
                const PlayView view = playView(fov);
                EXPECT_GE(snowman.x - halfWidth, view.left);
                EXPECT_LE(snowman.x + halfWidth, view.right);
                EXPECT_GE(0.0f, view.bottom);
                EXPECT_LE(height, view.top);
            }
        }
    }
}

namespace {

// The map's orthographic view of a 640 x 480 window framing two body-0
// positions, as the map camera and the map pass make it: x and y ranges.
struct MapView {
    float left, right, bottom, top;
};

MapView mapView(Vec carrot, Vec snowman)
{
    const float w = 640.0f * decimal("MAP_WIDTH_PERCENT") / 100.0f;
    const float h = 480.0f * decimal("MAP_HEIGHT_PERCENT") / 100.0f;
    const Vec half = (snowman - carrot) * 0.5f;
    const float m = (480.0f * decimal("ZOOM_TRACKER_MULT_M") + decimal("ZOOM_TRACKER_MULT_C")) * half.y;
    const float d = 640.0f * decimal("ZOOM_TRACKER_DIV_M") + decimal("ZOOM_TRACKER_DIV_C");
    const float zoom = std::max(decimal("ZOOM_TRACKER_MIN"), std::sqrt(half.x * half.x + m * m) / d);
    const Vec at = carrot + half + point("MAP_CAMERA_XYZ");
    const float halfWidth = w * (2.0f * zoom - 1.0f) * 0.5f;
    return {at.x - halfWidth, at.x + halfWidth, at.y + h * (1.0f - zoom), at.y + h * zoom};
}

} // namespace

TEST(ShippedPlayData, TheMapShowsTheCarrotAndTheWholeSnowmanWhereverTheyAre)
{
    PlayRig rig("");
    ASSERT_TRUE(rig.ready);
    const Vec carrot = positionOf(rig, "VEG");
    const float ground = positionOf(rig, "BOSS").y; // the snowman's base body
    for (float snowmanX : {decimal("SNOWMAN_MIN_X"), decimal("SNOWMAN_MAX_X")}) {
        const Vec snowman(snowmanX, ground, 0.0f);
        // At rest, flying high, and fallen right in front of the snowman.
        for (Vec at : {carrot, Vec(carrot.x + 100.0f, 250.0f, 0.0f), Vec(snowmanX - 60.0f, carrot.y, 0.0f)}) {
            SCOPED_TRACE(testing::Message() << "snowman at " << snowmanX << ", carrot at " << at.x << "," << at.y);
            const MapView view = mapView(at, snowman);
            // The carrot about 35 units either side of its body, the snowman
            // 32 either side, from its base's bottom to the top of its head.
            EXPECT_LE(view.left, std::min(at.x, snowman.x) - 35.0f);
            EXPECT_GE(view.right, std::max(at.x, snowman.x) + 35.0f);
            EXPECT_LE(view.bottom, std::min(at.y - 15.0f, ground - 28.0f));
            EXPECT_GE(view.top, std::max(at.y + 15.0f, ground + 95.0f));
        }
    }
}

TEST(ShippedPlay, DoingNothingLosesLevelZeroWhenTheRockLands)
{
    {
        PlayRig rig;
        ASSERT_TRUE(rig.ready);
        rig.runUntilMs(30000);
        EXPECT_GE(rig.overMs, 0) << "no game over within 30 s";
        EXPECT_EQ(rig.overRule, CFG::get("LOST_GAME_RULE"));
        EXPECT_EQ(rig.score, 0);
        EXPECT_LT(rig.clearedMs, 0);
    }
}

TEST(ShippedPlay, AThrowOfTheCarrotFromTheSwingClearsLevelZero)
{
    // Wherever the snowman stands in its first window.
    for (float random : {0.0f, 0.5f, 0.99f}) {
        SCOPED_TRACE(random);
        PlayRig rig("", random);
        ASSERT_TRUE(rig.ready);
        rig.runUntilMs(1000);
        // Taken by its root and pulled up and away for a fifth of a second.
        const Swing swing = {rig.frames, rig.frames + 12, Vec(600.0f, 250.0f, 0.0f)};
        ASSERT_TRUE(play(rig, swing, positionOf(rig, "VEG"), 10000));
        EXPECT_GT(rig.score, 0);
        EXPECT_GE(rig.clearedMs, 0) << "level 0 not cleared";
        EXPECT_LT(rig.overMs, 0);
    }
}

// One-switch play: the space bar grabs at the middle of the play view as the
// swing brings the tips of the carrot's leaves there, at its right turn near
// 1.75 s of the level; letting go about a second later, as the carrot swings
// up towards the snowman, throws it into the snowman.
const long ONE_SWITCH_GRAB_MS = 1780;
const long ONE_SWITCH_FIRST_RELEASE_MS = 2780;
const long ONE_SWITCH_LAST_RELEASE_MS = 2980;

// The game's 60 Hz clock, and the whole-program runs' fixed 16 ms frames.
const long FRAME_CLOCKS[] = {0, 16};

// The first frame that starts at or after the time.
int frameAt(const PlayRig& rig, long ms)
{
    int frame = 0;
    for (long at = 0; at < ms; ++frame)
        at += rig.frameMs(frame);
    return frame;
}

// The score of a one-switch level with a grab and a release at these times.
int oneSwitchScore(long frameClock, long grabMs, long releaseMs)
{
    PlayRig rig("", 0.5f, frameClock);
    EXPECT_TRUE(rig.ready);
    if (!rig.ready)
        return -1;
    const Swing swing = {frameAt(rig, grabMs), frameAt(rig, releaseMs), Vec()};
    EXPECT_TRUE(play(rig, swing, oneSwitchGrabPoint(rig), 6000)) << "nothing grabbed at " << grabMs << " ms";
    return rig.score;
}

TEST(ShippedPlay, OneSwitchGrabHoldsTheCarrotAnywhereAroundTheSwingsTurn)
{
    for (long clock : FRAME_CLOCKS)
        for (long grabMs = 1700; grabMs <= 1900; grabMs += 50) {
            SCOPED_TRACE(testing::Message() << "frames " << clock << ", grab at " << grabMs);
            EXPECT_GT(oneSwitchScore(clock, grabMs, grabMs + 1050), 0);
        }
}

TEST(ShippedPlay, OneSwitchReleaseScoresInEveryFrameOfItsWindow)
{
    EXPECT_GE(ONE_SWITCH_LAST_RELEASE_MS - ONE_SWITCH_FIRST_RELEASE_MS, 150);
    for (long clock : FRAME_CLOCKS) {
        const PlayRig timing("", 0.5f, clock);
        for (int frame = frameAt(timing, ONE_SWITCH_FIRST_RELEASE_MS);
             frame <= frameAt(timing, ONE_SWITCH_LAST_RELEASE_MS); ++frame) {
            long releaseMs = 0;
            for (int before = 0; before < frame; ++before)
                releaseMs += timing.frameMs(before);
            SCOPED_TRACE(testing::Message() << "frames " << clock << ", release at " << releaseMs);
            EXPECT_GT(oneSwitchScore(clock, ONE_SWITCH_GRAB_MS, releaseMs), 0);
        }
    }
}


namespace {

// When the snowman throws its rock and when the rock lands, by the events of
// the level.
class RockTimes : public EVT::I_EventConsumer {
public:
    explicit RockTimes(const PlayRig& rig) : m_rig(rig)
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_ROCK_THROWN, this);
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_SOUND, this);
    }
    ~RockTimes() override { EVT::EventBus::instance()->removeConsumer(this); }

    void handleEvent(EVT::I_Event* event) override
    {
        if (event->getEventID() == EVT::EVENT_ROCK_THROWN && thrownMs < 0)
            thrownMs = m_rig.elapsedMs;
        const EVT::Event_Sound* sound = EVT::eventCast<EVT::Event_Sound>(event);
        if (sound && sound->getString() == "ROCK_HIT" && landedMs < 0)
            landedMs = m_rig.elapsedMs;
    }

    long thrownMs = -1;
    long landedMs = -1;

private:
    const PlayRig& m_rig;
};

} // namespace

// Left alone, every level is lost to the rock: each level's snowman throws
// no later than the one before (the second sooner than the first), always
// after the one-switch throw's whole window, and the game ends the ending
// delay after the rock has landed, which leaves a hit time to count.
TEST(ShippedPlay, EachLevelThrowsNoLaterThanTheOneBeforeAndEndsAfterTheLanding)
{
    long previousMs = -1;
    int levels = 1; // known once the configuration is read
    for (int level = 0; level < levels; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        PlayRig rig("", 0.5f, 0, level);
        ASSERT_TRUE(rig.ready);
        levels = number("NUM_LEVELS") + 1;
        ASSERT_GE(levels, 2);
        RockTimes rock(rig);
        while (rig.elapsedMs < 60000 && rig.overMs < 0)
            rig.frame();
        ASSERT_GE(rig.overMs, 0) << "no game over within a minute";
        EXPECT_EQ(rig.overRule, CFG::get("LOST_GAME_RULE"));
        EXPECT_GT(rock.thrownMs, ONE_SWITCH_LAST_RELEASE_MS);
        ASSERT_GT(rock.landedMs, rock.thrownMs);
        EXPECT_NEAR(rig.overMs - rock.landedMs, number("HIT_END_DELAY"), 2 * PlayRig::clockFrameMs(0));
        EXPECT_GT(rig.overMs - rock.landedMs, 0);
        if (level == 1) {
            EXPECT_LT(rock.thrownMs, previousMs) << "the second level throws sooner";
        } else if (level > 1) {
            EXPECT_LE(rock.thrownMs, previousMs);
        }
        previousMs = rock.thrownMs;
    }
}

namespace {

// The rock's landing, with the snowman's head blown off by the carrot rule in
// the same physics step: the latest a hit can come before the rock lands.
class HitAsTheRockLands : public Physics::I_CollisionHandler {
public:
    explicit HitAsTheRockLands(KWEP::World* world) : m_world(world), m_rock(world), m_carrot(world) {}

    std::uint16_t collision(Physics::ChipmunkItem* a, Physics::ChipmunkItem* b, const Info& info) override
    {
        if (!hit) {
            hit = true;
            blowOffHead();
        }
        return m_rock.collision(a, b, info);
    }
    bool hit = false;

private:
    void blowOffHead()
    {
        std::vector<unsigned long> ids;
        m_world->getItems("BOSS", ids);
        auto* snowman = ids.empty() ? nullptr : dynamic_cast<Physics::ChipmunkWorldItem*>(m_world->findItem(ids[0]));
        ASSERT_NE(snowman, nullptr);
        Physics::ChipmunkItem* item = snowman->getChipmunkItem();
        Info info{};
        for (const auto& shape : item->getShapes())
            if (item->getBodyName(shape.first) == "HEAD")
                info.shapeB = shape.first;
        ASSERT_NE(info.shapeB, nullptr);
        info.itemB = item;
        info.impulse = 1e6;
        m_carrot.collision(nullptr, item, info);
        ASSERT_EQ(item->getBodyIndex("HEAD"), -1) << "the head is off";
    }

    KWEP::World* m_world;
    KWEP::MeteorGroundCollision m_rock;
    KWEP::CarrotSnowmanCollision m_carrot;
};

} // namespace

TEST(ShippedPlay, APartBlownOffAsTheRockLandsStillClearsTheLevel)
{
    for (long clock : FRAME_CLOCKS) {
        for (float random : {0.0f, 0.99f}) {
            SCOPED_TRACE(testing::Message() << "frames " << clock << ", snowman " << random);
            PlayRig rig("", random, clock);
            ASSERT_TRUE(rig.ready);
            HitAsTheRockLands hit(rig.world);
            rig.world->getPhysicsWorld()->registerCollisionHandler(6, 1, &hit); // rock on ground
            while (rig.elapsedMs < 30000 && rig.clearedMs < 0 && rig.overMs < 0)
                rig.frame();
            EXPECT_TRUE(hit.hit) << "the rock landed";
            // The next update ends the level and deletes the rock: a game over
            // raised in the same update as the clearing would come after it.
            EXPECT_GE(rig.clearedMs, 0) << "level 0 not cleared";
            EXPECT_LT(rig.overMs, 0) << "the rock won";
        }
    }
}

TEST(ShippedPlay, TheLevelHasTheSwingThatBringsTheCarrotUnderTheHiddenPointer)
{
    PlayRig rig;
    ASSERT_TRUE(rig.ready);
    const std::vector<std::string> names = rig.world->getNames("CMWI");
    EXPECT_NE(std::find(names.begin(), names.end(), "SWING"), names.end());
    EXPECT_EQ(rig.world->getPartBodyPairs("SWING").size(), 5u);
    // Nothing is under the middle of the play view at the start; near the
    // swing's right turn the carrot's leaves are.
    const Vec middle = oneSwitchGrabPoint(rig);
    EXPECT_FALSE(rig.grab(middle.x, middle.y));
    rig.runUntilMs(ONE_SWITCH_GRAB_MS);
    EXPECT_TRUE(rig.grab(middle.x, middle.y));
}

