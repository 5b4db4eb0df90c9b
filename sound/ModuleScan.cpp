#include "sound/ModuleScan.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

namespace Media {

namespace {

// The 31-sample MOD layout: the order table at 952 (128 entries), the
// channel signature at 1080 and the patterns from 1084, 64 rows of one
// 4-byte cell per channel.
const std::size_t ORDERS_AT = 952;
const std::size_t ORDER_COUNT = 128;
const std::size_t SIGNATURE_AT = 1080;
const std::size_t PATTERNS_AT = 1084;
const std::size_t ROWS = 64;
const std::size_t CELL_BYTES = 4;

// The periods of the tracker's note table, lowest and highest (finetune included).
const int LOWEST_PERIOD = 107;
const int HIGHEST_PERIOD = 907;

// Effects that move a note's pitch without bound: 1 and 2 slide up and down,
// 3 and 5 slide towards a note, E1 and E2 slide finely.
bool slides(int effect, int param)
{
    if (effect == 0x1 || effect == 0x2 || effect == 0x3 || effect == 0x5)
        return true;
    return effect == 0xE && ((param >> 4) == 0x1 || (param >> 4) == 0x2);
}

// The channel count the signature names; 0 for one DUMB would read another way.
std::size_t channelsOf(const unsigned char* sig)
{
    const auto is = [sig](const char* text) { return std::memcmp(sig, text, 4) == 0; };
    if (is("M.K.") || is("M!K!") || is("FLT4") || is("4CHN"))
        return 4;
    if (sig[0] >= '1' && sig[0] <= '9' && std::memcmp(sig + 1, "CHN", 3) == 0)
        return static_cast<std::size_t>(sig[0] - '0');
    if (sig[0] >= '1' && sig[0] <= '3' && sig[1] >= '0' && sig[1] <= '9' && sig[2] == 'C' && sig[3] == 'H')
        return static_cast<std::size_t>((sig[0] - '0') * 10 + (sig[1] - '0'));
    return 0;
}

bool readAt(std::ifstream& in, std::size_t at, std::vector<unsigned char>& out)
{
    in.seekg(static_cast<std::streamoff>(at));
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<std::size_t>(in.gcount()) == out.size();
}

bool cellKeepsPitch(const unsigned char* cell)
{
    const int period = ((cell[0] & 0x0F) << 8) | cell[1];
    if (period != 0 && (period < LOWEST_PERIOD || period > HIGHEST_PERIOD))
        return false;
    return !slides(cell[2] & 0x0F, cell[3]);
}

} // namespace

bool pitchStaysInRange(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> head(PATTERNS_AT);
    if (!in || !readAt(in, 0, head))
        return false;
    const std::size_t channels = channelsOf(head.data() + SIGNATURE_AT);
    if (channels == 0)
        return false;
    // Every pattern the order table names, also past the song's length.
    const unsigned char* orders = head.data() + ORDERS_AT;
    const std::size_t patterns = *std::max_element(orders, orders + ORDER_COUNT) + 1u;
    std::vector<unsigned char> cells(patterns * ROWS * channels * CELL_BYTES);
    if (!readAt(in, PATTERNS_AT, cells))
        return false;
    for (std::size_t at = 0; at < cells.size(); at += CELL_BYTES)
        if (!cellKeepsPitch(cells.data() + at))
            return false;
    return true;
}

} // namespace Media
