#ifndef TEXT3D_FONT_H
#define TEXT3D_FONT_H

#include <string>
#include <utility>
#include <vector>

namespace Model { class I_DisplayableModel; }

namespace Text3D {

// The letter models of one font, one per character code, loaded from the model
// file "Font_" + name through the game root's model maker, with a vertical
// offset per letter. A model is named by its character (one character) or by
// its code in four hex digits; the first model for a code wins. Codes without a
// model of their own show the model of code 0. The font owns its models and
// must outlive every letter made from it.
class Font {
public:
    typedef std::vector<std::pair<std::string, float> > Offsets;

    explicit Font(const std::string& name);
    // offsets: (letter model name, vertical offset) pairs; the first match counts.
    Font(const std::string& name, const Offsets& offsets);
    virtual ~Font();

    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Loads the letter models; nothing is reported when the file cannot be
    // loaded, and the font stays empty.
    void init(const std::string& name, const Offsets& offsets);

    // The letter model of the character (null for codes from 128 up, or when the
    // font has none) and its vertical offset (0 for codes from 128 up).
    Model::I_DisplayableModel* getLetterModel(char c) const;
    float getLetterOffset(char c) const;
    const std::string& getName() const { return m_name; }

    // The characters of letters that have no model of their own (they would
    // show code 0's model, or nothing), in the order given.
    std::string lacking(const std::string& letters) const;

private:
    void clear();

    Model::I_DisplayableModel* m_models[256];
    float m_offsets[256];
    std::string m_name;
};

} // namespace Text3D

#endif
