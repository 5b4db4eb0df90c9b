#include "shell/TextObject.h"

#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Move.h"
#include "shell/Font.h"
#include "shell/MoveableItem.h"

namespace Text3D {

namespace {

// Move kinds that switch a movable item's steady yaw on and off.
const int YAW_START = 18;
const int YAW_STOP = 19;

} // namespace

TextObject::TextObject(const Font* font, const char* text, const MathStuff::Orientation<float>* orientation,
                       const MathStuff::Vector3<float>& spacing, Game::I_Mover* mover)
    : m_font(font), m_text(text ? text : ""), m_spacing(spacing),
      m_orientation(orientation ? *orientation : MathStuff::Orientation<float>()), m_mover(mover)
{
    createText();
}

TextObject::~TextObject() { clearText(); }

void TextObject::setText(const char* text)
{
    m_text = text ? text : "";
    clearText();
    createText();
}

const std::string& TextObject::getText() const { return m_text; }

MathStuff::Orientation<float>& TextObject::getOrientation() { return m_orientation; }

const MathStuff::Orientation<float>& TextObject::getOrientation() const { return m_orientation; }

void TextObject::spin(bool on)
{
    for (Game::MoveableItem* letter : m_letters) {
        EVT::Event_Move move(EVT::EVENT_MOVE, letter->getID(), on ? YAW_START : YAW_STOP, 0.0f);
        EVT::EventBus::instance()->raiseEvent(&move, false);
        if (!on)
            letter->getOrientation().direction = MathStuff::Vector3<float>(0.0f, 0.0f, 1.0f);
    }
}

void TextObject::clearText()
{
    for (Game::MoveableItem* letter : m_letters)
        delete letter;
    m_letters.clear();
}

void TextObject::createText()
{
    MathStuff::Vector3<float> cursor = m_orientation.position;
    const float lineStart = cursor.x;
    for (char c : m_text) {
        if (c == '\n') {
            cursor.x = lineStart;
            cursor.y -= m_spacing.y;
            continue;
        }
        Game::MoveableItem* letter = new Game::MoveableItem(m_mover);
        letter->setModel(m_font ? m_font->getLetterModel(c) : nullptr);
        MathStuff::Orientation<float> placed = m_orientation;
        placed.position = MathStuff::Vector3<float>(
            cursor.x, cursor.y + (m_font ? m_font->getLetterOffset(c) : 0.0f), cursor.z);
        letter->setOrientation(placed);
        m_letters.push_back(letter);
        cursor.x += m_spacing.x;
    }
}

void TextObject::move(const MathStuff::Vector3<float>& delta)
{
    m_orientation.position += delta;
    for (Game::MoveableItem* letter : m_letters)
        letter->getOrientation().position += delta;
}

} // namespace Text3D
