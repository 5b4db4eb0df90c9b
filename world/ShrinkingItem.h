#ifndef KWEP_SHRINKINGITEM_H
#define KWEP_SHRINKINGITEM_H

#include "physics/ChipmunkWorldItem.h"

namespace KWEP {

// A short-lived physical item that decorates an explosion: it flies for its
// life, then shrinks one step per update and goes once smaller than its limit.
class ShrinkingItem : public Physics::ChipmunkWorldItem {
public:
    // Scale step and limit, life in seconds.
    ShrinkingItem(Physics::ChipmunkItem* item, float scaleStep, float scaleLimit, float life);
    ~ShrinkingItem() override;

    void update(long ms) override;
    // Draws every part at the present scale.
    void draw(std::vector<MathStuff::Orientation<float> >& scratch) override;

    bool isShrinking() const { return m_shrinking; }
    float getScale() const { return m_scale; }
    float getAge() const { return m_age; }
    float getLife() const { return m_life; }

protected:
    // Asked on every flying update that has not outlived the life: true starts
    // the shrinking early.
    virtual bool isDone() const;

private:
    bool m_shrinking;
    float m_scale;
    float m_scaleStep;
    float m_scaleLimit;
    float m_age;
    float m_life;
};

} // namespace KWEP

#endif
