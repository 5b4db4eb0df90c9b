#ifndef FONTMAKER_FONTGLYPHS_H
#define FONTMAKER_FONTGLYPHS_H

namespace FontMaker {

// The pixel rows of one glyph of the game's block font, top row first: rows 0
// to 6 stand on the baseline (row 6 is the lowest above it), rows 7 and 8 are
// the descenders. '#' is a lit pixel; a row may be null (all dark). Every row
// is GLYPH_WIDTH characters.
struct Glyph {
    int code;
    const char* rows[9];
};

const int GLYPH_WIDTH = 5;
const int GLYPH_ROWS = 9;
const int BODY_ROWS = 7;

// The glyphs in code order: 0 (the box shown for characters without a glyph of
// their own), then 0x20 to 0x7E.
const Glyph* glyphs();
int glyphCount();

} // namespace FontMaker

#endif
