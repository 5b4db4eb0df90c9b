#ifndef FRELMORY_MENU_ITEMCONFIG_H
#define FRELMORY_MENU_ITEMCONFIG_H

#include <string>
#include <vector>

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_ConfigChange.h"
#include "menu/ItemChoice.h"

namespace Menu {

// A choice item bound to variables: accepting a changed choice writes that
// choice's values into the targets and announces the option (event 21) before
// the choice event (30). The engine's one instance is ItemConfig<bool>.
template <class T>
class ItemConfig : public ItemChoice {
public:
    struct Info {
        int configId;                       // option key announced in event 21
        int startIndex;                     // the choice shown first
        std::vector<std::string> labels;    // the choice texts
        std::vector<std::vector<T>> values; // per choice, one value per target
        std::vector<T*> targets;            // written on accept; not owned
    };

    ItemConfig(MenuPage* page, const std::string& label, const Info& info)
        : ItemChoice(KIND_CONFIG, page, label), m_info(info)
    {
        setChoices(&m_info.labels, m_info.startIndex);
    }
    ~ItemConfig() override = default;

    // An unchanged choice does nothing at all: the item stays in edit mode.
    void accept() override
    {
        if (isUnchanged())
            return;
        writeTargets();
        EVT::Event_ConfigChange event(EVT::EVENT_CONFIGCHANGE, m_info.configId);
        EVT::EventBus::instance()->raiseEvent(&event, false);
        ItemChoice::accept();
    }

private:
    // A values row shorter than the targets writes only the targets it covers.
    void writeTargets()
    {
        const int index = getCurrentIndex();
        if (index < 0 || static_cast<size_t>(index) >= m_info.values.size())
            return;
        const std::vector<T>& row = m_info.values[index];
        for (size_t i = 0; i < m_info.targets.size() && i < row.size(); ++i) {
            if (m_info.targets[i] != nullptr)
                *m_info.targets[i] = row[i];
        }
    }

    Info m_info;
};

} // namespace Menu

#endif
