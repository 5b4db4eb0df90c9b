#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectVector.h"
#include "FakeModelMaker.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Update.h"
#include "shell/Font.h"
#include "shell/I_Config.h"
#include "shell/MoveableItem.h"
#include "shell/OptionKey.h"
#include "shell/TextObject.h"
#include "shell/TextRenderer.h"

namespace {

using TestSupport::expectVec;

typedef MathStuff::Vector3<float> Vec;

// A game root whose model maker knows one font file, "Font_Test".
class Text3DTest : public ::testing::Test {
protected:
    Text3DTest() : maker(new TestSupport::FakeModelMaker)
    {
        game.setModelMaker(maker);
        maker->files["Font_Test"] = {"A", "0042", "A", "0041", "0000", "long name", "\xe9", "0100", "0"};
    }
    ~Text3DTest() override { EXPECT_EQ(TestSupport::FakeDisplayableModel::live(), liveBefore); }

    const int liveBefore = TestSupport::FakeDisplayableModel::live();
    TestSupport::TestGame game;
    TestSupport::FakeModelMaker* maker;
};

} // namespace

TEST_F(Text3DTest, FontNamesLettersByOneCharacterOrFourHexDigitsFirstOneWinning)
{
    Text3D::Font font("Test", {{"A", 1.5f}, {"0042", 2.0f}, {"A", 9.0f}});
    EXPECT_EQ(maker->requested, std::vector<std::string>{"Font_Test"});
    EXPECT_EQ(font.getName(), "Test");
    ASSERT_NE(font.getLetterModel('A'), nullptr);
    EXPECT_EQ(font.getLetterModel('A')->getName(), "A");
    EXPECT_FLOAT_EQ(font.getLetterOffset('A'), 1.5f);
    EXPECT_EQ(font.getLetterModel('B')->getName(), "0042");
    EXPECT_FLOAT_EQ(font.getLetterOffset('B'), 2.0f);
    // Code 0 ("0000" came before "0") stands in for every code without a model.
    EXPECT_EQ(font.getLetterModel('\0')->getName(), "0000");
    EXPECT_EQ(font.getLetterModel('z'), font.getLetterModel('\0'));
    EXPECT_EQ(font.getLetterModel('0')->getName(), "0");
    EXPECT_EQ(font.getLetterModel('\xe9'), nullptr);
    EXPECT_FLOAT_EQ(font.getLetterOffset('z'), 0.0f);
}

TEST_F(Text3DTest, FontDeletesSkippedModelsAtOnceAndEveryUsedModelOnce)
{
    {
        Text3D::Font font("Test");
        // Used: A, 0042, 0000, 0; skipped and deleted: the second A, 0041, the
        // long name, the code above 127 and the code above 255.
        EXPECT_EQ(TestSupport::FakeDisplayableModel::live() - liveBefore, 4);
    }
    EXPECT_EQ(TestSupport::FakeDisplayableModel::live(), liveBefore);

    Text3D::Font missing("Nothing");
    EXPECT_EQ(missing.getName(), "");
    EXPECT_EQ(missing.getLetterModel('A'), nullptr);
}

TEST_F(Text3DTest, TextLaysLettersOutAlongXAndLinesDownY)
{
    Text3D::Font font("Test", {{"A", 1.5f}});
    MathStuff::Orientation<float> start;
    start.position = Vec(1, 2, 3);
    start.direction = Vec(0, 0, 1);
    Text3D::TextObject text(&font, "AB\nz", &start, Vec(7, 10, 0), nullptr);
    const auto& letters = text.getLetters();
    ASSERT_EQ(letters.size(), 3u);
    expectVec(letters[0]->getOrientation().position, 1, 3.5f, 3);
    expectVec(letters[1]->getOrientation().position, 8, 2, 3);
    expectVec(letters[2]->getOrientation().position, 1, -8, 3);
    expectVec(letters[2]->getOrientation().direction, 0, 0, 1);
    EXPECT_EQ(letters[0]->getModel(), font.getLetterModel('A'));
    EXPECT_EQ(letters[2]->getModel(), font.getLetterModel('\0'));
    EXPECT_EQ(game.testWorld()->listed().size(), 3u);

    text.move(Vec(1, 2, 3));
    expectVec(letters[1]->getOrientation().position, 9, 4, 6);
    text.setText("B");
    ASSERT_EQ(text.getLetters().size(), 1u);
    expectVec(text.getLetters()[0]->getOrientation().position, 2, 4, 6);
    EXPECT_EQ(game.testWorld()->listed().size(), 1u);
    text.setText("");
    EXPECT_TRUE(text.getLetters().empty());
}

TEST_F(Text3DTest, SpinTurnsLettersAtTheYawSpeedAndStopFacesThemForward)
{
    game.getConfig()->getFloatPtr(Game::OPTION_YAW_SPEED)[0] = 9.0f;
    Text3D::Font font("Test");
    Text3D::TextObject text(&font, "AB", nullptr, Vec(7, 10, 0), nullptr);
    text.spin(true);
    EVT::Event_Update update(EVT::EVENT_UPDATE, 10);
    EVT::EventBus::instance()->raiseEvent(&update, false);
    for (Game::MoveableItem* letter : text.getLetters()) {
        EXPECT_EQ(letter->getMotionFlags(), Game::MoveableItem::YAW_PLUS);
        expectVec(letter->getOrientation().direction, -1, 0, 0);
    }
    text.spin(false);
    EVT::EventBus::instance()->raiseEvent(&update, false);
    for (Game::MoveableItem* letter : text.getLetters()) {
        EXPECT_EQ(letter->getMotionFlags(), 0);
        expectVec(letter->getOrientation().direction, 0, 0, 1);
    }
}

TEST_F(Text3DTest, RendererPlacesTextsOnItsGridFacingTheViewerAndErasesRanges)
{
    Text3D::Font font("Test");
    Text3D::TextRenderer renderer(&font, 40, 20);
    const Text3D::TextObject* first = renderer.display(0, 0, 0, "A");
    const Text3D::TextObject* second = renderer.display(14, 2, 5, "B");
    renderer.display(Vec(0, 0, 0), "C");
    expectVec(first->getOrientation().position, -35, 20, 0);
    expectVec(second->getOrientation().position, 35, 0, -5);
    expectVec(first->getOrientation().direction, 0, 0, 1);
    EXPECT_EQ(renderer.getTextCount(), 3);

    renderer.erase(2, 2);
    EXPECT_EQ(renderer.getTextCount(), 3);
    renderer.erase(1, 2);
    EXPECT_EQ(renderer.getTextCount(), 1);
    EXPECT_EQ(game.testWorld()->listed().size(), 1u);
    renderer.clear();
    EXPECT_EQ(renderer.getTextCount(), 0);
}
