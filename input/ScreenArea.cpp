#include "input/ScreenArea.h"

#include "core/I_Serializer.h"
#include "input/I_ScreenAreaRenderer.h"
#include "input/ProfileTags.h"

namespace Input
{
    ScreenArea::ScreenArea() : Util::NamedObject(std::string())
    {
        setName("AREA " + std::to_string(getID()));
    }

    ScreenArea::ScreenArea(const std::string& name) : Util::NamedObject(name)
    {
        setEntireScreen(*this);
    }

    ScreenArea::ScreenArea(const ScreenArea& other)
        : Util::I_Serializable(other),
          Util::NamedObject(other.getName() + "_2"),
          Util::UniqueID<unsigned long>(other),
          Util::SerializableUniqueID<unsigned long>(other),
          m_left(other.m_left),
          m_top(other.m_top),
          m_width(other.m_width),
          m_height(other.m_height),
          m_areaColor(other.m_areaColor),
          m_highlightFlags(other.m_highlightFlags),
          m_highlightColor(other.m_highlightColor),
          m_iconId(other.m_iconId)
    {
    }

    void ScreenArea::setEntireScreen(ScreenArea& area)
    {
        area.m_left = 0.0f;
        area.m_top = 0.0f;
        area.m_width = 100.0f;
        area.m_height = 100.0f;
        area.m_areaColor = 0;
        area.m_highlightFlags = 1;
        area.m_highlightColor = 0;
        area.m_iconId = 0;
    }

    void ScreenArea::setName(const std::string& name)
    {
        static_cast<Util::NamedObject&>(*this) = Util::NamedObject(name);
    }

    void ScreenArea::setPercentOffsetFromLeft(float left) { m_left = left; }
    void ScreenArea::setPercentOffsetFromTop(float top) { m_top = top; }
    void ScreenArea::setPercentWidth(float width) { m_width = width; }
    void ScreenArea::setPercentHeight(float height) { m_height = height; }
    void ScreenArea::setAreaColor(unsigned long colour) { m_areaColor = colour; }
    void ScreenArea::setHighLightFlags(int flags) { m_highlightFlags = flags; }
    void ScreenArea::setHighLightColor(unsigned long colour) { m_highlightColor = colour; }
    void ScreenArea::setIconId(int iconId) { m_iconId = iconId; }
    float ScreenArea::getPercentOffsetFromLeft() const { return m_left; }
    float ScreenArea::getPercentOffsetFromTop() const { return m_top; }
    float ScreenArea::getPercentWidth() const { return m_width; }
    float ScreenArea::getPercentHeight() const { return m_height; }
    float ScreenArea::getPercentOffsetOfRight() const { return m_left + m_width; }
    float ScreenArea::getPercentOffsetOfBottom() const { return m_top + m_height; }
    unsigned long ScreenArea::getAreaColor() const { return m_areaColor; }
    int ScreenArea::getHighLightFlags() const { return m_highlightFlags; }
    unsigned long ScreenArea::getHighLightColor() const { return m_highlightColor; }
    int ScreenArea::getIconId() const { return m_iconId; }

    bool ScreenArea::contains(float x, float y) const
    {
        return m_left <= x && x < m_left + m_width && m_top <= y && y < m_top + m_height;
    }

    void ScreenArea::render(I_ScreenAreaRenderer* renderer, bool highlighted) const
    {
        if (!renderer)
            return;
        renderer->drawBox(m_left, m_top, m_width, m_height,
                          highlighted ? m_highlightColor : m_areaColor, m_iconId);
    }

    bool ScreenArea::serialize(Util::I_Serializer* s) const
    {
        return s->putString(getName(), NAME_TAG) &&
               s->putULong(getID(), ID_TAG) &&
               s->putFloat(m_left, LEFTOFFSET_TAG) &&
               s->putFloat(m_top, TOPOFFSET_TAG) &&
               s->putFloat(m_width, WIDTH_TAG) &&
               s->putFloat(m_height, HEIGHT_TAG) &&
               s->putULong(m_areaColor, AREACOLOR_TAG) &&
               s->putInt(m_highlightFlags, HIGHLIGHTFLAGS_TAG) &&
               s->putULong(m_highlightColor, HIGHLIGHTCOLOR_TAG) &&
               s->putInt(m_iconId, ICONID_TAG);
    }

    bool ScreenArea::deserialize(Util::I_Serializer* s)
    {
        // Name and id are taken whether or not the rest of the record reads; an id
        // that was never read leaves the one drawn from the counter.
        std::string name;
        unsigned long id = 0;
        const bool nameOk = s->getString(name, NAME_TAG);
        const bool idOk = nameOk && s->getULong(id, ID_TAG);
        const bool ok = idOk &&
                        s->getFloat(m_left, LEFTOFFSET_TAG) &&
                        s->getFloat(m_top, TOPOFFSET_TAG) &&
                        s->getFloat(m_width, WIDTH_TAG) &&
                        s->getFloat(m_height, HEIGHT_TAG) &&
                        s->getULong(m_areaColor, AREACOLOR_TAG) &&
                        s->getInt(m_highlightFlags, HIGHLIGHTFLAGS_TAG) &&
                        s->getULong(m_highlightColor, HIGHLIGHTCOLOR_TAG) &&
                        s->getInt(m_iconId, ICONID_TAG);
        setName(nameOk ? name : std::string());
        if (idOk)
            setStoredID(id);
        return ok;
    }

    bool ScreenArea::deserializeWithHeader(Util::I_Serializer* s, const char* /*header*/)
    {
        // The header word is not compared. A record that fails already at its header
        // gave no name either.
        std::string word;
        if (!s->getString(word, nullptr))
        {
            setName(std::string());
            return false;
        }
        return deserialize(s);
    }
}
