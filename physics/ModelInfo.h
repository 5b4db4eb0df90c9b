#ifndef PHYSICS_MODELINFO_H
#define PHYSICS_MODELINFO_H

#include <string>

namespace Physics {

class PolyModel;

// Reads line models from an item's configuration file: for a model called
// name, the parts listed under name + "_MODEL_PART_LIST" (or, when that is
// empty, "MODEL_PART_LIST"), each described by the keys P_PART_PLANE,
// P_PART_TYPE, P_PART_OFFSET, P_PART_COLOR, P_PART_WIDTH and its points or
// circle values. A part it cannot read is skipped with one line on the error
// stream naming the file and the part.
class ModelInfo {
public:
    // Opens the file over the configuration override layer; a missing or
    // unreadable file leaves every model without parts.
    explicit ModelInfo(const std::string& fileName);
    virtual ~ModelInfo();

    ModelInfo(const ModelInfo&) = delete;
    ModelInfo& operator=(const ModelInfo&) = delete;

    // A new model of that name, never null; the caller owns it.
    virtual PolyModel* makeModel(const std::string& name);

    // Circles with more segments are refused: a typo must not build millions
    // of vertices.
    static constexpr int MAX_CIRCLE_SEGMENTS = 10000;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace Physics

#endif
