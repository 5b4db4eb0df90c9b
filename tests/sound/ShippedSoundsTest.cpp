// The shipped sounds are exactly what make-sounds writes now, and the shipped
// configuration names only those.

#include "core/Info.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path SHIPPED = fs::path(FRELMORY_SOURCE_DIR) / "data" / "Sounds";

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(ShippedSounds, EqualWhatMakeSoundsWrites)
{
    const fs::path fresh = fs::temp_directory_path() / ("frelmory_sounds_" + std::to_string(::getpid()));
    const std::string command = std::string(MAKE_SOUNDS) + " " + fresh.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::set<std::string> names = namesIn(fresh);
    EXPECT_EQ(names, namesIn(SHIPPED)) << "run the sound-files target to update data/Sounds";
    std::uintmax_t total = 0;
    for (const std::string& name : names) {
        EXPECT_TRUE(readBytes(fresh / name) == readBytes(SHIPPED / name))
            << name << " differs: run the sound-files target to update data/Sounds";
        total += fs::file_size(fresh / name);
    }
    EXPECT_LT(total, 2u * 1024 * 1024);
    fs::remove_all(fresh);
}

TEST(ShippedSounds, TheConfigurationNamesEveryShippedFile)
{
    CFG::Info info(std::string(FRELMORY_SOURCE_DIR) + "/data/Config/KWEP_SOUNDS.cfg", nullptr);
    const std::string files = info.get("SOUND_FILES");
    for (const std::string& name : namesIn(SHIPPED))
        EXPECT_NE(files.find(":" + name), std::string::npos) << name;
    EXPECT_EQ(info.get("SOUND_DIR"), "data/Sounds/");
    CFG::Info main(std::string(FRELMORY_SOURCE_DIR) + "/KWEP.cfg", nullptr);
    EXPECT_EQ(main.get("SOUNDS_CONFIG_FILE"), "data/Config/KWEP_SOUNDS.cfg");
}

} // namespace
