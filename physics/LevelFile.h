#ifndef PHYSICS_LEVELFILE_H
#define PHYSICS_LEVELFILE_H

#include <string>
#include <vector>

#include "core/Vector3.h"

namespace Physics {

// A level: its physics file, its physical items and its decorations, each
// placed by name, position and angle.
//
// Keys: PHYSICS_FILE, ITEMS and DECORATIONS. A list is cut at every "ITEM:";
// each non-blank chunk holds exactly three tokens: name, point x,y[,z], angle
// in degrees.
class LevelFile {
public:
    struct ItemInfo {
        ItemInfo() : angle(0.0f) {}
        ItemInfo(const std::string& name, const MathStuff::Vector3<float>& position, float angle)
            : name(name), position(position), angle(angle) {}
        std::string name;
        MathStuff::Vector3<float> position;
        // Degrees.
        float angle;
    };

    LevelFile();
    virtual ~LevelFile();

    // Appends the file's records. False when the file cannot be read (nothing
    // changes) or a record is malformed: the parse stops there, keeping what
    // was read, and names the file and key on the error stream.
    virtual bool load(const std::string& fileName);

    const std::vector<ItemInfo>& getItemInfos() const;
    const std::vector<ItemInfo>& getDecorations() const;
    const std::string& getPhysicsFile() const;

private:
    std::vector<ItemInfo> m_items;
    std::vector<ItemInfo> m_decorations;
    std::string m_physicsFile;
};

} // namespace Physics

#endif
