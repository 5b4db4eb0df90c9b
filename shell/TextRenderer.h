#ifndef TEXT3D_TEXTRENDERER_H
#define TEXT3D_TEXTRENDERER_H

#include <vector>

#include "core/Vector3.h"

namespace Text3D {

class Font;
class TextObject;

// Places text objects facing the viewer on a fixed grid and owns them, in
// creation order.
class TextRenderer {
public:
    // The font (not owned) must outlive the renderer. Placement does not depend
    // on the column and row counts.
    TextRenderer(const Font* font, int columns, int rows);
    virtual ~TextRenderer();

    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // The text at (5 column - 35, 20 - 10 row, -depth).
    virtual TextObject* display(int column, int row, int depth, const char* text);
    // A new text at the position, facing (0, 0, 1), letter spacing (7, 10, 0),
    // no mover; the renderer keeps ownership.
    virtual TextObject* display(const MathStuff::Vector3<float>& position, const char* text);
    // As above, every letter and the spacing scaled by the factor in the
    // plane of the text; the letters keep their depth, so that a text made
    // large for a wide view does not show deep sides in its corners.
    virtual TextObject* display(const MathStuff::Vector3<float>& position, const char* text, float scale);
    // Deletes every text.
    virtual void clear();
    // Deletes texts index to index + count - 1 when that range lies in the list;
    // otherwise does nothing.
    virtual void erase(int index, int count);

    int getTextCount() const { return static_cast<int>(m_texts.size()); }

private:
    const Font* m_font;
    int m_columns;
    int m_rows;
    std::vector<TextObject*> m_texts;
};

} // namespace Text3D

#endif
