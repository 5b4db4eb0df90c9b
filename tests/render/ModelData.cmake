# Model data without GL: DMF files, materials and definition files, the loader.
set(RENDER_MODEL_TEST_SOURCES
  DmfReadTest.cpp
  DmfShapeTest.cpp
  MaterialTest.cpp
  LoaderDMFTest.cpp
)
frelmory_add_test(NAME render_model_tests SOURCES ${RENDER_MODEL_TEST_SOURCES} LIBS render_model)
