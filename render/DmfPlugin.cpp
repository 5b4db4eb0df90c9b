// Exchanging maps with a host editor through one callback. The plug-in text is
// a header (its own length, the entry count and "091", then one entry per
// section: kind, count, offset, length) followed by the sections, written as in
// a file but without their counts, without line feeds after materials and
// objects, and with whole-number vertices.

#include "render/dmf.h"
#include "render/DmfSections.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace dmf {

namespace {

const int REQUEST_DIRECTORY = 0;
const int REQUEST_SIZE = 1;
const int REQUEST_DATA = 2;
const int REQUEST_HAND_OVER = 3;
const int DIRECTORY_SIZE = 2048;
const char ALL_REQUEST[] = "35;3;091;3,0,0,0;10,0,0,0;11,0,0,0;";
const char SELECTION_REQUEST[] = "33;3;091;3,0,0,0;1,0,0,0;2,0,0,0;";

dmf_host_t s_host = nullptr;

int ask(dmf_request_t& request)
{
    if (!s_host || s_host(&request) != 0)
        return DMF_HOST_FAILED;
    return DMF_OK;
}

// A section of the map in plug-in form, written by the given writer.
std::string sectionText(void (*write)(Sink&, const dmf_t*), const dmf_t* map)
{
    std::string text;
    Sink sink = {nullptr, &text, true};
    write(sink, map);
    return text;
}

std::string materialsText(const dmf_t* map) { return sectionText(writeMaterialRecords, map); }

std::string lightsText(const dmf_t* map) { return sectionText(writeLightRecords, map); }

std::string objectsText(const dmf_t* map, const dmf_object_t* only, dmf_progress_t progress)
{
    std::string text;
    Sink sink = {nullptr, &text, true};
    if (only)
        writeObjectRecord(sink, map, *only, progress);
    for (std::uint32_t i = 0; !only && i < map->objectCount; ++i)
        writeObjectRecord(sink, map, map->objects[i], progress);
    return text;
}


// The header with its own length in front; that length counts its own digits.
std::string headerWith(int entryCount, const std::string& entries)
{
    const std::string tail = ";" + std::to_string(entryCount) + ";091;" + entries;
    int length = static_cast<int>(tail.size());
    while (intStringLength(length) + static_cast<int>(tail.size()) != length)
        length = intStringLength(length) + static_cast<int>(tail.size());
    return std::to_string(length) + tail;
}

std::string entry(int kind, std::uint32_t count, int offset, int length)
{
    return std::to_string(kind) + "," + std::to_string(count) + "," + std::to_string(offset) + "," +
           std::to_string(length) + ";";
}

int handOver(std::string text)
{
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    dmf_request_t request = {REQUEST_HAND_OVER, buffer.data(), static_cast<int>(buffer.size())};
    return ask(request);
}

// Three header tokens, then kind, count, offset and length per section.
int readEntries(dmf_source_t& source, dmf_t* map)
{
    char token[DMF_TOKEN_MAX + 1];
    for (int i = 0; i < 3; ++i)
        if (!GetToken(&source, token, ",;", 2))
            return DMF_TRUNCATED;
    std::uint32_t* counts[3] = {&map->materialCount, &map->objectCount, &map->lightCount};
    for (std::uint32_t* count : counts)
        for (int field = 0; field < 4; ++field) {
            if (!GetToken(&source, token, ",;", 2))
                return DMF_TRUNCATED;
            const long value = std::strtol(token, nullptr, 10);
            if (field == 1 && value < 0)
                return DMF_NOT_A_MAP;
            // A count beyond int range is refused by the section reader.
            if (field == 1)
                *count = value > INT_MAX ? 0x80000000u : static_cast<std::uint32_t>(value);
        }
    return DMF_OK;
}

} // namespace

void SetPluginCallback(dmf_host_t host) { s_host = host; }

int GetDeledDirectory(char* out)
{
    std::vector<char> buffer(DIRECTORY_SIZE + 1, '\0');
    dmf_request_t request = {REQUEST_DIRECTORY, buffer.data(), DIRECTORY_SIZE};
    const int result = ask(request);
    if (result == DMF_OK && out)
        std::strcpy(out, buffer.data());
    return result;
}

// A host size below 1 is an empty text: nothing to fetch.
int ImportDMF(dmf_t* map, int selection)
{
    const std::string wanted = selection == -1 ? ALL_REQUEST : SELECTION_REQUEST;
    std::vector<char> query(wanted.begin(), wanted.end());
    query.push_back('\0');
    dmf_request_t request = {REQUEST_SIZE, query.data(), 0};
    int result = ask(request);
    if (result != DMF_OK)
        return result;
    if (request.size < 1)
        return DMF_NOT_A_MAP;
    std::vector<char> data(static_cast<std::size_t>(request.size) + 1, '\0');
    std::strncpy(data.data(), wanted.c_str(), static_cast<std::size_t>(request.size));
    dmf_request_t fetch = {REQUEST_DATA, data.data(), request.size};
    if ((result = ask(fetch)) != DMF_OK)
        return result;
    data.back() = '\0';
    return ParsePluginData(map, data.data());
}

int ParsePluginData(dmf_t* map, const char* text)
{
    std::memset(map, 0, sizeof(*map));
    dmf_source_t source = {nullptr, text, DMF_SOURCE_MEMORY, 0,
                           text ? static_cast<long>(std::strlen(text)) : 0};
    int result = readEntries(source, map);
    if (result == DMF_OK)
        result = readSections(&source, map, true);
    if (result != DMF_OK)
        FreeDMF(map);
    return result;
}

int ExportDMF(const dmf_t* map, dmf_progress_t progress)
{
    const std::string materials = materialsText(map);
    const std::string objects = objectsText(map, nullptr, progress);
    const std::string lights = lightsText(map);
    const int materialLength = CalcReqMaterialBuffer(map);
    const int objectLength = CalcReqObjectBuffer(map);
    const std::string entries = entry(3, map->materialCount, 0, materialLength) +
                                entry(1, map->objectCount, materialLength, objectLength) +
                                entry(2, map->lightCount, materialLength + objectLength,
                                      CalcReqLightBuffer(map));
    return handOver(headerWith(3, entries) + materials + objects + lights);
}

int ExportObjectDMF(const dmf_t* map, const dmf_object_t* object, dmf_progress_t progress)
{
    const std::string text = objectsText(map, object, progress);
    const std::string header = headerWith(1, entry(1, 1, 0, static_cast<int>(text.size()) + 1));
    return handOver(header + text);
}

int CalcReqMaterialBuffer(const dmf_t* map) { return static_cast<int>(materialsText(map).size()) + 1; }

int CalcReqSingleObjectBuffer(const dmf_t* map, const dmf_object_t* object)
{
    return static_cast<int>(objectsText(map, object, nullptr).size()) + 1;
}

int CalcReqObjectBuffer(const dmf_t* map)
{
    return static_cast<int>(objectsText(map, nullptr, nullptr).size()) + 1;
}

int CalcReqLightBuffer(const dmf_t* map) { return static_cast<int>(lightsText(map).size()) + 1; }

int intStringLength(int n) { return std::snprintf(nullptr, 0, "%i", n); }

} // namespace dmf
