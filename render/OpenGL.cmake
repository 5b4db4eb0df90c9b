# The OpenGL back end: render controller, vertex arrays, buffer objects, render buffers,
# the render queue, textures, shaders, GL materials and the displayable models with their
# maker. GL headers stay inside these .cpp files; GLFW is used for the swap interval alone.
set(RENDER_GL_SOURCES
  rglErrors.cpp
  rglDrawState.cpp
  rglVertexArray.cpp
  rglVertexBufferObject.cpp
  rglRenderBuffer.cpp
  RenderQueue.cpp
  rglController.cpp
  rglTexture.cpp
  rglShader.cpp
  rglShaderProgram.cpp
  rglMaterial.cpp
  rglMaterialLoader.cpp
  rglModel.cpp
  rglModelMaker.cpp
)

find_package(GLEW REQUIRED)
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
find_package(PkgConfig REQUIRED)
pkg_check_modules(RENDER_GLFW3 REQUIRED IMPORTED_TARGET glfw3)

add_library(render STATIC ${RENDER_GL_SOURCES})
target_link_libraries(render
  PUBLIC core shell render_model GLEW::GLEW OpenGL::GL OpenGL::GLU
  PRIVATE PkgConfig::RENDER_GLFW3)
