#include "world/FlyingTexts.h"

#include <algorithm>

#include "physics/ChipmunkItem.h"
#include "physics/I_PhysicalEngine.h"
#include "shell/MoveableItem.h"
#include "shell/TextObject.h"

namespace KWEP {

FlyingTexts::FlyingTexts() {}

FlyingTexts::~FlyingTexts() { clear(); }

void FlyingTexts::add(Text3D::TextObject* text, Physics::ChipmunkItem* letter, Physics::I_PhysicalEngine* engine)
{
    m_texts.push_back(Text{text, letter, engine, 0.0f, 1.0f});
}

void FlyingTexts::update(long ms, float life, float scaleStep)
{
    if (!(life > 0.0f))
        return;
    const float seconds = static_cast<float>(static_cast<double>(ms) / 1000.0);
    for (Text& text : m_texts) {
        if (text.age > life)
            shrink(text, scaleStep);
        else
            text.age += seconds;
    }
    const auto gone = std::stable_partition(m_texts.begin(), m_texts.end(), [](const Text& text) { return text.scale > 0.0f; });
    std::for_each(gone, m_texts.end(), drop);
    m_texts.erase(gone, m_texts.end());
}

void FlyingTexts::clear()
{
    std::vector<Text> texts;
    texts.swap(m_texts);
    std::for_each(texts.begin(), texts.end(), drop);
}

void FlyingTexts::shrink(Text& text, float scaleStep)
{
    text.scale = scaleStep > 0.0f ? text.scale - scaleStep : 0.0f;
    if (text.scale <= 0.0f || !text.text)
        return;
    const MathStuff::Vector3<float> size = text.text->getOrientation().scale * text.scale;
    for (Game::MoveableItem* letter : text.text->getLetters())
        letter->getOrientation().scale = size;
}

// The letters ride on the letter item, which the engine drives: in that order.
void FlyingTexts::drop(Text& text)
{
    delete text.text;
    delete text.letter;
    delete text.engine;
}

} // namespace KWEP
