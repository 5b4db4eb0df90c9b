#ifndef PHYSICS_BLUEPRINTREADER_H
#define PHYSICS_BLUEPRINTREADER_H

#include <string>
#include <vector>

#include "core/Info.h"
#include "physics/ChipmunkBlueprintDetails.h"
#include "physics/KeyReader.h"

namespace Physics {

// Reads a blueprint file into its records. Every value the physics engine
// would refuse is refused here with one line on the error stream naming the
// file and the key; the rest of the file is still read.
class BlueprintReader {
public:
    explicit BlueprintReader(const std::string& fileName);

    BlueprintReader(const BlueprintReader&) = delete;
    BlueprintReader& operator=(const BlueprintReader&) = delete;

    void read(ChipmunkBlueprint::Details& details);

private:
    typedef ChipmunkBlueprint::Details Details;

    void readBody(const std::string& name, Details& details);
    void readJoint(const std::string& entry, Details& details);
    bool readJointValues(const std::vector<std::string>& fields, Details::JointInfo& joint);
    void readSpring(const std::string& name, Details::JointInfo& joint);
    bool jointAnswered(const Details::JointInfo& joint, const Details& details) const;
    void readShape(const std::string& name, Details& details);
    void readPointLists(const std::string& prefix, const std::string& countKey,
                        Details::ShapeInfo& shape);

    int bodyIndex(const std::string& name, const Details& details) const;
    std::vector<std::string> list(const std::string& key) const;
    cpVect point(const std::string& key) const;
    cpVect pointText(const std::string& text, const std::string& key) const;
    void warn(const std::string& key, const std::string& text) const;

    std::string m_fileName;
    CFG::Info m_config;
    KeyReader m_keys;
};

} // namespace Physics

#endif
