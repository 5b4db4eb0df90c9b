// The mark of the current menu line as the window shows it, with each shipped
// menu profile: the whole program draws into a real GL window and the picture
// is read back after every drawer of the frame has drawn.

#include <gtest/gtest.h>

#include <GL/glew.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RunFolder.h"
#include "WholeRun.h"
#include "core/Event.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/I_EventConsumer.h"

namespace {

using PlayThrough::WholeRun;
typedef KWEP::ClientFSM States;

// The window's pixels, RGBA from the bottom row up, read at the end of the
// render pass after the one the grab was asked in.
class PictureGrab : public EVT::I_EventConsumer {
public:
    PictureGrab() { EVT::EventBus::instance()->addConsumer(EVT::EVENT_RENDER, this); }

    void handleEvent(EVT::I_Event*) override
    {
        if (!m_wanted)
            return;
        m_wanted = false;
        GLint view[4] = {0, 0, 0, 0};
        glGetIntegerv(GL_VIEWPORT, view);
        Picture picture{640, 480, std::vector<unsigned char>(640 * 480 * 4)};
        glViewport(0, 0, picture.width, picture.height);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, picture.width, picture.height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
        glViewport(view[0], view[1], view[2], view[3]);
        pictures.push_back(picture);
    }

    void want() { m_wanted = true; }

    struct Picture {
        int width;
        int height;
        std::vector<unsigned char> rgba;
    };
    std::vector<Picture> pictures;

private:
    bool m_wanted = false;
};

// A pixel of the band: strongly blue, which no letter, background or area of
// the shipped profiles is (their arrows are magenta, red or green).
bool bandPixel(const unsigned char* p)
{
    return p[2] >= 150 && p[2] >= p[0] + 80 && p[0] < 130;
}

// Window rows, counted from the top, that cross the band.
std::vector<int> bandRows(const PictureGrab::Picture& picture)
{
    std::vector<int> rows;
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row = &picture.rgba[static_cast<std::size_t>(picture.height - 1 - y) * picture.width * 4];
        int count = 0;
        for (int x = 0; x < picture.width; ++x)
            count += bandPixel(row + x * 4) ? 1 : 0;
        if (count >= 20)
            rows.push_back(y);
    }
    return rows;
}

bool oneRun(const std::vector<int>& rows)
{
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i] != rows[i - 1] + 1)
            return false;
    }
    return !rows.empty();
}

// The pixels of the given rows, to tell two lines of text apart.
std::vector<unsigned char> rowsOf(const PictureGrab::Picture& picture, const std::vector<int>& rows)
{
    std::vector<unsigned char> out;
    for (int y : rows) {
        const std::size_t start = static_cast<std::size_t>(picture.height - 1 - y) * picture.width * 4;
        out.insert(out.end(), picture.rgba.begin() + start, picture.rgba.begin() + start + picture.width * 4);
    }
    return out;
}

void raiseAt(int id)
{
    EVT::Event event(id);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

class MenuBandPixels : public ::testing::TestWithParam<const char*> {};

} // namespace

// The main menu, the main menu one line further down and the help page, each
// read back: one band, on a line of letters, in each; the line under it
// changes with the current item, and on the help page it sits lower, with the
// page's own lines.
TEST_P(MenuBandPixels, OneBandMarksTheCurrentLineAndFollowsIt)
{
    RunFolder folder(std::string("band_pixels_") + std::to_string(std::hash<std::string>()(GetParam())));
    ASSERT_TRUE(folder.ok());
    // Made once the menus stand, so that it reads the picture after every
    // drawer subscribed before it has drawn.
    std::unique_ptr<PictureGrab> grab;
    const WholeRun::Act look = [&grab](WholeRun& run, int frame) {
        switch (frame) {
        case 0:
            grab.reset(new PictureGrab);
            run.pointerPercent(50, 5); // in no head-tracker area, clear of the lines
            break;
        case 8:
        case 16:
        case 26:
            grab->want();
            break;
        case 10:
            raiseAt(EVT::EVENT_MENU_DOWN);
            break;
        case 18:
            raiseAt(EVT::EVENT_MENU_UP);
            raiseAt(EVT::EVENT_MENU_UP); // HOW TO PLAY
            raiseAt(EVT::EVENT_MENU_SELECT);
            break;
        case 28:
            raiseAt(EVT::EVENT_QUIT);
            break;
        default:
            break;
        }
        return frame >= 28;
    };
    WholeRun run({{States::STATE_MENUS, look}}, 400);
    EXPECT_EQ(run.run({"--menu-input", std::string("data/Config/Input/") + GetParam()}), 0);
    ASSERT_TRUE(grab);
    const std::vector<PictureGrab::Picture>& pictures = grab->pictures;
    ASSERT_EQ(pictures.size(), 3u);

    const std::vector<int> main = bandRows(pictures[0]);
    const std::vector<int> down = bandRows(pictures[1]);
    const std::vector<int> help = bandRows(pictures[2]);
    for (const std::vector<int>* rows : {&main, &down, &help}) {
        EXPECT_TRUE(oneRun(*rows)) << "the band is one stripe across the picture";
        EXPECT_GE(rows->size(), 10u);
        EXPECT_LE(rows->size(), 60u);
    }
    EXPECT_NE(rowsOf(pictures[0], main), rowsOf(pictures[1], main))
        << "the line in the band changes with the current item";
    ASSERT_FALSE(main.empty());
    ASSERT_FALSE(help.empty());
    EXPECT_GT(help.front(), main.back()) << "on the help page the band moves down to its lines";
}

INSTANTIATE_TEST_SUITE_P(EveryMenuProfile, MenuBandPixels,
                         ::testing::Values("KWEP_MENU_INPUT_STANDARD.cfg", "KWEP_MENU_INPUT_ONESWITCH.cfg",
                                           "KWEP_MENU_INPUT_HEADTRACKER.cfg"));
