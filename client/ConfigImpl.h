#ifndef KWEP_CONFIGIMPL_H
#define KWEP_CONFIGIMPL_H

#include "client/Config.h"

#include <string>
#include <vector>

namespace KWEP {

// The options the shell's key table does not hold, and what the parses and
// the options file left behind.
struct Config::Impl {
    float sensitivity = 0.5f;
    float tilt = 4.0f;
    bool smooth = true;
    bool helpShown = false;
    bool saveOnExit = false;
    bool keepFile = false;     // the options file did not read: never write it
    bool fileRead = false;     // the last load found a file with text in it
    bool quiet = false;        // loads say nothing (a second look at the file)
    std::string failedFlag;    // the flag that stopped the last parse
    const char* failedTakes = ""; // what that flag takes, for its message
    // A number flag that takes a range names it; the text is made only
    // when the message is.
    bool failedRange = false;
    float failedLow = 0.0f;
    float failedHigh = 0.0f;
    // The options file's lines as the options stood after the file was
    // read; empty until it is. What differs at exit is this run's change.
    std::vector<std::string> readLines;
};

} // namespace KWEP

#endif
