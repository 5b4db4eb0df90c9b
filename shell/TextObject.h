#ifndef TEXT3D_TEXTOBJECT_H
#define TEXT3D_TEXTOBJECT_H

#include <string>
#include <vector>

#include "core/Orientation.h"
#include "core/Vector3.h"

namespace Game { class I_Mover; class MoveableItem; }

namespace Text3D {

class Font;

// A string as one movable world item per character (newlines excepted), laid
// out from a start orientation: letters advance along world x by the spacing's
// x, lines go down world y by the spacing's y; the orientation's direction, up
// and scale turn and scale each letter in place. The text owns its letters.
class TextObject {
public:
    // The font (not owned) must outlive the text; the mover (may be null, not
    // owned) is handed to every letter. A null text is empty; a null orientation
    // is the usual start orientation.
    TextObject(const Font* font, const char* text, const MathStuff::Orientation<float>* orientation,
               const MathStuff::Vector3<float>& spacing, Game::I_Mover* mover);
    virtual ~TextObject();

    TextObject(const TextObject&) = delete;
    TextObject& operator=(const TextObject&) = delete;

    // Replaces the text and rebuilds the letters.
    virtual void setText(const char* text);
    virtual const std::string& getText() const;
    // The start orientation; changing it does not move existing letters.
    virtual MathStuff::Orientation<float>& getOrientation();
    virtual const MathStuff::Orientation<float>& getOrientation() const;
    // Starts or stops every letter's steady turn about its up vector; stopping
    // sets every letter's direction to (0, 0, 1) again.
    virtual void spin(bool on);
    // Deletes every letter; the text stays.
    virtual void clearText();
    // Builds the letters of the current text (existing letters are kept).
    virtual void createText();

    // Adds the vector to the start position and to every letter's position.
    void move(const MathStuff::Vector3<float>& delta);

    const std::vector<Game::MoveableItem*>& getLetters() const { return m_letters; }

private:
    const Font* m_font;
    std::string m_text;
    std::vector<Game::MoveableItem*> m_letters;
    MathStuff::Vector3<float> m_spacing;
    MathStuff::Orientation<float> m_orientation;
    Game::I_Mover* m_mover;
};

} // namespace Text3D

#endif
