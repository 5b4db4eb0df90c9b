#include "render/rglMaterial.h"

#include "render/Material.h"
#include "render/rglDrawState.h"
#include "render/rglShader.h"
#include "render/rglShaderProgram.h"
#include "render/rglTexture.h"

#include <GL/glew.h>

namespace RGL {

namespace {

int modeOf(int blend)
{
    static const int l_modes[] = {GL_REPLACE, GL_BLEND, GL_MODULATE, GL_DECAL, GL_ADD, GL_MODULATE};
    return blend >= 0 && blend < 6 ? l_modes[blend] : 0;
}

unsigned kindOf(int type)
{
    switch (type) {
    case Model::Material::TEXTURE:
        return GL_TEXTURE_ENV;
    case Model::Material::VERT_SHADER:
        return GL_VERTEX_SHADER;
    case Model::Material::FRAG_SHADER:
        return GL_FRAGMENT_SHADER;
    default:
        return GL_TEXTURE_ENV_COLOR;
    }
}

rglMaterial::glLayer layerOf(const Model::Material::Layer_s& source)
{
    rglMaterial::glLayer layer;
    layer.kind = kindOf(source.type);
    layer.name = source.name;
    layer.mode = modeOf(source.blend);
    for (int i = 0; i < 4; ++i)
        layer.colour[i] = static_cast<unsigned char>((source.colour >> (8 * i)) & 0xff);
    if (layer.kind == GL_VERTEX_SHADER || layer.kind == GL_FRAGMENT_SHADER)
        layer.files = source.files;
    return layer;
}

} // namespace

rglMaterial::rglMaterial(const Model::Material* source) : m_source(source), m_program(nullptr)
{
    if (source == nullptr)
        return;
    for (const Model::Material::Layer_s& layer : source->getLayers())
        m_layers.push_back(layerOf(layer));
}

rglMaterial::~rglMaterial()
{
    if (m_keeper != nullptr)
        m_keeper->forget(*this);
    delete m_program;
}

bool rglMaterial::loadObject()
{
    return true;
}

bool rglMaterial::unloadObject()
{
    return true;
}

void rglMaterial::builtLayers()
{
    if (m_program != nullptr)
        return;
    std::vector<rglShader*> shaders;
    for (const glLayer& layer : m_layers)
        if (layer.shader != nullptr)
            shaders.push_back(layer.shader);
    if (!shaders.empty())
        m_program = new rglShaderProgram(shaders);
}

bool rglMaterial::beginUsing(float (**texCoords)[3][2], rglDrawState* state) const
{
    if (state != nullptr && !state->beginMaterial(*this, texCoords != nullptr))
        return true;
    if (m_program != nullptr)
        m_program->beginUsing();
    for (std::size_t i = 0; i < m_layers.size(); ++i) {
        const glLayer& layer = m_layers[i];
        if (layer.kind == GL_TEXTURE_ENV && layer.texture != nullptr) {
            const int unit = static_cast<int>(i);
            layer.texture->beginUsing(unit, texCoords != nullptr ? texCoords[i] : nullptr);
            if (m_program != nullptr)
                m_program->setUniform(samplerName(layer.name).c_str(), unit + 1);
        } else if (layer.kind == GL_TEXTURE_ENV_COLOR) {
            glColor4ub(layer.colour[0], layer.colour[1], layer.colour[2], layer.colour[3]);
        }
        if (layer.mode != 0)
            glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, static_cast<GLfloat>(layer.mode));
    }
    return true;
}

bool rglMaterial::endUsing(rglDrawState* state) const
{
    if (state == nullptr || !state->endMaterial(*this))
        release();
    return true;
}

void rglMaterial::release() const
{
    for (std::size_t i = 0; i < m_layers.size(); ++i)
        if (m_layers[i].kind == GL_TEXTURE_ENV && m_layers[i].texture != nullptr)
            m_layers[i].texture->endUsing(static_cast<int>(i));
    if (m_program != nullptr)
        m_program->endUsing();
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
}

void rglMaterial::setKeeper(rglDrawState* keeper) const
{
    m_keeper = keeper;
}

bool rglMaterial::hasTextures() const
{
    for (const glLayer& layer : m_layers)
        if (layer.kind == GL_TEXTURE_ENV && layer.texture != nullptr)
            return true;
    return false;
}

const unsigned char* rglMaterial::plainColour() const
{
    for (const glLayer& layer : m_layers)
        if (layer.kind != GL_TEXTURE_ENV_COLOR)
            return nullptr;
    return m_layers.empty() ? nullptr : m_layers.back().colour;
}

const Model::Material* rglMaterial::getSource() const
{
    return m_source;
}

std::vector<rglMaterial::glLayer>& rglMaterial::getLayers()
{
    return m_layers;
}

const std::vector<rglMaterial::glLayer>& rglMaterial::getLayers() const
{
    return m_layers;
}

rglShaderProgram* rglMaterial::getProgram() const
{
    return m_program;
}

void rglMaterial::releaseProgram()
{
    delete m_program;
    m_program = nullptr;
}

std::vector<unsigned> rglMaterial::getTextureUnits() const
{
    std::vector<unsigned> units;
    for (std::size_t i = 0; i < m_layers.size(); ++i)
        if (m_layers[i].kind == GL_TEXTURE_ENV)
            units.push_back(GL_TEXTURE1 + static_cast<unsigned>(i));
    return units;
}

std::string rglMaterial::samplerName(const std::string& layerName)
{
    std::string name = layerName;
    const std::string::size_type slash = name.rfind('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace RGL
