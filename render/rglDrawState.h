#ifndef RGL_RGLDRAWSTATE_H
#define RGL_RGLDRAWSTATE_H

namespace RGL {

class rglMaterial;
class rglVertexArray;

// What a run of model draws may leave set in GL from one draw to the next.
// While kept, ending the use of a material or of a vertex array leaves its GL
// state in place and holds it: the next use of the same material or array sets
// nothing again, the next array of the same layout only points GL at its own
// data, and every other use first ends what is held (the array, then the
// material; a material without textures leaves a held array alone). An array
// taken into use outside any material ends a held material too, since its
// draws must not be textured by it. When
// the keeping stops, what is held is ended: GL is then as if every use had
// ended at once.
class rglDrawState {
public:
    static void keep(bool on);
    static bool keeping();
    // Ends the held array, then the held material.
    static void settle();
    // Ends the held material, and first the held array when the material's
    // end touches the arrays (it has textures); one without textures or a
    // program is only let go, as its end would set nothing.
    static void settleMaterial();

    static const rglVertexArray* heldArray();
    // Held only while kept; null lets go without ending.
    static void holdArray(const rglVertexArray* array);
    static const rglMaterial* heldMaterial();
    static void holdMaterial(const rglMaterial* material);
    // Whether a material is between its beginUsing and its endUsing.
    static bool materialInUse();
    static void setMaterialInUse(bool inUse);
};

} // namespace RGL

#endif
