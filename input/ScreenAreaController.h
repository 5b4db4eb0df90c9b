#ifndef INPUT_SCREENAREACONTROLLER_H
#define INPUT_SCREENAREACONTROLLER_H

#include "core/I_Serializable.h"

#include <string>
#include <vector>

namespace Input
{
    class I_ScreenAreaRenderer;
    class ScreenArea;

    // Owns the screen areas of one input controller, in the order added; later areas
    // lie on top of earlier ones for finding and for drawing.
    class ScreenAreaController : public Util::I_Serializable
    {
    public:
        using AreaList = std::vector<ScreenArea*>;

        ScreenAreaController() = default;
        ~ScreenAreaController() override;

        ScreenAreaController(const ScreenAreaController&) = delete;
        ScreenAreaController& operator=(const ScreenAreaController&) = delete;

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;

        // Appends a copy of the area with that id (a default area when none has it);
        // returns the new area's id.
        virtual unsigned long newArea(unsigned long id);
        // Appends a copy of the given area (a default area for null).
        virtual unsigned long newArea(const ScreenArea* from);
        // Destroys the first area with that id; false when none has it.
        virtual bool deleteArea(unsigned long id);
        // The topmost area containing the point (percent), or null.
        virtual ScreenArea* getArea(float x, float y) const;
        // The first area with that id, or null.
        virtual ScreenArea* getArea(unsigned long id) const;
        // The first area with exactly that name, or null.
        virtual ScreenArea* getArea(const std::string& name) const;
        // Draws every area in list order; `current` is drawn highlighted.
        virtual void render(I_ScreenAreaRenderer* renderer, const ScreenArea* current) const;
        virtual void clearAreas();
        virtual AreaList::iterator find(unsigned long id);
        virtual AreaList::const_iterator find(unsigned long id) const;

        const AreaList& getAreas() const { return m_areas; }

    private:
        AreaList m_areas;
    };
}

#endif
