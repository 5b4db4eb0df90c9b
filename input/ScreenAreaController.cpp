#include "input/ScreenAreaController.h"

#include "core/DeleteIt.h"
#include "core/I_Serializer.h"
#include "input/ProfileTags.h"
#include "input/ScreenArea.h"

#include <algorithm>

namespace Input
{
    ScreenAreaController::~ScreenAreaController()
    {
        clearAreas();
    }

    unsigned long ScreenAreaController::newArea(unsigned long id)
    {
        return newArea(static_cast<const ScreenArea*>(getArea(id)));
    }

    unsigned long ScreenAreaController::newArea(const ScreenArea* from)
    {
        ScreenArea* area = from ? new ScreenArea(*from) : new ScreenArea();
        m_areas.push_back(area);
        return area->getID();
    }

    bool ScreenAreaController::deleteArea(unsigned long id)
    {
        AreaList::iterator it = find(id);
        if (it == m_areas.end())
            return false;
        delete *it;
        m_areas.erase(it);
        return true;
    }

    ScreenArea* ScreenAreaController::getArea(float x, float y) const
    {
        for (AreaList::const_reverse_iterator it = m_areas.rbegin(); it != m_areas.rend(); ++it)
        {
            if ((*it)->contains(x, y))
                return *it;
        }
        return nullptr;
    }

    ScreenArea* ScreenAreaController::getArea(unsigned long id) const
    {
        AreaList::const_iterator it = find(id);
        return it == m_areas.end() ? nullptr : *it;
    }

    ScreenArea* ScreenAreaController::getArea(const std::string& name) const
    {
        for (ScreenArea* area : m_areas)
        {
            if (area->getName() == name)
                return area;
        }
        return nullptr;
    }

    void ScreenAreaController::render(I_ScreenAreaRenderer* renderer, const ScreenArea* current) const
    {
        for (const ScreenArea* area : m_areas)
            area->render(renderer, area == current);
    }

    void ScreenAreaController::clearAreas()
    {
        std::for_each(m_areas.begin(), m_areas.end(), Util::DeleteIt<ScreenArea*>());
        m_areas.clear();
    }

    ScreenAreaController::AreaList::iterator ScreenAreaController::find(unsigned long id)
    {
        return std::find_if(m_areas.begin(), m_areas.end(),
                            [id](const ScreenArea* area) { return area->getID() == id; });
    }

    ScreenAreaController::AreaList::const_iterator ScreenAreaController::find(unsigned long id) const
    {
        return std::find_if(m_areas.begin(), m_areas.end(),
                            [id](const ScreenArea* area) { return area->getID() == id; });
    }

    bool ScreenAreaController::serialize(Util::I_Serializer* s) const
    {
        if (!s->putInt(static_cast<int>(m_areas.size()), NUMAREAS_TAG))
            return false;
        for (const ScreenArea* area : m_areas)
        {
            if (!area->serializeWithHeader(s, AREAHEADER_TAG))
                return false;
        }
        return true;
    }

    bool ScreenAreaController::deserialize(Util::I_Serializer* s)
    {
        clearAreas();
        int count = 0;
        if (!s->getInt(count, NUMAREAS_TAG) || count > MAX_PROFILE_RECORDS)
            return false;
        for (int i = 0; i < count; ++i)
        {
            // The area being read stays in the list even when its record fails.
            // It starts blank, without a search of the list, so a long list
            // reads in linear time.
            ScreenArea* area = new ScreenArea();
            m_areas.push_back(area);
            if (!area->deserializeWithHeader(s, AREAHEADER_TAG))
                return false;
        }
        return true;
    }
}
