#include "physics/ChipmunkWorldItem.h"

#include "physics/BodyIndex.h"
#include "physics/ChipmunkItem.h"
#include "physics/DisplayablePolyModel.h"

namespace Physics {

ChipmunkWorldItem::ChipmunkWorldItem(ChipmunkItem* item) : Game::WorldItem(nullptr), m_item(item)
{
    if (m_item)
        m_item->setOwner(this);
    // Line models face along x, as the bodies do at angle 0.
    ownOrientation().direction = MathStuff::Vector3<float>(1.0f, 0.0f, 0.0f);
}

ChipmunkWorldItem::~ChipmunkWorldItem() { delete m_item; }

void ChipmunkWorldItem::handleEvent(EVT::I_Event*) {}

void ChipmunkWorldItem::setModel(Model::I_DisplayableModel*) {}

void ChipmunkWorldItem::setOrientation(const MathStuff::Orientation<float>&) {}

void ChipmunkWorldItem::draw(std::vector<MathStuff::Orientation<float> >& parts)
{
    Model::I_DisplayableModel* model = getModel();
    if (!model)
        return;
    getPositions(parts);
    model->display(parts);
}

void ChipmunkWorldItem::setModel(DisplayablePolyModel* model, const PartPairs& pairs)
{
    Game::WorldItem::setModel(model);
    m_pairs = pairs;
    generateIndexes(true);
}

DisplayablePolyModel* ChipmunkWorldItem::getPolyModel() const
{
    return dynamic_cast<DisplayablePolyModel*>(getModel());
}

void ChipmunkWorldItem::removeBody(const std::string& name)
{
    if (m_item)
        m_item->removeBody(name);
    generateIndexes(false);
}

ChipmunkItem* ChipmunkWorldItem::getChipmunkItem() const { return m_item; }

void ChipmunkWorldItem::generateIndexes(bool)
{
    m_partIndexes.clear();
    const DisplayablePolyModel* model = getPolyModel();
    if (!model)
        return;
    static const std::vector<std::string> l_noBodies;
    const std::vector<std::string>& bodies = m_item ? m_item->getBodyNames() : l_noBodies;
    for (const std::string& part : model->getPartNames()) {
        int index = -1;
        for (const auto& pair : m_pairs) {
            if (pair.first == part) {
                index = bodyIndex(bodies, pair.second);
                break;
            }
        }
        m_partIndexes.push_back(index);
    }
}

void ChipmunkWorldItem::getPositions(std::vector<MathStuff::Orientation<float> >& out)
{
    const int bodies = m_item ? m_item->getBodyCount() : 0;
    if (bodies > 0)
        ownOrientation() = m_item->getPosition(0);
    out.clear();
    out.reserve(m_partIndexes.size());
    for (int index : m_partIndexes) {
        const bool placed = index >= 0 && index < bodies;
        out.push_back(placed ? m_item->getPosition(index) : parkedOrientation());
    }
}

MathStuff::Orientation<float> ChipmunkWorldItem::parkedOrientation()
{
    return MathStuff::Orientation<float>(MathStuff::Vector3<float>(0.0f, 0.0f, 100000.0f),
                                         MathStuff::Vector3<float>(0.0f, 0.0f, -1.0f),
                                         MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f),
                                         MathStuff::Vector3<float>(1.0f, 1.0f, 1.0f));
}

} // namespace Physics
