#ifndef GAME_WORLDITEM_H
#define GAME_WORLDITEM_H

#include <vector>

#include "core/I_EventConsumer.h"
#include "core/Orientation.h"
#include "shell/I_Renderable.h"

namespace Model { class I_DisplayableModel; }

namespace Game {

class I_Mover;

// A placed, optionally drawable thing in the scene. It adds itself to the game
// root's world when made and takes itself out when destroyed, so a world must
// exist for the item's whole life. Every item is subscribed to the update
// event (8); its unique id is how others refer to it without a pointer.
class WorldItem : public EVT::I_EventConsumer, public I_Renderable {
public:
    // The mover (may be null) is not owned.
    explicit WorldItem(I_Mover* mover);
    ~WorldItem() override;

    WorldItem(const WorldItem&) = delete;
    WorldItem& operator=(const WorldItem&) = delete;

    void handleEvent(EVT::I_Event* event) override = 0;

    // The model is not owned (it belongs to whoever made it).
    virtual void setModel(Model::I_DisplayableModel* model);
    virtual Model::I_DisplayableModel* getModel() const;
    virtual void setOrientation(const MathStuff::Orientation<float>& orientation);
    virtual MathStuff::Orientation<float>& getOrientation();
    virtual const MathStuff::Orientation<float>& getOrientation() const;
    // Marks the item for deletion by the game's world after its update step.
    virtual void setDeleteMe(bool deleteMe);
    virtual bool getDeleteMe() const;
    // Milliseconds since the last step; nothing here.
    virtual void update(long ms);
    // Draws the model at getOrientation(), or through the mover: one orientation
    // per body, of which the first is offset by the item's own position, takes
    // its scale and is turned a quarter turn about its up vector. The list is
    // the drawing caller's, filled and passed to the model, so that a walk
    // over many items allocates nothing once it has grown.
    virtual void draw(std::vector<MathStuff::Orientation<float> >& scratch);
    // Draws as draw does, with a list of its own.
    void render() override;

protected:
    // The item's own orientation field. Motions integrate this, never the
    // answer of the virtual getOrientation(), which a derived item may
    // redirect (a camera answers with its view).
    MathStuff::Orientation<float>& ownOrientation() { return m_orientation; }
    const MathStuff::Orientation<float>& ownOrientation() const { return m_orientation; }

private:
    MathStuff::Orientation<float> m_orientation;
    Model::I_DisplayableModel* m_model;
    I_Mover* m_mover;
    bool m_deleteMe;
};

} // namespace Game

#endif
