#ifndef RGL_RGLTEXTURE_H
#define RGL_RGLTEXTURE_H

#include <memory>
#include <string>

#include "core/I_Loadable.h"

namespace RGL {

// One GL texture made from a TGA file or from pixels in memory. A file whose
// path contains "_3D." holds a volume: width x width slices stacked vertically.
// 2-D textures are stored compressed (lossy, no alpha) with mipmaps; volumes
// keep their bytes. A file that cannot be read or does not fit ends the
// process with exit code 1 after a line naming it: a game without its
// textures cannot be played.
class rglTexture : public Util::I_Loadable {
public:
    // Nothing is read until loadObject.
    explicit rglTexture(const char* fileName);
    // Named "MEMTEX", made at once (needs a current context); the pixels stay
    // the caller's. depth below 2 gives a 2-D texture.
    rglTexture(const unsigned char* pixels, unsigned bitsPerPixel, unsigned width, unsigned height,
               unsigned depth);
    ~rglTexture() override;

    rglTexture(const rglTexture&) = delete;
    rglTexture& operator=(const rglTexture&) = delete;

    // Reads and uploads the file unless the texture exists; a memory texture
    // that was unloaded cannot load again (false).
    bool loadObject() override;
    bool unloadObject() override;

    unsigned getID() const;
    unsigned getType() const; // GL_TEXTURE_2D or GL_TEXTURE_3D
    std::string getName() const;
    // Uploads new pixels of the same size and format.
    void update(const unsigned char* pixels);

    // Binds and enables the texture on GL_TEXTURE1 + unit (unit 0 of GL stays
    // free for untextured drawing); with coordinates, also a client coordinate
    // array of two floats per vertex there. A unit begun twice or ended without
    // a begin ends the process (exit code 1).
    void beginUsing(int unit, void* texCoords) const;
    void endUsing(int unit) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace RGL

#endif
