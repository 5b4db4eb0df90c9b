#ifndef TESTS_RENDER_GLFIXTURES_H
#define TESTS_RENDER_GLFIXTURES_H

// Fixture files for the GL material tests, written into a temporary folder that
// becomes the working directory (the game names textures and material files by
// paths relative to it: data/Textures, data/Config).

#include "TempFolder.h"
#include "core/TGA.h"
#include "render/Material.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace RenderTest {

class DataFolder {
public:
    DataFolder()
    {
        char here[4096] = {};
        if (::getcwd(here, sizeof here) != nullptr)
            m_previous = here;
        const std::string& root = m_root.path();
        ::mkdir((root + "/data").c_str(), 0700);
        ::mkdir((root + "/data/Textures").c_str(), 0700);
        ::mkdir((root + "/data/Config").c_str(), 0700);
        m_ok = m_root.ok() && ::chdir(root.c_str()) == 0;
    }
    // The folder goes after this body: the process leaves it first.
    ~DataFolder()
    {
        if (!m_previous.empty() && ::chdir(m_previous.c_str()) != 0)
            ADD_FAILURE() << "could not go back to " << m_previous;
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    bool ok() const { return m_ok; }

private:
    TestSupport::TempFolder m_root{"gl_data"};
    std::string m_previous;
    bool m_ok = false;
};

// A width x height image of one colour; bytes per pixel from bits (8, 24, 32).
inline bool writeImage(const std::string& path, unsigned width, unsigned height, unsigned bits,
                       std::vector<unsigned char> pixel)
{
    std::vector<unsigned char> data;
    for (unsigned i = 0; i < width * height; ++i)
        data.insert(data.end(), pixel.begin(), pixel.end());
    return Media::TGA::saveToFile(path.c_str(), width, height, bits, data.data());
}

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A material layer of the type with its name, blend number and colour word.
inline Model::Material::Layer_s layer(int type, const std::string& name, int blend = 0,
                                      std::uint32_t colour = 0)
{
    Model::Material::Layer_s l;
    l.type = type;
    l.name = name;
    l.blend = blend;
    l.colour = colour;
    return l;
}

} // namespace RenderTest

#endif
