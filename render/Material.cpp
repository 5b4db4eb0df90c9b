#include "render/Material.h"

#include "core/NameHash.h"

namespace Model {

Material::Material(const std::string& name, const std::vector<Layer_s>& layers)
    : m_name(name), m_layers(layers)
{
}

Material::~Material() {}

int Material::hash() const { return Util::nameHash(m_name); }

bool Material::isEqual(const Util::I_HashTableObject* other) const
{
    const Material* material = dynamic_cast<const Material*>(other);
    return material && material->m_name == m_name;
}

std::string Material::getName() const { return m_name; }

int Material::getNumLayers() const { return static_cast<int>(m_layers.size()); }

int Material::getNumTexLayers() const
{
    int count = 0;
    for (const Layer_s& layer : m_layers)
        if (layer.type == TEXTURE)
            ++count;
    return count;
}

const std::vector<Material::Layer_s>& Material::getLayers() const { return m_layers; }

bool Material::compatible(const Material* other) const
{
    return other && other->getNumLayers() == getNumLayers() &&
           other->getNumTexLayers() == getNumTexLayers();
}

} // namespace Model
