#include <gtest/gtest.h>

#include <functional>

#include "core/Event.h"
#include "core/EventWithString.h"
#include "core/Event_Key.h"
#include "core/Event_Update.h"
#include "menu/ItemCallBackMultiChoice.h"
#include "menu/ItemChoice.h"
#include "menu/MenuController.h"
#include "menu/MenuPage.h"
#include "MenuTestSupport.h"

using Menu::MenuItem;
using Menu::MenuPage;
using MenuTest::Recorder;

namespace {

void action(int id, bool queue = false)
{
    EVT::EventWithString event(id, ""); // actions arrive as the profile's class
    EVT::EventBus::instance()->raiseEvent(&event, queue);
}

void key(unsigned char code, bool pressed = true)
{
    EVT::Event_Key event(EVT::EVENT_KEY, code, pressed, 0);
    EVT::EventBus::instance()->raiseEvent(&event, false);
}

// Main page: PLAY, OPTIONS (opens the sub page), EXIT. Sub page: X.
struct Tree {
    Tree() : main("MAIN", 0), sub("SUB", 1)
    {
        EVT::Event play(EVT::EVENT_PLAY);
        EVT::Event quit(EVT::EVENT_QUIT);
        x = sub.addItemEvent("X", &quit);
        this->play = main.addItemEvent("PLAY", &play);
        options = main.addItemGotoPage("OPTIONS", &sub);
        exit = main.addItemEvent("EXIT", &quit);
    }
    ~Tree() { controller.init(nullptr); }

    Menu::MenuController controller;
    MenuPage main;
    MenuPage sub;
    MenuItem* play;
    MenuItem* options;
    MenuItem* exit;
    MenuItem* x;
};

} // namespace

TEST(MenuController, InitRaisesPageThenItemAndInitNullStops)
{
    Tree t;
    Recorder recorder;
    t.controller.init(t.play);
    ASSERT_EQ(recorder.ids(), (std::vector<int>{28, 29}));
    EXPECT_EQ(recorder.events[0].first, &t.main);
    EXPECT_EQ(recorder.events[1].first, t.play);
    EXPECT_EQ(recorder.events[1].firstId, t.play->getID());
    EXPECT_EQ(recorder.events[1].second, nullptr);
    EXPECT_EQ(recorder.events[1].secondId, 0u);

    recorder.events.clear();
    t.controller.init(t.play); // already current, not in edit mode
    EXPECT_EQ(recorder.ids(), std::vector<int>{28});

    recorder.events.clear();
    t.controller.init(nullptr);
    EXPECT_EQ(t.controller.getCurItem(), nullptr);
    EXPECT_EQ(t.controller.getCurItemId(), 0u);
    action(EVT::EVENT_MENU_DOWN);
    key(MenuItem::KEY_DOWN);
    EXPECT_TRUE(recorder.events.empty());
}

TEST(MenuController, IgnoresInputBeforeInit)
{
    Tree t;
    Recorder recorder;
    action(EVT::EVENT_MENU_SELECT);
    key(MenuItem::KEY_RETURN);
    EXPECT_TRUE(recorder.events.empty());
    EXPECT_EQ(t.controller.getCurItem(), nullptr);
}

TEST(MenuController, SelectingAGotoItemOpensThePageThenMovesToItsFirstItem)
{
    Tree t;
    t.controller.init(t.options);
    Recorder recorder;
    action(EVT::EVENT_MENU_SELECT);
    ASSERT_EQ(recorder.ids(), (std::vector<int>{28, 29}));
    EXPECT_EQ(recorder.events[0].first, &t.sub);
    EXPECT_EQ(recorder.events[1].first, t.x);
    EXPECT_EQ(recorder.events[1].second, t.options);
    EXPECT_EQ(recorder.events[1].secondId, t.options->getID());
    EXPECT_EQ(t.sub.itemList().back()->getType(), MenuItem::KIND_BACK);
}

// The back item is deleted by the close it starts; nothing may touch it
// afterwards (AddressSanitizer reports any access).
TEST(MenuController, BackItemClosesItsPageWithoutTouchingItselfAfterwards)
{
    for (int close : {EVT::EVENT_MENU_SELECT, EVT::EVENT_MENU_BACK}) {
        SCOPED_TRACE(close);
        Tree t;
        t.controller.init(t.options);
        action(EVT::EVENT_MENU_SELECT);
        action(EVT::EVENT_MENU_DOWN);
        MenuItem* back = t.sub.itemList().back();
        ASSERT_EQ(t.controller.getCurItem(), back);

        Recorder recorder;
        action(close);
        ASSERT_EQ(recorder.ids(), (std::vector<int>{28, 29}));
        EXPECT_EQ(recorder.events[0].first, &t.main);
        EXPECT_EQ(recorder.events[1].first, t.options);
        EXPECT_EQ(recorder.events[1].second, nullptr);
        EXPECT_EQ(recorder.events[1].secondId, 0u);
        EXPECT_EQ(t.sub.itemList().size(), 2u);
        EXPECT_EQ(t.controller.getCurItem(), t.options);
    }
}

TEST(MenuController, KeysMoveOnlyOnPressesWhileUseKeysIsSet)
{
    Tree t;
    t.controller.init(t.play);
    Recorder recorder;

    key(MenuItem::KEY_DOWN, false); // a release
    EVT::EventWithString notAKey(EVT::EVENT_KEY, "action 18");
    EVT::EventBus::instance()->raiseEvent(&notAKey, false);
    EXPECT_TRUE(recorder.events.empty());

    key(MenuItem::KEY_DOWN);
    EXPECT_EQ(t.controller.getCurItem(), t.options);

    t.controller.setUseKeys(false);
    key(MenuItem::KEY_DOWN);
    EXPECT_EQ(t.controller.getCurItem(), t.options);
    action(EVT::EVENT_MENU_DOWN); // actions still work
    EXPECT_EQ(t.controller.getCurItem(), t.exit);

    recorder.events.clear();
    action(EVT::EVENT_MENU_DOWN); // last item, no wrap: nothing
    EXPECT_TRUE(recorder.events.empty());
    t.controller.setWrapAround(true); // takes effect at once on the open page
    action(EVT::EVENT_MENU_DOWN);
    EXPECT_EQ(t.controller.getCurItem(), t.play);
}

TEST(MenuController, EditModeAnnouncesTheItemAgainUntilTheEditEnds)
{
    const std::vector<std::string> choices{"LOW", "HIGH"};
    MenuPage page("P", 0);
    auto* choice = new Menu::ItemChoice(&page, "LEVEL", &choices);
    page.addItem(choice);
    Menu::MenuController controller;
    controller.init(choice);
    Recorder recorder;

    action(EVT::EVENT_MENU_SELECT);    // enters edit mode
    key(MenuItem::KEY_RIGHT);         // next choice
    key(MenuItem::KEY_RIGHT);         // already on the last
    action(EVT::EVENT_MENU_SELECT);    // accepts
    EXPECT_EQ(recorder.ids(), (std::vector<int>{29, 30, 29, 29, 30}));
    EXPECT_EQ(recorder.events[0].first, choice);
    EXPECT_EQ(recorder.events[0].second, choice);
    EXPECT_FALSE(choice->isSelected());
    EXPECT_EQ(choice->getString(), "LEVEL HIGH");
    controller.init(nullptr);
}

namespace {

// Raises a menu action queued from the update event, as input controllers do.
class ActionSource : public EVT::I_EventConsumer {
public:
    explicit ActionSource(Menu::MenuController& controller) : m_controller(controller)
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_UPDATE, this);
    }
    void handleEvent(EVT::I_Event*) override
    {
        action(EVT::EVENT_MENU_DOWN, true);
        itemDuringUpdate = m_controller.getCurItem();
    }
    MenuItem* itemDuringUpdate = nullptr;

private:
    Menu::MenuController& m_controller;
};

} // namespace

TEST(MenuController, QueuedActionMovesAfterTheUpdateAndItsItemEventFollowsNextDelivery)
{
    Tree t;
    t.controller.init(t.play);
    ActionSource source(t.controller);
    Recorder recorder;

    EVT::Event_Update update(EVT::EVENT_UPDATE, 16);
    EVT::EventBus::instance()->raiseEvent(&update, false);
    EXPECT_EQ(source.itemDuringUpdate, t.play);       // not during the update
    EXPECT_EQ(t.controller.getCurItem(), t.options);  // right after it
    EXPECT_TRUE(recorder.events.empty()); // 29 was queued while the queue drained

    EVT::Event render(EVT::EVENT_RENDER);
    EVT::EventBus::instance()->raiseEvent(&render, false);
    ASSERT_EQ(recorder.ids(), std::vector<int>{29});
    EXPECT_EQ(recorder.events[0].first, t.options);
    EXPECT_EQ(recorder.events[0].second, t.play);
}

// 28 and 29 wait for the delivery in which the controller works to end; 30,
// 21 and an event item's own event arrive at once, 21 before 30.
TEST(MenuController, PageAndItemEventsAreQueuedWhileChoiceOptionAndItemEventsArriveAtOnce)
{
    bool music = false;
    Menu::I_MenuItemChosen handler;
    MenuPage main("MAIN", 0);
    MenuPage sub("SUB", 1);
    EVT::Event play(EVT::EVENT_PLAY);
    MenuItem* playItem = main.addItemEvent("PLAY", &play);
    main.addItemConfigBool("MUSIC", 19, &music);
    Menu::ItemCallBackMultiChoice* volume =
        main.addItemCallBackMultiChoice("VOL", {"0", "50"}, 0, MenuTest::callBackTo(handler));
    MenuItem* more = main.addItemGotoPage("MORE", &sub);
    Menu::MenuController controller;
    Recorder recorder({EVT::EVENT_PLAY});

    struct Step {
        const char* what;
        std::function<void()> operation;
        std::vector<int> atOnce;
        std::vector<int> queued;
    } steps[] = {
        {"init", [&] { controller.init(playItem); }, {}, {28, 29}},
        {"event item", [] { action(EVT::EVENT_MENU_SELECT); }, {1}, {}},
        {"event item again", [] { action(EVT::EVENT_MENU_SELECT); }, {1}, {}},
        {"down", [] { action(EVT::EVENT_MENU_DOWN); }, {}, {29}},
        {"edit", [] { action(EVT::EVENT_MENU_SELECT); }, {}, {29}},
        {"next choice", [] { key(MenuItem::KEY_RIGHT); }, {30}, {29}},
        {"accept", [] { action(EVT::EVENT_MENU_SELECT); }, {21, 30}, {}},
        {"down", [] { action(EVT::EVENT_MENU_DOWN); }, {}, {29}},
        {"step choice", [] { action(EVT::EVENT_MENU_SELECT); }, {30}, {}},
        {"down", [] { action(EVT::EVENT_MENU_DOWN); }, {}, {29}},
        {"open", [] { action(EVT::EVENT_MENU_SELECT); }, {}, {28, 29}},
        {"back", [] { action(EVT::EVENT_MENU_BACK); }, {}, {28, 29}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const MenuTest::Timing timing = MenuTest::timeInsideDelivery(recorder, step.operation);
        EXPECT_EQ(timing.atOnce, step.atOnce);
        EXPECT_EQ(timing.queued, step.queued);
    }
    EXPECT_TRUE(music);
    EXPECT_EQ(volume->getString(), "VOL 50");
    EXPECT_EQ(controller.getCurItem(), more);
    controller.init(nullptr);
}

namespace {

// Runs its reaction when the play event arrives, as a game may do to the
// menus from an event item.
class PlayReaction : public EVT::I_EventConsumer {
public:
    explicit PlayReaction(std::function<void()> reaction) : m_reaction(std::move(reaction))
    {
        EVT::EventBus::instance()->addConsumer(EVT::EVENT_PLAY, this);
    }
    void handleEvent(EVT::I_Event*) override { m_reaction(); }

private:
    std::function<void()> m_reaction;
};

} // namespace

TEST(MenuController, ItemWhoseOwnEventTearsTheTreeDownIsNotTouchedAgain)
{
    EVT::Event play(EVT::EVENT_PLAY);
    MenuPage next("NEXT", 1);
    MenuItem* again = next.addItemEvent("AGAIN", nullptr);
    enum Controller { LEFT_ALONE, STOPPED, RESTARTED };
    for (Controller how : {LEFT_ALONE, STOPPED, RESTARTED}) {
        SCOPED_TRACE(how);
        auto* page = new MenuPage("MAIN", 0);
        MenuItem* item = page->addItemEvent("PLAY", &play);
        Menu::MenuController controller;
        controller.init(item);
        PlayReaction reaction([&] {
            if (how != LEFT_ALONE)
                controller.init(how == RESTARTED ? again : nullptr);
            delete page;
        });
        Recorder recorder;
        action(EVT::EVENT_MENU_SELECT); // AddressSanitizer reports any touch
        EXPECT_EQ(recorder.ids(), how == RESTARTED ? (std::vector<int>{28, 29})
                                                   : std::vector<int>{});
        if (how == RESTARTED) {
            EXPECT_EQ(controller.getCurItem(), again);
        }
        action(EVT::EVENT_MENU_SELECT); // a dead current item takes no key
        controller.init(nullptr);
    }
}
