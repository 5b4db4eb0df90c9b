#ifndef MODEL_MATERIAL_H
#define MODEL_MATERIAL_H

#include <cstdint>
#include <string>
#include <vector>

#include "core/I_HashTableObject.h"

namespace Model {

// How a surface is drawn, independent of any graphics library: layers of
// colour, texture or shader, each with a blend mode. Two materials are the
// same material exactly when their names are equal.
class Material : public Util::I_HashTableObject {
public:
    // Layer types.
    enum { COLOR = 0, TEXTURE = 1, VERT_SHADER = 2, FRAG_SHADER = 3 };

    struct Layer_s {
        int type = COLOR;
        // 0 replace, 1 blend, 2 modulate, 3 decal, 4 add, 5 modulate; 6 and up: none.
        int blend = 0;
        // Lowest byte red, then green, then blue; highest byte alpha.
        std::uint32_t colour = 0;
        // Texture name, shader name, or a free label for a colour.
        std::string name;
        // Shader source files of a shader layer.
        std::vector<std::string> files;
    };

    Material(const std::string& name, const std::vector<Layer_s>& layers);

    int hash() const override;
    bool isEqual(const Util::I_HashTableObject* other) const override;
    ~Material() override;

    virtual std::string getName() const;
    virtual int getNumLayers() const;
    virtual int getNumTexLayers() const;
    virtual const std::vector<Layer_s>& getLayers() const;
    // Same number of layers and of texture layers.
    virtual bool compatible(const Material* other) const;

private:
    std::string m_name;
    std::vector<Layer_s> m_layers;
};

} // namespace Model

#endif
