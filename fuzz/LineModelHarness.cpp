#include "fuzz/Harness.h"

#include <memory>

#include "fuzz/ScratchFile.h"
#include "physics/ModelInfo.h"
#include "physics/PolyModel.h"
#include "physics/Triangulate2D.h"

namespace Fuzz {

// A line-model file made into its model, and each filled outline cut into
// triangles as its display form does.
int fuzzLineModel(const std::uint8_t* data, std::size_t size)
{
    ScratchFile file("model.cfg", data, size);
    Physics::ModelInfo info(file.path());
    std::unique_ptr<Physics::PolyModel> model(info.makeModel("MODEL"));
    if (!model)
        return 0;
    Geometry::Triangulate2D triangulate;
    Geometry::Triangulate2D::Triangles triangles;
    for (const Physics::PolyModel::Part* part : model->getParts()) {
        const Physics::PolyModel::PolygonPart* polygon =
            dynamic_cast<const Physics::PolyModel::PolygonPart*>(part);
        if (polygon != nullptr)
            triangulate.triangulate(polygon->points, true, triangles);
    }
    return 0;
}

} // namespace Fuzz
