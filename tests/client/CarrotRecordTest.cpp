// What the carrot did in a level, told from scripted play notices and
// flights: each outcome the end page has words for.
#include <gtest/gtest.h>

#include <vector>

#include "client/CarrotRecord.h"
#include "core/EventIds.h"

namespace {

using KWEP::CarrotRecord;

// One step of a level: a play notice, or with FLIGHT the carrot's and the
// snowman's x seen at an update.
struct Step {
    long event;
    float carrotX;
    float snowmanX;
};

const long FLIGHT = -1;
const Step TAKEN = {EVT::EVENT_ITEM_GRABBED, 0, 0};
const Step LET_GO = {EVT::EVENT_ITEM_RELEASED, 0, 0};
const Step ROCK = {EVT::EVENT_ROCK_THROWN, 0, 0};
const Step HIT = {EVT::EVENT_HIT_BELOW_LIMIT, 0, 0};
const Step BURST = {EVT::EVENT_PART_EXPLODED, 0, 0};
Step at(float carrotX) { return {FLIGHT, carrotX, 100.0f}; }

CarrotRecord::Outcome play(const std::vector<Step>& steps)
{
    CarrotRecord record;
    for (const Step& step : steps) {
        if (step.event == FLIGHT)
            record.noteFlight(step.carrotX, step.snowmanX);
        else
            record.note(step.event);
    }
    return record.outcome();
}

} // namespace

TEST(CarrotRecord, EachOutcomeFollowsWhatTheCarrotDid)
{
    const struct {
        const char* name;
        std::vector<Step> steps;
        CarrotRecord::Outcome expected;
    } cases[] = {
        {"nothing at all", {}, CarrotRecord::UNTAKEN},
        {"the rock thrown at a carrot on its swing", {at(200), ROCK}, CarrotRecord::UNTAKEN},
        {"taken and held past the rock", {TAKEN, at(150), ROCK}, CarrotRecord::HELD},
        {"let go only after the rock", {TAKEN, ROCK, LET_GO, at(150)}, CarrotRecord::LATE},
        {"let go after the rock and hitting", {TAKEN, ROCK, LET_GO, HIT}, CarrotRecord::LATE},
        {"a hit below the limit", {TAKEN, LET_GO, at(60), HIT, ROCK}, CarrotRecord::HIT},
        {"a hit landing after the rock was thrown", {TAKEN, LET_GO, ROCK, BURST}, CarrotRecord::HIT},
        {"pushed into the snowman without letting go", {TAKEN, HIT, ROCK}, CarrotRecord::HIT},
        {"past the snowman's middle", {TAKEN, LET_GO, at(40), at(101), ROCK}, CarrotRecord::WIDE},
        {"past it and rolled back", {TAKEN, LET_GO, at(130), at(90), ROCK}, CarrotRecord::WIDE},
        {"down before the snowman", {TAKEN, LET_GO, at(40), at(99), ROCK}, CarrotRecord::SHORT},
        {"thrown away from the snowman", {TAKEN, LET_GO, at(-300), ROCK}, CarrotRecord::SHORT},
        {"carried past the snowman before letting go", {TAKEN, at(150), LET_GO, at(120), ROCK}, CarrotRecord::WIDE},
        {"short, taken again and carried past it, short again",
         {TAKEN, LET_GO, at(50), TAKEN, at(150), LET_GO, at(60), ROCK}, CarrotRecord::SHORT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, play(c.steps));
    }
}

TEST(CarrotRecord, ANewLevelForgetsTheLastOne)
{
    CarrotRecord record;
    for (long id : {EVT::EVENT_ITEM_GRABBED, EVT::EVENT_ITEM_RELEASED, EVT::EVENT_HIT_BELOW_LIMIT})
        record.note(id);
    ASSERT_EQ(CarrotRecord::HIT, record.outcome());
    record.clear();
    EXPECT_EQ(CarrotRecord::UNTAKEN, record.outcome());
    EXPECT_FALSE(record.inFlight());
    EXPECT_STREQ("_UNTAKEN", CarrotRecord::suffix(record.outcome()));
}
