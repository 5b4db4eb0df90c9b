# Model data without GL: DMF files, materials and definition files, the loader.
set(RENDER_MODEL_TEST_SOURCES
  DmfReadTest.cpp
  DmfShapeTest.cpp
  DmfExchangeTest.cpp
  MaterialTest.cpp
  LoaderDMFTest.cpp
)
frelmory_add_test(NAME render_model_tests SOURCES ${RENDER_MODEL_TEST_SOURCES} LIBS render_model)

# The shipped block font against make-font's output, and through the 3-D text font.
frelmory_add_test(NAME render_font_tests SOURCES FontFilesTest.cpp LIBS render_model)
target_compile_definitions(render_font_tests PRIVATE MAKE_FONT="$<TARGET_FILE:make-font>")
add_dependencies(render_font_tests make-font)
