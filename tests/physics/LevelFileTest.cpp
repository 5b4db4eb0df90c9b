#include "physics/LevelFile.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkItem.h"
#include "physics/PhysicalItemFactory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ExpectVector.h"
#include "PhysicsTestData.h"

namespace {

using Physics::LevelFile;
using PhysicsTest::dataFile;
typedef Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> Factory;

std::vector<std::string> names(const std::vector<LevelFile::ItemInfo>& infos)
{
    std::vector<std::string> out;
    for (const LevelFile::ItemInfo& info : infos)
        out.push_back(info.name);
    return out;
}

TEST(LevelFile, ReadsPhysicsFileItemsAndDecorations)
{
    LevelFile level;
    ASSERT_TRUE(level.load(dataFile("level_drop.cfg")));
    EXPECT_EQ(level.getPhysicsFile(), "tests/physics/data/phys_fixed60.cfg");
    EXPECT_EQ(names(level.getItemInfos()), (std::vector<std::string>{"floor", "ball", "nothing"}));
    TestSupport::expectVec(level.getItemInfos()[1].position, 0, 10, 0);
    ASSERT_EQ(level.getDecorations().size(), 2u);
    TestSupport::expectVec(level.getDecorations()[0].position, 20, 0, -5);
    EXPECT_EQ(level.getDecorations()[1].angle, 45.0f);
}

TEST(LevelFile, MalformedRecordStopsTheParseKeepingEarlierRecords)
{
    LevelFile level;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(level.load(dataFile("level_bad_record.cfg")));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("level_bad_record.cfg ITEMS"), std::string::npos);
    ASSERT_EQ(level.getItemInfos().size(), 1u);
    EXPECT_EQ(level.getItemInfos()[0].name, "A");
    TestSupport::expectVec(level.getItemInfos()[0].position, 1, 2, 0);
    EXPECT_EQ(level.getItemInfos()[0].angle, 30.0f);
    EXPECT_TRUE(level.getDecorations().empty());
}

TEST(LevelFile, OddRecordsReadAsTheirDefaults)
{
    LevelFile level;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(level.load(dataFile("level_odd_records.cfg")));
    const std::string err = testing::internal::GetCapturedStderr();
    // A record without marker; empty chunks between markers are dropped.
    EXPECT_EQ(names(level.getItemInfos()), (std::vector<std::string>{"A"}));
    ASSERT_EQ(names(level.getDecorations()), (std::vector<std::string>{"B", "C", "D"}));
    // "5" is no point and "abc" no angle; 1e39 is beyond range.
    TestSupport::expectVec(level.getDecorations()[1].position, 0, 0, 0);
    EXPECT_EQ(level.getDecorations()[1].angle, 0.0f);
    TestSupport::expectVec(level.getDecorations()[2].position, 0, 0, 0);
    EXPECT_EQ(level.getDecorations()[2].angle, 0.0f);
    EXPECT_NE(err.find("position of D"), std::string::npos);
    EXPECT_NE(err.find("angle of D"), std::string::npos);
}

TEST(LevelFile, MissingFileChangesNothing)
{
    LevelFile level;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(level.load(dataFile("no_such_level.cfg")));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no_such_level.cfg"), std::string::npos);
    EXPECT_EQ(level.getPhysicsFile(), "");
    EXPECT_TRUE(level.getItemInfos().empty());
}

TEST(PhysicalItemFactory, MakesItemsByNameAndRecordsThem)
{
    Factory factory;
    factory.add("thing", dataFile("bp_ball.cfg"));
    factory.add("thing", dataFile("bp_floor.cfg"));
    std::unique_ptr<Physics::ChipmunkItem> old(factory.get("thing", MathStuff::Vector3<float>(), 0));
    factory.resetRecords();
    std::unique_ptr<Physics::ChipmunkItem> a(factory.get("thing", MathStuff::Vector3<float>(1, 2, 0), 0));
    std::unique_ptr<Physics::ChipmunkItem> b(factory.get("thing", MathStuff::Vector3<float>(), 0));
    EXPECT_EQ(factory.get("Thing", MathStuff::Vector3<float>(), 0), nullptr);
    ASSERT_NE(a, nullptr);
    // The first blueprint of the name wins.
    EXPECT_EQ(a->getBodyNames(), (std::vector<std::string>{"BALL"}));
    std::vector<Physics::ChipmunkItem*> records(5, nullptr);
    EXPECT_EQ(factory.getRecords(records), 2);
    EXPECT_EQ(records, (std::vector<Physics::ChipmunkItem*>{a.get(), b.get()}));
}

} // namespace
