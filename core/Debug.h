#ifndef FRELMORY_CORE_DEBUG_H
#define FRELMORY_CORE_DEBUG_H

namespace Util {

// The process-wide diagnostic flags: a bit set that the game takes from its
// debug-flags option at start-up. They are stored for any component to read; no
// message of the game is selected by them yet.
class Debug {
public:
    enum Flag {
        FLAG_NONE = 0,
        FLAG_DEBUG = 1,
        FLAG_INFO = 2,
        FLAG_WARN = 4,
        FLAG_ERROR = 8,
        FLAG_STACK = 16,
        FLAG_ALL = 0xffff,
        FLAG_DEFAULT = FLAG_ERROR | FLAG_WARN | FLAG_INFO // 14
    };

    static int getFlags() { return s_flags; }
    static void setFlags(int flags) { s_flags = flags; }

    // True when any of the given bits is set.
    static bool isOn(int flags) { return (s_flags & flags) != 0; }

private:
    Debug() = delete;

    inline static int s_flags = FLAG_DEFAULT;
};

} // namespace Util

#endif
