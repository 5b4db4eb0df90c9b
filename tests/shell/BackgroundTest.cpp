#include <gtest/gtest.h>

#include "TempPath.h"

#include <cstdio>
#include <string>
#include <vector>

#include "FakeRenderController.h"
#include "TestGame.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event.h"
#include "core/TGA.h"
#include "shell/Background.h"
#include "shell/I_HUD.h"

namespace {

// A game root with a render controller whose view is 8 x 6 pixels, and a
// helper that writes small TGA files.
class BackgroundTest : public ::testing::Test {
protected:
    BackgroundTest()
    {
        renderer.view.w = 8;
        renderer.view.h = 6;
        game.runGame(nullptr, nullptr, nullptr, &renderer, nullptr);
    }
    ~BackgroundTest() override
    {
        for (const std::string& file : files)
            std::remove(file.c_str());
    }

    std::string picture(unsigned int w, unsigned int h, unsigned int bits)
    {
        const std::string file = TestSupport::tempPath("background_" + std::to_string(files.size()) + ".tga");
        std::vector<unsigned char> data(w * h * bits / 8, 7);
        EXPECT_TRUE(Media::TGA::saveToFile(file.c_str(), w, h, bits, data.data()));
        files.push_back(file);
        return file;
    }

    TestSupport::FakeRenderController renderer;
    TestSupport::TestGame game{true};
    std::vector<std::string> files;
};

class CountingHUD : public Game::I_HUD {
public:
    void renderHUD() override { ++draws; }
    int draws = 0;
};

void render()
{
    EVT::Event event(EVT::EVENT_RENDER);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

} // namespace

TEST_F(BackgroundTest, CentresSignedAndRoundedDownAndRefusesWiderPictures)
{
    struct Case {
        unsigned int w, h;
        bool accepted;
        int x, y;
    };
    const Case cases[] = {
        {8, 6, true, 0, 0},   // exactly the view
        {9, 6, false, 0, 0},  // one pixel wider: (8 - 9) / 2 rounds down to -1
        {7, 6, true, 0, 0},   // (8 - 7) / 2 = 0.5 rounds down to 0
        {5, 2, true, 1, 2},
        {4, 7, true, 2, -1},  // taller is drawn cut: (6 - 7) / 2 rounds down to -1
    };
    Game::Background* background = game.getBackground();
    ASSERT_NE(background, nullptr);
    for (const Case& c : cases) {
        const std::string file = picture(c.w, c.h, 32);
        EXPECT_EQ(background->load(file), c.accepted) << c.w << "x" << c.h;
        EXPECT_EQ(background->isLoaded(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(background->getX(), c.x) << c.w << "x" << c.h;
            EXPECT_EQ(background->getY(), c.y) << c.w << "x" << c.h;
        }
    }
}

TEST_F(BackgroundTest, KeepsTrueColourAsRGBAAndRefusesOtherDepthsOrMissingFiles)
{
    Game::Background* background = game.getBackground();
    EXPECT_FALSE(background->load(picture(4, 4, 8)));
    EXPECT_TRUE(background->load(picture(4, 4, 24)));
    EXPECT_FALSE(background->load(TestSupport::tempPath("no_such_picture.tga")));
    EXPECT_FALSE(background->isLoaded());

    ASSERT_TRUE(background->load(picture(4, 4, 24)));
    render();
    ASSERT_EQ(renderer.screens.size(), 1u);
    EXPECT_EQ(renderer.screens[0].firstPixel, (std::vector<unsigned char>{7, 7, 7, 255}));
}

TEST_F(BackgroundTest, DrawsOnEveryRenderEventThroughAnOrthographicView)
{
    Game::Background* background = game.getBackground();
    render();
    EXPECT_TRUE(renderer.screens.empty());
    EXPECT_EQ(renderer.viewEvents, 0);

    ASSERT_TRUE(background->load(picture(4, 2, 32)));
    render();
    render();
    ASSERT_EQ(renderer.screens.size(), 2u);
    EXPECT_EQ(renderer.viewEvents, 2);
    EXPECT_EQ(renderer.lastViewMode, 0);
    EXPECT_EQ(renderer.screens[0].x, 2);
    EXPECT_EQ(renderer.screens[0].y, 2);
    EXPECT_EQ(renderer.screens[0].w, 4);
    EXPECT_EQ(renderer.screens[0].h, 2);

    background->unload();
    render();
    EXPECT_EQ(renderer.screens.size(), 2u);
}

TEST(HUD, DrawsOnRenderEventsOnlyWhileOn)
{
    CountingHUD hud;
    render();
    hud.setOn(true);
    render();
    render();
    hud.setOn(false);
    render();
    EXPECT_EQ(hud.draws, 2);
}
