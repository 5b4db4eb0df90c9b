#include "shell/TextRenderer.h"

#include "core/Matrix4x4.h"
#include "core/Orientation.h"
#include "shell/TextObject.h"

namespace Text3D {

TextRenderer::TextRenderer(const Font* font, int columns, int rows)
    : m_font(font), m_columns(columns), m_rows(rows)
{
}

TextRenderer::~TextRenderer() { clear(); }

TextObject* TextRenderer::display(int column, int row, int depth, const char* text)
{
    const MathStuff::Vector3<float> position(static_cast<float>(5 * column - 35),
                                             static_cast<float>(20 - 10 * row),
                                             static_cast<float>(-depth));
    return display(position, text);
}

TextObject* TextRenderer::display(const MathStuff::Vector3<float>& position, const char* text)
{
    return display(position, text, 1.0f);
}

TextObject* TextRenderer::display(const MathStuff::Vector3<float>& position, const char* text, float scale)
{
    MathStuff::Matrix4x4<float> halfTurn;
    halfTurn.loadRotation(-180.0f, MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f));
    MathStuff::Orientation<float> orientation;
    orientation.position = position;
    orientation.direction = halfTurn.rotate(MathStuff::Vector3<float>(0.0f, 0.0f, -1.0f));
    orientation.scale = MathStuff::Vector3<float>(scale, scale, 1.0f);
    const MathStuff::Vector3<float> spacing(7.0f * scale, 10.0f * scale, 0.0f);
    TextObject* object = new TextObject(m_font, text, &orientation, spacing, nullptr);
    m_texts.push_back(object);
    return object;
}

void TextRenderer::clear()
{
    for (TextObject* text : m_texts)
        delete text;
    m_texts.clear();
}

void TextRenderer::erase(int index, int count)
{
    const int size = static_cast<int>(m_texts.size());
    if (index < 0 || count < 0 || index >= size || count > size - index)
        return;
    for (int i = index; i < index + count; ++i)
        delete m_texts[i];
    m_texts.erase(m_texts.begin() + index, m_texts.begin() + index + count);
}

} // namespace Text3D
