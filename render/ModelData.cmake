# Model data without GL: the DMF module, materials and their store, material
# definition files, triangle models and the DMF model loader.

# The DMF module: reading, writing, reshaping, combining, the plug-in exchange.
set(RENDER_DMF_SOURCES
  DmfRead.cpp
  DmfWrite.cpp
  DmfTransform.cpp
  DmfCombine.cpp
  DmfPlugin.cpp
)

# Materials, the material store, triangle models and the loader.
set(RENDER_MODEL_SOURCES
  Material.cpp
  MaterialStore.cpp
  Model.cpp
  DMFMaterials.cpp
  LoaderDMF.cpp
)

add_library(render_model STATIC ${RENDER_DMF_SOURCES} ${RENDER_MODEL_SOURCES})
target_link_libraries(render_model PUBLIC core shell)

# The tool that writes the game's block font and its letter offsets, and the
# target that regenerates the copies the game ships in data/ (a test compares
# them with freshly generated ones).
add_executable(make-font MakeFont.cpp FontGlyphs.cpp)
target_link_libraries(make-font PRIVATE render_model)
add_custom_target(font-files
  COMMAND make-font ${PROJECT_SOURCE_DIR}/data
  COMMENT "Writing the block font into data/Models and its letter offsets into data/Config"
  VERBATIM)
