#ifndef RGL_RGLSHADERPROGRAM_H
#define RGL_RGLSHADERPROGRAM_H

#include <vector>

namespace RGL {

class rglShader;

// The linked program of one material's shaders. It keeps working when its
// shaders are unloaded afterwards. A link failure ends the process with exit
// code 1 after a line naming the shaders' files and GL's log.
class rglShaderProgram {
public:
    // Attaches the shaders' GL objects in order and links them.
    explicit rglShaderProgram(const std::vector<rglShader*>& shaders);
    virtual ~rglShaderProgram();

    rglShaderProgram(const rglShaderProgram&) = delete;
    rglShaderProgram& operator=(const rglShaderProgram&) = delete;

    virtual bool beginUsing();
    virtual bool endUsing();
    // Set a uniform of the program in use; false (and nothing set) for a name
    // the program does not have, also one the linker removed.
    virtual bool setUniform(const char* name, int value);
    virtual bool setUniform(const char* name, float value);

    bool getUniformLoc(const char* name, int* location) const;
    unsigned getID() const;
    // Deletes the GL program now (before the context goes); name 0 afterwards.
    void release();

private:
    unsigned m_program;
};

} // namespace RGL

#endif
