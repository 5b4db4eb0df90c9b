#ifndef RENDER_DMFSECTIONS_H
#define RENDER_DMFSECTIONS_H

// The section readers and writers the file and the plug-in exchange share
// (internal to the DMF module).

#include <cstdio>
#include <string>

#include "render/dmf.h"

namespace dmf {

// Reads the material, object and light sections. A section whose count the
// map already holds reads no count of its own; with skipEmpty a section whose
// preset count is 0 is not read at all.
int readSections(dmf_source_t* source, dmf_t* map, bool skipEmpty);

// Where written text goes: a file or a string. The plug-in form has no line
// feeds after materials and objects and writes vertices as whole numbers.
struct Sink {
    FILE* file;
    std::string* text;
    bool pluginForm;
};

void writeMaterialRecords(Sink& sink, const dmf_t* map);
void writeObjectRecord(Sink& sink, const dmf_t* map, const dmf_object_t& object,
                       dmf_progress_t progress);
void writeLightRecords(Sink& sink, const dmf_t* map);
void writeText(Sink& sink, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace dmf

#endif
