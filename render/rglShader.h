#ifndef RGL_RGLSHADER_H
#define RGL_RGLSHADER_H

#include <memory>
#include <string>
#include <vector>

#include "core/I_Loadable.h"

namespace RGL {

// One GLSL shader object compiled from the joined text of its source files, in
// list order. A file that cannot be read or a text that does not compile ends
// the process with exit code 1 after a line naming the files and GL's log.
class rglShader : public Util::I_Loadable {
public:
    // kind: GL_VERTEX_SHADER or GL_FRAGMENT_SHADER. No GL call.
    rglShader(const char* name, unsigned kind, const std::vector<std::string>& files);
    ~rglShader() override;

    rglShader(const rglShader&) = delete;
    rglShader& operator=(const rglShader&) = delete;

    bool loadObject() override;
    bool unloadObject() override;

    unsigned getID() const; // 0 while not loaded
    std::string getName() const;
    // The source files joined by ", ", for messages.
    std::string describeFiles() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace RGL

#endif
