#ifndef RGL_RGLDRAWSTATE_H
#define RGL_RGLDRAWSTATE_H

namespace RGL {

class rglMaterial;
class rglVertexArray;

// What a run of model draws may leave set in one GL context from one draw to
// the next; its render controller owns it, and the materials and vertex arrays
// drawn in that context report their uses to it. While kept, ending the use of
// a material or of a vertex array leaves its GL state in place and holds it:
// the next use of the same material or array sets nothing again, the next
// array of the same layout only points GL at its own data, and every other use
// first ends what is held. An array taken into use outside any material ends a
// held material too, since its draws must not be textured by it. When the
// keeping stops, what is held is ended: GL is then as if every use had ended
// at once.
class rglDrawState {
public:
    rglDrawState() = default;
    // Ends what is held: the context outlives its controller.
    ~rglDrawState();

    rglDrawState(const rglDrawState&) = delete;
    rglDrawState& operator=(const rglDrawState&) = delete;

    void keep(bool on);
    bool keeping() const;

    // A material's beginUsing: false when it is the held one, taken back with
    // its state still set (only without coordinates of its own).
    bool beginMaterial(const rglMaterial& material, bool withCoordinates);
    // A material's endUsing: true when it is held, its state left set.
    bool endMaterial(const rglMaterial& material);
    // An array's beginUsing: the array held until now, let go but not ended,
    // so the caller may use what it left on; null when none was.
    const rglVertexArray* beginArray();
    // An array's endUsing: true when it is held, its client arrays left on.
    bool endArray(const rglVertexArray& array);
    // Ends what is held of an object about to be deleted.
    void forget(const rglMaterial& material);
    void forget(const rglVertexArray& array);

    const rglMaterial* heldMaterial() const;
    const rglVertexArray* heldArray() const;

private:
    void settle();
    void settleMaterial();
    void holdMaterial(const rglMaterial* material);
    void holdArray(const rglVertexArray* array);

    bool m_keeping = false;
    bool m_materialInUse = false; // between a material's beginUsing and its endUsing
    const rglMaterial* m_material = nullptr;
    const rglVertexArray* m_array = nullptr;
};

} // namespace RGL

#endif
