#include "render/MaterialStore.h"

#include <cstdio>

#include "core/Conversions.h"
#include "core/FileLimit.h"

namespace Model {

namespace {

const long BUCKETS = 1009;
const long LINK_BLOCK = 200;
// A definition line holds at most this many characters; the rest of a longer
// line is skipped, so it still counts as one line.
const std::size_t LINE_MAX = 1023;

bool readLine(FILE* file, std::string& line)
{
    line.clear();
    bool any = false;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        any = true;
        if (c == '\n')
            break;
        if (line.size() < LINE_MAX)
            line += static_cast<char>(c);
    }
    return any;
}

// Cuts the line into key, value and data at its first two ':'.
void splitLine(const std::string& line, std::string& key, std::string& value, std::string& data)
{
    const std::size_t first = line.find(':');
    key = Util::trim(line.substr(0, first), Util::BLANKS);
    value.clear();
    data.clear();
    if (first == std::string::npos)
        return;
    const std::size_t second = line.find(':', first + 1);
    value = Util::trim(line.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                          : second - first - 1),
                       Util::BLANKS);
    if (second != std::string::npos)
        data = line.substr(second + 1);
}

std::vector<std::string> shaderFiles(const std::string& data)
{
    std::vector<std::string> pieces, files;
    Util::splitString(data, ",", pieces, true);
    for (const std::string& piece : pieces) {
        const std::string file = Util::trim(piece, Util::BLANKS);
        if (!file.empty())
            files.push_back(file);
    }
    return files;
}

int layerType(const std::string& key)
{
    static const char* const l_keys[] = {"COLOR", "TEXTURE", "VERT_SHADER", "FRAG_SHADER"};
    for (int type = 0; type < 4; ++type)
        if (key == l_keys[type])
            return type;
    return -1;
}

// Adds the layer one definition line describes, if it describes one.
void parseLine(const std::string& line, std::vector<Material::Layer_s>& layers)
{
    std::string key, value, data;
    splitLine(line, key, value, data);
    const int type = layerType(key);
    if (type < 0 || value.empty())
        return;
    Material::Layer_s layer;
    layer.type = type;
    layer.name = value;
    if (type == Material::COLOR)
        layer.colour = static_cast<std::uint32_t>(Util::strToNum<unsigned long>(data, 16, 0));
    if (type == Material::VERT_SHADER || type == Material::FRAG_SHADER) {
        layer.files = shaderFiles(data);
        if (layer.files.empty())
            return;
    }
    layers.push_back(layer);
}

} // namespace

MaterialStore& MaterialStore::instance()
{
    static MaterialStore l_instance;
    return l_instance;
}

MaterialStore::MaterialStore() : Util::BasicHashTable<Material>(BUCKETS)
{
    Util::BasicHashLink<Material>::instance().setBlockSize(LINK_BLOCK, true);
}

// Materials live until the program ends; the store is the last owner.
MaterialStore::~MaterialStore()
{
    clearTable(true);
}

void MaterialStore::clearTable(bool destroy)
{
    m_loaded.clear();
    Util::BasicHashTable<Material>::clearTable(destroy);
}

Material* MaterialStore::add(Material* material)
{
    if (!material)
        return nullptr;
    Material* stored = find(material);
    return stored ? stored : insert(material);
}

bool MaterialStore::load(const std::string& path)
{
    const Material probe(path, std::vector<Material::Layer_s>());
    if (find(&probe))
        return true;
    FILE* file = Files::FileLimit::admit(path) ? std::fopen(path.c_str(), "r") : nullptr;
    if (!file)
        return false;
    std::vector<Material::Layer_s> layers;
    std::string line;
    while (readLine(file, line))
        parseLine(line, layers);
    std::fclose(file);
    if (layers.empty())
        return false;
    Material* material = new Material(path, layers);
    add(material);
    m_loaded.push_back(material);
    return true;
}

} // namespace Model
