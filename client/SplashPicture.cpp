#include "client/SplashPicture.h"

#include "core/TGA.h"

namespace KWEP {

namespace {

// The title's letters on a grid of 5 x 7 cells, top row first.
struct Glyph {
    char letter;
    const char* rows[7];
};

const Glyph GLYPHS[] = {
    {'F', {"11111", "10000", "10000", "11110", "10000", "10000", "10000"}},
    {'R', {"11110", "10001", "10001", "11110", "10100", "10010", "10001"}},
    {'E', {"11111", "10000", "10000", "11110", "10000", "10000", "11111"}},
    {'L', {"10000", "10000", "10000", "10000", "10000", "10000", "11111"}},
    {'M', {"10001", "11011", "10101", "10101", "10001", "10001", "10001"}},
    {'O', {"01110", "10001", "10001", "10001", "10001", "10001", "01110"}},
    {'Y', {"10001", "10001", "01010", "00100", "00100", "00100", "00100"}},
};

const char TITLE[] = "FRELMORY";
const int CELL = 8;          // pixels per glyph cell
const int LETTER_GAP = 8;    // pixels between letters
const int TITLE_TOP = 28;
const int GROUND_TOP = 318;

const Glyph* glyphOf(char letter)
{
    for (const Glyph& glyph : GLYPHS)
        if (glyph.letter == letter)
            return &glyph;
    return nullptr;
}

long edge(int ax, int ay, int bx, int by, int px, int py)
{
    return static_cast<long>(bx - ax) * (py - ay) - static_cast<long>(by - ay) * (px - ax);
}

} // namespace

SplashPicture::SplashPicture() : m_pixels(WIDTH * HEIGHT * 3, 0)
{
    drawSky();
    drawTitle();
    drawCarrot();
    drawSnowman();
}

bool SplashPicture::save(const std::string& fileName) const
{
    return Media::TGA::saveToFile(fileName.c_str(), WIDTH, HEIGHT, 24, m_pixels.data());
}

// A sky that lightens towards the horizon, a few stars, and snow below.
void SplashPicture::drawSky()
{
    for (int y = 0; y < GROUND_TOP; ++y) {
        const unsigned char shade = static_cast<unsigned char>(y * 90 / GROUND_TOP);
        fillRect(0, y, WIDTH, 1, {static_cast<unsigned char>(16 + shade / 2), static_cast<unsigned char>(24 + shade / 2),
                                  static_cast<unsigned char>(60 + shade)});
    }
    for (int star = 0; star < 40; ++star)
        fillRect((star * 97 + 13) % WIDTH, (star * 53 + 7) % (GROUND_TOP - 120) + 100, 2, 2, {230, 230, 200});
    fillRect(0, GROUND_TOP, WIDTH, HEIGHT - GROUND_TOP, {235, 240, 250});
}

void SplashPicture::drawTitle()
{
    const int count = static_cast<int>(sizeof(TITLE) - 1);
    const int width = count * (5 * CELL + LETTER_GAP) - LETTER_GAP;
    int left = (WIDTH - width) / 2;
    for (int i = 0; i < count; ++i, left += 5 * CELL + LETTER_GAP) {
        const Glyph* glyph = glyphOf(TITLE[i]);
        for (int row = 0; glyph && row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                if (glyph->rows[row][column] == '1') {
                    // A darker shadow under each block gives the letters depth.
                    fillRect(left + column * CELL + 3, TITLE_TOP + row * CELL + 3, CELL, CELL, {20, 20, 40});
                    fillRect(left + column * CELL, TITLE_TOP + row * CELL, CELL, CELL, {250, 140, 30});
                }
    }
}

// A carrot lying on the snow, pointing at the snowman, with its leaves.
void SplashPicture::drawCarrot()
{
    const Colour leaf = {40, 160, 60};
    fillTriangle({70, 70, 40}, {280, 300, 270}, leaf);
    fillTriangle({70, 70, 45}, {285, 305, 310}, leaf);
    fillTriangle({70, 70, 215}, {272, 312, 300}, {245, 120, 20});
    for (int x = 100; x < 200; x += 25)
        fillRect(x, 285 + (x - 100) / 10, 10, 2, {190, 80, 10});
}

// Three snowballs, two coal eyes, three buttons and a carrot nose.
void SplashPicture::drawSnowman()
{
    const Colour snow = {250, 250, 255};
    const Colour coal = {30, 30, 35};
    fillCircle(380, 280, 50, snow);
    fillCircle(380, 200, 36, snow);
    fillCircle(380, 140, 26, snow);
    fillCircle(371, 134, 4, coal);
    fillCircle(389, 134, 4, coal);
    for (int y = 180; y <= 220; y += 20)
        fillCircle(380, y, 4, coal);
    fillTriangle({380, 380, 350}, {140, 148, 146}, {245, 120, 20});
}

void SplashPicture::plot(int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT)
        return;
    const std::size_t at = (static_cast<std::size_t>(HEIGHT - 1 - y) * WIDTH + x) * 3;
    m_pixels[at] = colour.r;
    m_pixels[at + 1] = colour.g;
    m_pixels[at + 2] = colour.b;
}

void SplashPicture::fillRect(int left, int top, int width, int height, Colour colour)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            plot(x, y, colour);
}

void SplashPicture::fillCircle(int cx, int cy, int radius, Colour colour)
{
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x)
            if (x * x + y * y <= radius * radius)
                plot(cx + x, cy + y, colour);
}

// Every pixel whose centre lies inside the triangle, in either winding.
void SplashPicture::fillTriangle(const int (&x)[3], const int (&y)[3], Colour colour)
{
    for (int py = 0; py < HEIGHT; ++py)
        for (int px = 0; px < WIDTH; ++px) {
            const long a = edge(x[0], y[0], x[1], y[1], px, py);
            const long b = edge(x[1], y[1], x[2], y[2], px, py);
            const long c = edge(x[2], y[2], x[0], y[0], px, py);
            if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0))
                plot(px, py, colour);
        }
}

} // namespace KWEP
