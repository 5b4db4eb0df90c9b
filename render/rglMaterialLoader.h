#ifndef RGL_RGLMATERIALLOADER_H
#define RGL_RGLMATERIALLOADER_H

#include <string>
#include <vector>

#include "core/ObjectLoader.h"
#include "render/rglMaterial.h"
#include "render/rglShader.h"
#include "render/rglTexture.h"

namespace RGL {

// The program-wide store of GL materials by name, counted per user, with the
// shared stores of textures and shaders, so that a texture file or a shader
// used by several materials exists once. It lives until the process ends and
// owns every material, texture and shader registered in it.
class rglMaterialLoader : public Util::ObjectLoader<rglMaterial> {
public:
    static rglMaterialLoader& instance();

    ~rglMaterialLoader() override;

    // Registers the material; a known name keeps its earlier material (then the
    // one passed in stays the caller's).
    rglMaterial* add(const std::string& name, rglMaterial* material) override;
    // One more use of a registered material: its textures and shaders are
    // fetched (made and loaded when new) and its program linked. Null when the
    // name is unknown.
    rglMaterial* use(const std::string& name) override;
    // One use less; its textures and shaders are released with it. Null when
    // the name is unknown or not in use.
    rglMaterial* free(const std::string& name) override;
    // The material of that name from the material store (read from a material
    // definition file of that path when not known yet), made on first request;
    // counts one use. Null when there is no such material, or when one of its
    // texture layers needs a texture unit the driver lacks (a line on the
    // error stream names the material).
    rglMaterial* get(const std::string& name);

    // Lets go of every GL object while the context still exists: textures and
    // shaders unloaded, programs deleted, all use counts 0. Everything stays
    // registered and loads again on its next use.
    void release();

    Util::ObjectLoader<rglTexture>& textures();
    // Shaders are registered under their kind and name ("vertex:NAME",
    // "fragment:NAME").
    Util::ObjectLoader<rglShader>& shaders();

private:
    rglMaterialLoader();

    void fetchLayer(rglMaterial::glLayer& layer);
    void freeLayer(const rglMaterial::glLayer& layer);

    Util::ObjectLoader<rglTexture> m_textures;
    Util::ObjectLoader<rglShader> m_shaders;
    // Registered names of each store, in registration order.
    std::vector<std::string> m_materialNames;
    std::vector<std::string> m_textureNames;
    std::vector<std::string> m_shaderNames;
};

} // namespace RGL

#endif
