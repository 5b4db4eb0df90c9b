#ifndef PHYSICS_CHIPMUNKWORLDITEM_H
#define PHYSICS_CHIPMUNKWORLDITEM_H

#include <string>
#include <utility>
#include <vector>

#include "core/Orientation.h"
#include "shell/WorldItem.h"

namespace Physics {

class ChipmunkItem;
class DisplayablePolyModel;

// A world item made of physics: it owns one physical item and draws a line
// model whose named parts follow named bodies of that item. Its placement is
// that of body 0; setting it has no effect.
class ChipmunkWorldItem : public Game::WorldItem {
public:
    // (model part name, body name)
    typedef std::vector<std::pair<std::string, std::string> > PartPairs;

    // Takes ownership of the item and becomes its owner.
    explicit ChipmunkWorldItem(ChipmunkItem* item);
    ~ChipmunkWorldItem() override;

    // The world steps the physics; no event concerns the item itself.
    void handleEvent(EVT::I_Event* event) override;
    // Ignored: the model comes with its part pairs through the overload below.
    void setModel(Model::I_DisplayableModel* model) override;
    // Ignored: the bodies place the item.
    void setOrientation(const MathStuff::Orientation<float>& orientation) override;
    // Draws the model with one orientation per model part (in the scratch
    // list); nothing without a model.
    void draw(std::vector<MathStuff::Orientation<float> >& scratch) override;

    // The model is not owned (the world's model store keeps it); the pairs are copied.
    virtual void setModel(DisplayablePolyModel* model, const PartPairs& pairs);
    virtual DisplayablePolyModel* getPolyModel() const;
    // Removes the body from the item; the parts that followed it are parked.
    virtual void removeBody(const std::string& name);
    virtual ChipmunkItem* getChipmunkItem() const;
    // Finds each model part's body by its pair; the flag changes nothing.
    virtual void generateIndexes(bool first);
    // One orientation per model part: its body's, or the parked one (far
    // along z) when the part has no body. Also moves the item to body 0.
    virtual void getPositions(std::vector<MathStuff::Orientation<float> >& out);

    // Per model part, the index of its body in the item's body list, or -1.
    const std::vector<int>& getPartIndexes() const { return m_partIndexes; }
    // Where parts without a body are drawn: out of sight.
    static MathStuff::Orientation<float> parkedOrientation();

private:
    ChipmunkItem* m_item;
    PartPairs m_pairs;
    std::vector<int> m_partIndexes;
};

} // namespace Physics

#endif
