#ifndef KWEP_CLIENTMENUS_H
#define KWEP_CLIENTMENUS_H

#include <string>
#include <vector>

#include "client/MenuLayout.h"
#include "core/I_EventConsumer.h"
#include "core/Vector3.h"

namespace EVT { class Event_MenuChoice; class Event_MenuItem; class Event_MenuPage; }
namespace Game { class MoveableItem; }
namespace Input { class I_ScreenAreaRenderer; class InputController; }
namespace Menu { class I_MenuItemChosen; class MenuController; class MenuItem; class MenuPage; }
namespace Text3D { class Font; class TextObject; class TextRenderer; }

namespace KWEP {

// The game's menu tree, built afresh from the menus file every time the menus
// are shown, and its drawing: the open page's title, text body and items are
// 3-D texts seen through the menus' own camera, laid out in rows around the
// current item on the page, item and choice events of the menu engine (28, 29,
// 30), and the band that marks the current line for every input profile
// (on the render event 12). Every page event also picks the active input controller: the text-page
// one on a page with a text body, the menu one on every other.
class ClientMenus : public EVT::I_EventConsumer {
public:
    // The page slots; the page id given to each page is its slot.
    enum MenuPages {
        PAGE_MAIN = 0,
        PAGE_MAIN_HELP = 1,
        PAGE_MAIN_PROFILES = 2,
        PAGE_MAIN_CONFIGURE = 4,
        PAGE_CONFIG_GAME = 7,
        PAGE_CONFIG_SCREEN = 8,
        PAGE_CONFIG_SOUND = 9,
        PAGE_SCREEN_RES = 10,
        PAGE_SCREEN_FOV = 11,
        NUM_PAGE_SLOTS = 17
    };

    // Builds the pages while create runs.
    class MenuMaker;

    // One shown line. The item is trusted only while its id is registered;
    // the text belongs to the text renderer.
    struct ShownItem {
        const Menu::MenuItem* item;
        unsigned long id;
        Text3D::TextObject* text;
    };
    typedef std::vector<ShownItem> ShownList;
    typedef MathStuff::Vector3<float> Vec;

    // An empty tree, subscribed to the events 28, 29 and 30.
    ClientMenus();
    // Deletes the camera, the texts and the pages, and stops the menu controller.
    ~ClientMenus() override;

    ClientMenus(const ClientMenus&) = delete;
    ClientMenus& operator=(const ClientMenus&) = delete;

    // The option handler (not owned) the option items call; before create.
    void setChooseHandler(Menu::I_MenuItemChosen* handler);
    // The area renderer (not owned, may be null) that draws the band marking
    // the current line on every render event (12).
    void setBandRenderer(Input::I_ScreenAreaRenderer* renderer);
    // The profile files of the menu and text-page input controllers, named
    // when an area of theirs lies over a page's text.
    void setProfileFiles(const std::string& menuFile, const std::string& textPageFile);

    // Builds the tree from the menus file, makes the menu camera the world's
    // camera item and starts the controller on the play item (the resume item
    // when paused). Once per object: a second call does nothing. The
    // controllers and the font are not owned and must outlive this object. A
    // missing file gives an empty tree: empty labels, positions at the
    // origin, no choices.
    void create(Menu::MenuController* controller, const Text3D::Font* font,
                Input::InputController* menuInput, Input::InputController* textPageInput,
                const std::string& fileName, bool paused);

    void handleEvent(EVT::I_Event* event) override;

    // Shows the event's page, when it is one of this tree's pages.
    void createPage(EVT::Event_MenuPage* event);
    // Moves the mark from the previous current item to the new one.
    void menuItemChanged(EVT::Event_MenuItem* event);
    // Brings every shown text up to date with its item.
    void menuItemChoiceChanged(EVT::Event_MenuChoice* event);

    // Puts one text on a row of the shown page; its x stays.
    void setItemPos(Text3D::TextObject* text, int row);
    // Lays the row items out with the item (the first row item for null) on
    // the middle row; an item that is not a shown row item changes nothing.
    void centrePage(const Menu::MenuItem* item);
    int numItemRows() const;
    int middleRowNum() const;
    // The shown line of a live item, or null.
    ShownItem* findItemObjectPair(const Menu::MenuItem* item);
    // Shows the item's text at the position and appends it to the shown list.
    Text3D::TextObject* addMenuObject(const Menu::MenuItem* item, const Vec& position);

    Menu::MenuPage* getPage(int slot) const;
    const ShownList& getShownList() const { return m_shown; }
    int getCurrentPage() const { return m_currentPage; }
    const Game::MoveableItem* getCamera() const { return m_camera; }
    // The shown line that is current, or null (none yet, or deleted).
    const ShownItem* getCurrentShown();
    // Draws the band around the current line; nothing without one.
    void drawBand();

private:
    MenuLayout layout() const;
    // Whether the page is one of this tree's and carries the id.
    bool isOwnPage(const Menu::MenuPage* page, unsigned long pageID) const;
    ShownItem* findShown(unsigned long id);
    void chooseInputController(bool textPage);
    // A message naming the profile file when one of its visible areas lies
    // over a letter of the page just laid out; once per page and file.
    void warnCoveredText(bool textPage);
    bool screenView(float& fov, float& aspect) const;
    void deletePages();

    ShownList m_shown;
    Menu::MenuController* m_controller;     // not owned
    Input::InputController* m_menuInput;    // not owned
    Input::InputController* m_textPageInput; // not owned
    Game::MoveableItem* m_camera;           // owned
    Text3D::TextRenderer* m_renderer;       // owned, with every shown text
    Menu::I_MenuItemChosen* m_chooseHandler; // not owned
    Input::I_ScreenAreaRenderer* m_bandRenderer; // not owned
    unsigned long m_currentId; // id of the current item while it is shown, else 0
    std::string m_menuProfileFile;
    std::string m_textPageProfileFile;
    std::vector<std::string> m_warned; // "file page" pairs already reported

    // Menu-wide defaults of the per-page positions.
    Vec m_titlePos;
    Vec m_itemPos;
    Vec m_textPagePos;
    Vec m_selectedMove;

    float m_fixedRowYAdjust;   // lift of the current item per reserved row
    float m_nonSelectedYAdjust;
    bool m_spin;               // the current item turns
    float m_rowHeight;
    int m_totalRows;
    int m_textPageCols;
    int m_textPageRows;

    int m_reservedRows;        // R: rows above the items taken by a text body
    int m_firstRowItem;        // index in the shown list

    Menu::MenuPage* m_pages[NUM_PAGE_SLOTS]; // owned; null for an empty slot
    Vec m_pageTitlePos[NUM_PAGE_SLOTS];
    Vec m_pageItemPos[NUM_PAGE_SLOTS];
    Vec m_pageTextPagePos[NUM_PAGE_SLOTS];
    Vec m_pageSelectedMove[NUM_PAGE_SLOTS];
    int m_currentPage;
};

} // namespace KWEP

#endif
