#ifndef PLAYTHROUGH_PICTURE_H
#define PLAYTHROUGH_PICTURE_H

#include <GL/glew.h>

#include <cstddef>
#include <vector>

namespace PlayThrough {

// The window's picture as it was drawn: RGB, the top row first, as a person
// sees it (GL keeps the bottom row first).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char* at(int x, int y) const
    {
        return &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    }

    // Reads back what the current GL context drew into its window.
    static Picture read(int width, int height)
    {
        Picture picture;
        picture.width = width;
        picture.height = height;
        std::vector<unsigned char> rows(static_cast<std::size_t>(width) * height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
        picture.rgb.resize(rows.size());
        const std::size_t row = static_cast<std::size_t>(width) * 3;
        for (int y = 0; y < height; ++y)
            std::copy(rows.begin() + (height - 1 - y) * row, rows.begin() + (height - y) * row,
                      picture.rgb.begin() + y * row);
        return picture;
    }
};

} // namespace PlayThrough

#endif
