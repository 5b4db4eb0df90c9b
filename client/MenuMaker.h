#ifndef KWEP_MENUMAKER_H
#define KWEP_MENUMAKER_H

#include <string>
#include <vector>

#include "client/ClientMenus.h"
#include "core/Info.h"
#include "menu/ChoiceCallBack.h"

namespace Menu { class ItemCallBackMultiChoice; }

namespace KWEP {

// Builds the pages of a menus object from the open menus file: pages go into
// their slots with their positions, items onto the receiving page. The file
// is open for the maker's lifetime, over the override layer.
class ClientMenus::MenuMaker {
public:
    typedef Menu::ChoiceCallBack::Method Handler;

    MenuMaker(ClientMenus& menus, const std::string& fileName);

    // The menu-wide keys: the menus' field of view (OPTION_MENU_FOV), the back
    // and scroll labels, the default positions and the layout values.
    void readMenuWide();
    // The whole tree; returns the item the controller starts on.
    Menu::MenuItem* makeTree(bool paused);

    void newMenuPage(MenuPages slot, const std::string& prefix);
    void newTextPage(MenuPages slot, const std::string& pagePrefix, const std::string& textPrefix);
    void newChoicePage(MenuPages slot, const std::string& prefix,
                       const std::vector<std::string>& labels, Handler handler);
    void setPagePositions(MenuPages slot, const std::string& prefix);
    // The page that receives the next items.
    void setReceivingPage(MenuPages slot);

    Menu::MenuItem* addItemGotoPage(const std::string& labelKey, MenuPages target);
    Menu::MenuItem* addItemEvent(const std::string& labelKey, int eventId);
    Menu::ItemCallBackMultiChoice* addItemMultiChoice(const std::string& labelKey,
                                                      const std::string& choicesKey,
                                                      unsigned int startIndex, Handler handler);
    // On/off item starting on the second choice when the option is on.
    Menu::ItemCallBackMultiChoice* addOnOffChoice(const std::string& labelKey,
                                                  const std::string& choicesKey, int optionKey,
                                                  Handler handler);
    // Starts on the choice that reads as the option's value; when none does,
    // the value is appended as a further choice.
    Menu::ItemCallBackMultiChoice* addVolumeChoice(const std::string& labelKey,
                                                   const std::string& choicesKey, int optionKey,
                                                   Handler handler);

    // The key's comma-separated pieces, empty ones dropped.
    std::vector<std::string> getChoices(const std::string& key) const;

private:
    Menu::MenuItem* makeMainPage(bool paused);
    void makeConfigurePages();
    void makeScreenPages();
    void makeSoundPage();
    int getRowCount(const std::string& key, int fallback) const;
    Menu::ChoiceCallBack callBack(Handler handler) const;

    ClientMenus& m_menus;
    CFG::Info m_info;
    MenuPages m_slot;
};

} // namespace KWEP

#endif
