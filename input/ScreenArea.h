#ifndef INPUT_SCREENAREA_H
#define INPUT_SCREENAREA_H

#include "core/I_Serializable.h"
#include "core/NamedObject.h"
#include "core/SerializableUniqueID.h"

#include <string>

namespace Input
{
    class I_ScreenAreaRenderer;

    // A named rectangle in percent of the screen: x from the left edge, y from the top
    // edge. The left and top edges belong to the area, the right and bottom do not.
    // Its id comes from the id counter, or from a profile file when read back.
    class ScreenArea : public virtual Util::I_Serializable,
                       public virtual Util::NamedObject,
                       public virtual Util::SerializableUniqueID<unsigned long>
    {
    public:
        // Named "AREA " and its id; covers the whole screen (see setEntireScreen).
        ScreenArea();
        explicit ScreenArea(const std::string& name);
        // The source's name followed by "_2", a new id and the source's eight fields.
        ScreenArea(const ScreenArea& other);
        ScreenArea& operator=(const ScreenArea&) = delete;
        ~ScreenArea() override = default;

        // Whole screen, area colour 0, highlight flags 1, highlight colour 0, icon 0.
        static void setEntireScreen(ScreenArea& area);

        bool serialize(Util::I_Serializer* serializer) const override;
        bool deserialize(Util::I_Serializer* serializer) override;
        // A record whose header line fails still takes the (empty) name read.
        bool deserializeWithHeader(Util::I_Serializer* serializer, const char* header) override;

        virtual void setName(const std::string& name);
        virtual void setPercentOffsetFromLeft(float left);
        virtual void setPercentOffsetFromTop(float top);
        virtual void setPercentWidth(float width);
        virtual void setPercentHeight(float height);
        virtual void setAreaColor(unsigned long colour);
        virtual void setHighLightFlags(int flags);
        virtual void setHighLightColor(unsigned long colour);
        virtual void setIconId(int iconId);
        virtual float getPercentOffsetFromLeft() const;
        virtual float getPercentOffsetFromTop() const;
        virtual float getPercentWidth() const;
        virtual float getPercentHeight() const;
        virtual float getPercentOffsetOfRight() const;
        virtual float getPercentOffsetOfBottom() const;
        virtual unsigned long getAreaColor() const;
        virtual int getHighLightFlags() const;
        virtual unsigned long getHighLightColor() const;
        virtual int getIconId() const;

        // Draws the area in its highlight colour when highlighted, else its area colour.
        virtual void render(I_ScreenAreaRenderer* renderer, bool highlighted) const;

        // Whether the point (percent) lies in the area; a NaN coordinate never does.
        bool contains(float x, float y) const;

    private:
        float m_left = 0.0f;
        float m_top = 0.0f;
        float m_width = 100.0f;
        float m_height = 100.0f;
        unsigned long m_areaColor = 0;       // 0xRRGGBBAA
        int m_highlightFlags = 1;            // stored and written; drawing ignores it
        unsigned long m_highlightColor = 0;  // 0xRRGGBBAA
        int m_iconId = 0;
    };
}

#endif
