#include "world/ShrinkingItem.h"

#include <vector>

#include "shell/I_DisplayableModel.h"

namespace KWEP {

ShrinkingItem::ShrinkingItem(Physics::ChipmunkItem* item, float scaleStep, float scaleLimit, float life)
    : Physics::ChipmunkWorldItem(item), m_shrinking(false), m_scale(1.0f), m_scaleStep(scaleStep),
      m_scaleLimit(scaleLimit), m_age(0.0f), m_life(life)
{
}

ShrinkingItem::~ShrinkingItem() {}

void ShrinkingItem::update(long ms)
{
    if (m_shrinking) {
        // One step per update, whatever the time.
        m_scale -= m_scaleStep;
        if (m_scale < m_scaleLimit)
            setDeleteMe(true);
        return;
    }
    m_age += static_cast<float>(static_cast<double>(ms) / 1000.0);
    m_shrinking = m_age > m_life || isDone();
}

bool ShrinkingItem::isDone() const { return false; }

void ShrinkingItem::draw(std::vector<MathStuff::Orientation<float> >& parts)
{
    Model::I_DisplayableModel* model = getModel();
    if (!model)
        return;
    getPositions(parts);
    for (MathStuff::Orientation<float>& part : parts)
        part.scale = MathStuff::Vector3<float>(m_scale, m_scale, m_scale);
    model->display(parts);
}

} // namespace KWEP
