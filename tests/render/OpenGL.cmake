# The OpenGL back end in a real GL context under a private Xvfb server.
find_package(GLEW REQUIRED)
find_package(OpenGL REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(RENDER_TEST_GLFW3 REQUIRED IMPORTED_TARGET glfw3)

frelmory_add_test(NAME render_gl_tests DISPLAY
  SOURCES ControllerTest.cpp VertexArrayTest.cpp
  LIBS render PkgConfig::RENDER_TEST_GLFW3 GLEW::GLEW OpenGL::GL OpenGL::GLU)

# The same back end with no display, no context and no GLEW set-up.
frelmory_add_test(NAME render_nocontext_tests
  SOURCES NoContextTest.cpp
  LIBS render)

# Textures, shaders, GL materials and displayable models, with fixture files written
# into a temporary data folder.
frelmory_add_test(NAME render_material_tests DISPLAY
  SOURCES GLTextureTest.cpp GLMaterialTest.cpp GLModelTest.cpp
  LIBS render PkgConfig::RENDER_TEST_GLFW3 GLEW::GLEW OpenGL::GL)
