#ifndef RENDER_DMFALLOC_H
#define RENDER_DMFALLOC_H

// Allocation helpers shared by the files of the DMF module (not for its users).

#include <cstdlib>
#include <cstring>

#include "render/dmf.h"

namespace dmf {

// A zeroed block of count items (one at least, so that an empty table is
// still a block to free); null when out of memory.
template <typename T>
T* allocate(std::size_t count)
{
    return static_cast<T*>(std::calloc(count ? count : 1, sizeof(T)));
}

// A malloc'ed copy of the text (empty for null); null when out of memory.
inline char* copyText(const char* text)
{
    const std::size_t length = text ? std::strlen(text) : 0;
    char* copy = static_cast<char*>(std::malloc(length + 1));
    if (copy) {
        if (length)
            std::memcpy(copy, text, length);
        copy[length] = '\0';
    }
    return copy;
}

// Release the blocks a record owns (the record itself stays).
void freeMaterial(dmf_material_t& material);
void freeObject(dmf_object_t& object);
void freePolygon(dmf_polygon_t& polygon);

} // namespace dmf

#endif
