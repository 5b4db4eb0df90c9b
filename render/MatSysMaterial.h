#ifndef MATSYS_MATERIAL_H
#define MATSYS_MATERIAL_H

namespace MatSys {

// What the render queue needs of a material: the GL state it sets before a
// draw and takes back after it.
class Material {
public:
    virtual ~Material() {}
    virtual void begin() = 0;
    virtual void end() = 0;
};

} // namespace MatSys

#endif
