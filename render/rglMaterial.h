#ifndef RGL_RGLMATERIAL_H
#define RGL_RGLMATERIAL_H

#include <string>
#include <vector>

#include "core/I_Loadable.h"

namespace Model { class Material; }

namespace RGL {

class rglDrawState;
class rglShader;
class rglShaderProgram;
class rglTexture;

// A material in GL terms: per layer a texture on its own texture unit (layer i
// on GL_TEXTURE1 + i), a colour, or a shader, each with a texture-environment
// mode, and one linked program for all shader layers. Textures and shaders
// come from the material loader's stores and are shared; the program belongs
// to the material. Made by the material loader, which fills the layers' GL
// objects on use.
class rglMaterial : public Util::I_Loadable {
public:
    struct glLayer {
        unsigned kind = 0;           // GL_TEXTURE_ENV (texture), GL_TEXTURE_ENV_COLOR, or a shader kind
        std::string name;            // texture file path or shader key
        int mode = 0;                // texture-environment mode; 0 leaves the unit's mode
        unsigned char colour[4] = {}; // R, G, B, A of a colour layer
        rglTexture* texture = nullptr; // shared, owned by the texture store
        rglShader* shader = nullptr;   // shared, owned by the shader store
        std::vector<std::string> files; // shader sources
    };

    // Copies the layers of the source (owned by the material store, which may
    // be gone before this material). No GL call.
    explicit rglMaterial(const Model::Material* source);
    ~rglMaterial() override;

    rglMaterial(const rglMaterial&) = delete;
    rglMaterial& operator=(const rglMaterial&) = delete;

    bool loadObject() override;
    bool unloadObject() override;

    // Links the program of the shader layers, once, when there are any.
    void builtLayers();
    // Sets the material's state; texCoords, when given, holds per texture layer
    // a coordinate array for a client coordinate array on its unit. After
    // endUsing unit 0 is active and client-active again. Given the draw state
    // of the context, the uses are reported to it: while it is kept endUsing
    // leaves the state set and holds it, and a beginUsing of the held material
    // without coordinates sets nothing. Both calls of a use get the same state.
    bool beginUsing(float (**texCoords)[3][2], rglDrawState* state = nullptr) const;
    bool endUsing(rglDrawState* state = nullptr) const;
    // Unsets the material's state: the end of a use, done at once or when the
    // draw state lets a held material go.
    void release() const;
    // The draw state holding the material's state set, null while none does;
    // set by that draw state, which the material tells when it goes.
    void setKeeper(rglDrawState* keeper) const;
    // Whether a layer has its texture: only then does the material's use
    // touch the client arrays (the coordinate array of its unit).
    bool hasTextures() const;
    // For a material of colour layers alone: the R, G, B, A bytes its use
    // sets (the last layer's), so they may go with the vertices instead.
    // Null for one with other layers or none.
    const unsigned char* plainColour() const;

    const Model::Material* getSource() const;
    std::vector<glLayer>& getLayers();
    const std::vector<glLayer>& getLayers() const;
    rglShaderProgram* getProgram() const;
    // Deletes the program (it is linked again on the next use).
    void releaseProgram();
    // GL_TEXTURE1 + i for each texture layer i, in layer order: where the
    // layers' coordinates go.
    std::vector<unsigned> getTextureUnits() const;

    // The sampler uniform of a texture file: the name without its folders and
    // without its extension ("data/Textures/wood.tga" gives "wood").
    static std::string samplerName(const std::string& layerName);

private:
    const Model::Material* m_source;
    std::vector<glLayer> m_layers;
    rglShaderProgram* m_program; // owned
    mutable rglDrawState* m_keeper = nullptr;
};

} // namespace RGL

#endif
