#include "render/rglMaterialLoader.h"

#include "render/Material.h"
#include "render/MaterialStore.h"

#include <GL/glew.h>

#include <cstdio>

namespace RGL {

namespace {

// Releases every use of every name, so each object is unloaded once.
template <typename T>
void releaseAll(Util::ObjectLoader<T>& store, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        while (store.free(name) != nullptr) {
        }
}

bool isShader(unsigned kind)
{
    return kind == GL_VERTEX_SHADER || kind == GL_FRAGMENT_SHADER;
}

// Shaders are stored by kind and name: a vertex and a fragment layer of one
// name are two shader objects.
std::string shaderKey(const rglMaterial::glLayer& layer)
{
    return (layer.kind == GL_VERTEX_SHADER ? "vertex:" : "fragment:") + layer.name;
}

// The fixed-function texture units of the driver; layer i of a material
// draws on unit i + 1.
int textureUnits()
{
    GLint units = 0;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    return units;
}

// False, with a line naming the material, when one of its texture layers
// needs a unit the driver does not have.
bool fitsTextureUnits(const std::string& name, const rglMaterial& material)
{
    const int units = textureUnits();
    const std::vector<rglMaterial::glLayer>& layers = material.getLayers();
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i].kind != GL_TEXTURE_ENV || static_cast<int>(i) + 1 < units)
            continue;
        std::fprintf(stderr, "Render: the material \"%s\" is not used: its layer %zu is a texture on unit %zu, "
                     "and the driver has units 0 to %d\n", name.c_str(), i + 1, i + 1, units - 1);
        return false;
    }
    return true;
}

} // namespace

rglMaterialLoader& rglMaterialLoader::instance()
{
    static rglMaterialLoader l_instance;
    return l_instance;
}

rglMaterialLoader::rglMaterialLoader()
    : Util::ObjectLoader<rglMaterial>(1009), m_textures(5009), m_shaders(109)
{
}

rglMaterialLoader::~rglMaterialLoader()
{
    unloadAndDestroy();
    m_textures.unloadAndDestroy();
    m_shaders.unloadAndDestroy();
}

rglMaterial* rglMaterialLoader::add(const std::string& name, rglMaterial* material)
{
    if (find(name) == nullptr)
        m_materialNames.push_back(name);
    return Util::ObjectLoader<rglMaterial>::add(name, material);
}

rglMaterial* rglMaterialLoader::use(const std::string& name)
{
    rglMaterial* material = Util::ObjectLoader<rglMaterial>::use(name);
    if (material == nullptr)
        return nullptr;
    for (rglMaterial::glLayer& layer : material->getLayers())
        fetchLayer(layer);
    material->builtLayers();
    return material;
}

void rglMaterialLoader::fetchLayer(rglMaterial::glLayer& layer)
{
    if (layer.kind == GL_TEXTURE_ENV) {
        if (layer.texture == nullptr) {
            layer.texture = m_textures.find(layer.name);
            if (layer.texture == nullptr) {
                layer.texture = m_textures.add(layer.name, new rglTexture(layer.name.c_str()));
                m_textureNames.push_back(layer.name);
            }
        }
        m_textures.use(layer.name);
    } else if (isShader(layer.kind)) {
        const std::string key = shaderKey(layer);
        if (layer.shader == nullptr) {
            layer.shader = m_shaders.find(key);
            if (layer.shader == nullptr) {
                layer.shader = m_shaders.add(key, new rglShader(layer.name.c_str(), layer.kind, layer.files));
                m_shaderNames.push_back(key);
            }
        }
        m_shaders.use(key);
    }
}

rglMaterial* rglMaterialLoader::free(const std::string& name)
{
    // Only a use that was counted gives its textures and shaders back.
    rglMaterial* material = Util::ObjectLoader<rglMaterial>::free(name);
    if (material == nullptr)
        return nullptr;
    for (const rglMaterial::glLayer& layer : material->getLayers())
        freeLayer(layer);
    return material;
}

void rglMaterialLoader::freeLayer(const rglMaterial::glLayer& layer)
{
    if (layer.texture != nullptr)
        m_textures.free(layer.name);
    if (layer.shader != nullptr)
        m_shaders.free(shaderKey(layer));
}

rglMaterial* rglMaterialLoader::get(const std::string& name)
{
    Model::MaterialStore& store = Model::MaterialStore::instance();
    if (!store.load(name))
        return nullptr;
    if (rglMaterial* known = use(name))
        return known;
    const Model::Material probe(name, std::vector<Model::Material::Layer_s>());
    const Model::Material* source = store.find(&probe);
    if (source == nullptr)
        return nullptr;
    rglMaterial* made = new rglMaterial(source);
    if (!fitsTextureUnits(name, *made) || add(name, made) != made) {
        delete made;
        return nullptr;
    }
    return use(name);
}

void rglMaterialLoader::release()
{
    for (const std::string& name : m_materialNames) {
        while (Util::ObjectLoader<rglMaterial>::free(name) != nullptr) {
        }
        if (rglMaterial* material = find(name))
            material->releaseProgram();
    }
    releaseAll(m_textures, m_textureNames);
    releaseAll(m_shaders, m_shaderNames);
}

Util::ObjectLoader<rglTexture>& rglMaterialLoader::textures()
{
    return m_textures;
}

Util::ObjectLoader<rglShader>& rglMaterialLoader::shaders()
{
    return m_shaders;
}

} // namespace RGL
