#ifndef MODEL_DMFMATERIALS_H
#define MODEL_DMFMATERIALS_H

#include <string>

#include "render/dmf.h"

namespace Model {

class Material;

// The name with its extension replaced (or added) and everything up to its
// last '/' or '\' replaced by the directory (or the directory put in front):
// maps\wood.bmp, "data/Textures/", ".tga" give data/Textures/wood.tga.
std::string convertDMFName(const char* name, const char* directory, const char* extension);

// The material's name; for a name "CFG:KEY" the configuration value of KEY.
std::string getMatDefName(const dmf::dmf_material_t* material);

// "MATDEF" materials: the path of their definition file; others: category.name.
std::string makeDMFMaterialName(const dmf::dmf_material_t* material);

// A new material (owned by the caller) with one layer per usable DMF layer;
// null when no layer is usable.
Material* newMaterial(const dmf::dmf_material_t* material);

} // namespace Model

#endif
