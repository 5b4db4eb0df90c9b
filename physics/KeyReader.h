#ifndef PHYSICS_KEYREADER_H
#define PHYSICS_KEYREADER_H

#include <string>

#include "core/Info.h"
#include "core/Vector3.h"

namespace Physics {

// Reads the numbers of one data file for the physics engine, which aborts on
// values out of range: such a value gives the key's default and one line on
// the error stream naming the file and the key.
class KeyReader {
public:
    // The configuration is not owned and must outlive the reader.
    KeyReader(const CFG::Info& config, const std::string& fileName);

    std::string get(const std::string& key) const;
    // The key's float; def when missing, unreadable or out of range.
    float number(const std::string& key, float def) const;
    // The same for a text taken from the key's value.
    float numberText(const std::string& text, const std::string& key, float def) const;
    // The key's float, 0 when it is negative.
    float notNegative(const std::string& key) const;
    // The key's point x,y (z 0 unless given); (0, 0, 0) when out of range.
    MathStuff::Vector3<float> point(const std::string& key) const;
    MathStuff::Vector3<float> pointText(const std::string& text, const std::string& key) const;
    // One line: the file, the key and the text.
    void warn(const std::string& key, const std::string& text) const;

private:
    const CFG::Info& m_config;
    std::string m_fileName;
};

} // namespace Physics

#endif
