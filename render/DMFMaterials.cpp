#include "render/DMFMaterials.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/CFG.h"
#include "core/Conversions.h"
#include "render/Material.h"

namespace Model {

namespace {

const char MATDEF[] = "MATDEF";
const char CFG_PREFIX[] = "CFG:";

// Material blend value for a DMF blend value, or -1 when there is none.
int blendOf(int dmfBlend)
{
    switch (dmfBlend) {
    case 1: return 0;
    case 2: return 4;
    case 3: return 2;
    case 4: return 5;
    default: return -1;
    }
}

std::string textOf(const char* text) { return text ? text : ""; }

bool makeLayer(const dmf::dmf_layer_t& dmfLayer, Material::Layer_s& layer)
{
    layer.blend = blendOf(dmfLayer.blend);
    if (layer.blend < 0)
        return false;
    if (dmfLayer.kind == dmf::DMF_LAYER_TEXTURE) {
        layer.type = Material::TEXTURE;
        layer.name = convertDMFName(dmfLayer.text, "data/Textures/", ".tga");
        return true;
    }
    if (dmfLayer.kind == dmf::DMF_LAYER_COLOR) {
        layer.type = Material::COLOR;
        // Beyond the signed 32-bit range the text reads as the default.
        const long colour = Util::strToNum<long>(textOf(dmfLayer.text), 16, -2147483647L - 1);
        layer.colour = static_cast<std::uint32_t>(colour);
        return true;
    }
    return false;
}

} // namespace

std::string convertDMFName(const char* name, const char* directory, const char* extension)
{
    std::string result = textOf(name);
    const std::size_t dot = result.rfind('.');
    if (dot != std::string::npos)
        result.erase(dot);
    result += textOf(extension);
    const std::size_t slash = result.find_last_of("/\\");
    if (slash != std::string::npos)
        result.erase(0, slash + 1);
    return textOf(directory) + result;
}

std::string getMatDefName(const dmf::dmf_material_t* material)
{
    const std::string name = material ? textOf(material->name) : std::string();
    if (name.compare(0, 4, CFG_PREFIX) == 0)
        return CFG::get(name.substr(4));
    return name;
}

std::string makeDMFMaterialName(const dmf::dmf_material_t* material)
{
    if (!material)
        return std::string();
    if (textOf(material->category) == MATDEF)
        return convertDMFName(getMatDefName(material).c_str(), "data/Config/", ".matdef");
    return textOf(material->category) + "." + textOf(material->name);
}

Material* newMaterial(const dmf::dmf_material_t* material)
{
    if (!material)
        return nullptr;
    std::vector<Material::Layer_s> layers;
    for (unsigned i = 0; i < material->layerCount; ++i) {
        Material::Layer_s layer;
        if (makeLayer(material->layers[i], layer))
            layers.push_back(layer);
    }
    if (layers.empty())
        return nullptr;
    return new Material(makeDMFMaterialName(material), layers);
}

} // namespace Model
