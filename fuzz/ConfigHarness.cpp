#include "fuzz/Harness.h"

#include <string>
#include <vector>

#include "core/Info.h"
#include "fuzz/ScratchFile.h"

namespace Fuzz {

namespace {

// Lookups per input: each is bounded on its own, so a few dozen keep a run quick.
const std::size_t MAX_LOOKUPS = 16;
// A line of its own that splits the input into a base file and an overlay.
const char OVERLAY_MARK[] = "\n%%\n";

} // namespace

// The base file with an overlay over it, every key looked up through the
// overlay so references cross from one to the other.
int fuzzConfig(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string::size_type mark = text.find(OVERLAY_MARK);
    const std::string base = text.substr(0, mark);
    const std::string overlay = mark == std::string::npos ? "" : text.substr(mark + sizeof OVERLAY_MARK - 1);
    ScratchFile baseFile("config_base", base);
    ScratchFile overlayFile("config_overlay", overlay);

    CFG::Info parent(baseFile.path(), nullptr);
    CFG::Info child(&parent);
    child.addConfig(overlayFile.path());
    std::vector<std::string> keys;
    parent.keys(keys);
    child.keys(keys);
    for (std::size_t i = 0; i < keys.size() && i < MAX_LOOKUPS; ++i)
        child.get(keys[i]);
    child.get("");
    return 0;
}

} // namespace Fuzz
