#ifndef MEDIA_MODULESCAN_H
#define MEDIA_MODULESCAN_H

#include <string>

namespace Media {

// A look at the patterns of a MOD file before it is rendered: true when every
// note keeps its pitch within reach, that is, no pattern has a pitch slide
// (portamento up or down, tone portamento, fine slides) and every note's
// period is one a tracker writes. Only such a song can be rendered without a
// guard: a slide can run a looping note's pitch out of range, and DUMB's
// resampler then never returns. False for anything else, also for a file
// that is not a MOD of a known channel signature or that cannot be read.
bool pitchStaysInRange(const std::string& path);

} // namespace Media

#endif
