#ifndef KWEP_FLYINGTEXTS_H
#define KWEP_FLYINGTEXTS_H

#include <cstddef>
#include <vector>

namespace Physics { class ChipmunkItem; class I_PhysicalEngine; }
namespace Text3D { class TextObject; }

namespace KWEP {

// The flying texts of a level (explosion words, score digits, the bonus, the
// count of snowmen to go), each carried by its own letter item. A text lives
// for a given time, then shrinks a step per update and goes, so that words do
// not pile up on the ground. Owns the texts, their letter items and their
// engines.
class FlyingTexts {
public:
    FlyingTexts();
    // Deletes every text.
    ~FlyingTexts();

    FlyingTexts(const FlyingTexts&) = delete;
    FlyingTexts& operator=(const FlyingTexts&) = delete;

    // The text rides on the letter item, which the engine (may be null)
    // drives.
    void add(Text3D::TextObject* text, Physics::ChipmunkItem* letter, Physics::I_PhysicalEngine* engine);
    // Ages every text by the milliseconds. Past the life (seconds) a text
    // shrinks by the step (a share of its size) per update, whatever the time,
    // and goes once nothing is left; a step of 0 or less makes it go at once.
    // A life of 0 or less keeps every text until clear.
    void update(long ms, float life, float scaleStep);
    // Deletes every text: letters, then letter items, then engines.
    void clear();
    std::size_t size() const { return m_texts.size(); }

private:
    struct Text {
        Text3D::TextObject* text;
        Physics::ChipmunkItem* letter;
        Physics::I_PhysicalEngine* engine;
        float age;   // seconds
        float scale; // share of the size it was made with
    };
    static void shrink(Text& text, float scaleStep);
    static void drop(Text& text);

    std::vector<Text> m_texts;
};

} // namespace KWEP

#endif
