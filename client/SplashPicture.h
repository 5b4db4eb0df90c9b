#ifndef KWEP_SPLASHPICTURE_H
#define KWEP_SPLASHPICTURE_H

#include <string>
#include <vector>

namespace KWEP {

// The splash picture, drawn by code: a night sky over snow, the game's title
// in blocky letters, a carrot and a snowman made of circles. 512 x 384 pixels
// of 24 bits; make-splash writes it as the shipped TGA file.
class SplashPicture {
public:
    static const int WIDTH = 512;
    static const int HEIGHT = 384;

    SplashPicture();

    // Red, green, blue per pixel, bottom row first, as the TGA codec takes them.
    const std::vector<unsigned char>& pixels() const { return m_pixels; }
    // Writes the picture as an uncompressed 24-bit TGA file.
    bool save(const std::string& fileName) const;

private:
    struct Colour {
        unsigned char r, g, b;
    };

    void drawSky();
    void drawTitle();
    void drawCarrot();
    void drawSnowman();
    // (x, y) from the top-left corner; points outside are dropped.
    void plot(int x, int y, Colour colour);
    void fillRect(int left, int top, int width, int height, Colour colour);
    void fillCircle(int cx, int cy, int radius, Colour colour);
    void fillTriangle(const int (&x)[3], const int (&y)[3], Colour colour);

    std::vector<unsigned char> m_pixels;
};

} // namespace KWEP

#endif
