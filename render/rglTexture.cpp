#include "render/rglTexture.h"

#include "core/TGA.h"
#include "render/rglErrors.h"

#include <GL/glew.h>

#include <bitset>
#include <string>

namespace RGL {

namespace {

const int s_units = 32;

GLenum formatOf(unsigned bitsPerPixel)
{
    if (bitsPerPixel == 24)
        return GL_RGB;
    if (bitsPerPixel == 32)
        return GL_RGBA;
    return GL_LUMINANCE;
}

[[noreturn]] void textureFault(const std::string& name, const char* fault)
{
    fatalExit(("the texture \"" + name + "\" " + fault).c_str());
}

void checkUnit(int unit, const std::string& name)
{
    if (unit < 0 || unit >= s_units)
        textureFault(name, "was asked for a texture unit out of range");
}

} // namespace

struct rglTexture::Impl {
    std::string name;
    unsigned width = 0;
    unsigned height = 0;
    unsigned depth = 0;
    GLenum target = GL_TEXTURE_2D;
    GLenum format = GL_RGB;
    GLuint id = 0;
    bool fromMemory = false;
    mutable std::bitset<s_units> unitsInUse;

    void readFile(unsigned char** pixels);
    void setUp(const unsigned char* pixels);
    void upload(const unsigned char* pixels) const;
};

void rglTexture::Impl::readFile(unsigned char** pixels)
{
    unsigned bitsPerPixel = 0;
    if (!Media::TGA::loadFromFile(name.c_str(), &width, &height, &bitsPerPixel, pixels))
        textureFault(name, "cannot be read as a TGA image");
    if (width == 0 || height == 0) {
        delete[] *pixels;
        textureFault(name, "has no pixels");
    }
    format = formatOf(bitsPerPixel);
    depth = 1;
    if (name.find("_3D.") == std::string::npos)
        return;
    target = GL_TEXTURE_3D;
    if (height != width * width) {
        delete[] *pixels;
        textureFault(name, "is a volume whose height is not its width times its width");
    }
    depth = width;
    height = width;
}

void rglTexture::Impl::setUp(const unsigned char* pixels)
{
    glGenTextures(1, &id);
    glBindTexture(target, id);
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(target, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, GL_REPEAT);
    if (target == GL_TEXTURE_3D)
        glTexParameteri(target, GL_TEXTURE_WRAP_R, GL_REPEAT);
    else
        glTexParameteri(target, GL_GENERATE_MIPMAP, GL_TRUE);
    upload(pixels);
    drainErrors();
}

void rglTexture::Impl::upload(const unsigned char* pixels) const
{
    // Rows of 24-bit or 8-bit pixels need not fill whole words.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (target == GL_TEXTURE_3D) {
        const GLint internal = format == GL_LUMINANCE ? GL_LUMINANCE16F_ARB : GL_RGBA;
        glTexImage3D(GL_TEXTURE_3D, 0, internal, width, height, depth, 0, format, GL_UNSIGNED_BYTE,
                     pixels);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_COMPRESSED_RGB, width, height, 0, format, GL_UNSIGNED_BYTE,
                     pixels);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

rglTexture::rglTexture(const char* fileName) : m_impl(new Impl)
{
    m_impl->name = fileName != nullptr ? fileName : "";
}

rglTexture::rglTexture(const unsigned char* pixels, unsigned bitsPerPixel, unsigned width,
                       unsigned height, unsigned depth)
    : m_impl(new Impl)
{
    m_impl->name = "MEMTEX";
    m_impl->fromMemory = true;
    m_impl->width = width;
    m_impl->height = height;
    m_impl->depth = depth;
    m_impl->target = depth < 2 ? GL_TEXTURE_2D : GL_TEXTURE_3D;
    m_impl->format = formatOf(bitsPerPixel);
    m_impl->setUp(pixels);
}

rglTexture::~rglTexture()
{
    unloadObject();
}

bool rglTexture::loadObject()
{
    if (m_impl->id != 0)
        return true;
    if (m_impl->fromMemory)
        return false;
    unsigned char* pixels = nullptr;
    m_impl->readFile(&pixels);
    m_impl->setUp(pixels);
    delete[] pixels;
    return true;
}

bool rglTexture::unloadObject()
{
    if (m_impl->id != 0)
        glDeleteTextures(1, &m_impl->id);
    m_impl->id = 0;
    return true;
}

unsigned rglTexture::getID() const
{
    return m_impl->id;
}

unsigned rglTexture::getType() const
{
    return m_impl->target;
}

std::string rglTexture::getName() const
{
    return m_impl->name;
}

void rglTexture::update(const unsigned char* pixels)
{
    if (m_impl->id == 0 || pixels == nullptr)
        return;
    glBindTexture(m_impl->target, m_impl->id);
    m_impl->upload(pixels);
    drainErrors();
}

void rglTexture::beginUsing(int unit, void* texCoords) const
{
    checkUnit(unit, m_impl->name);
    if (m_impl->unitsInUse.test(unit))
        textureFault(m_impl->name, "was taken into use twice on one texture unit");
    m_impl->unitsInUse.set(unit);
    glActiveTexture(GL_TEXTURE1 + unit);
    glClientActiveTexture(GL_TEXTURE1 + unit);
    glBindTexture(m_impl->target, m_impl->id);
    if (texCoords != nullptr) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    }
    glEnable(m_impl->target);
}

void rglTexture::endUsing(int unit) const
{
    checkUnit(unit, m_impl->name);
    if (!m_impl->unitsInUse.test(unit))
        textureFault(m_impl->name, "was released on a texture unit it was not in use on");
    m_impl->unitsInUse.reset(unit);
    glActiveTexture(GL_TEXTURE1 + unit);
    glClientActiveTexture(GL_TEXTURE1 + unit);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(m_impl->target);
}

} // namespace RGL
