// The WAV, Ogg Vorbis and module decoders: every shipped sound as generated, and
// malformed files written by the tests.

#include "CaseName.h"
#include "NotRegularFiles.h"
#include "TempPath.h"
#include "sound/MODFile.h"
#include "sound/MODWriter.h"
#include "sound/ModuleScan.h"
#include "sound/OGGFile.h"
#include "sound/OGGWriter.h"
#include "sound/WAVFile.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <ogg/ogg.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

const std::string SOUNDS = std::string(FRELMORY_SOURCE_DIR) + "/data/Sounds/";

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file of the test's own, removed when the test ends.
class TempFile {
public:
    TempFile(const std::string& name, const std::string& bytes) : m_path(TestSupport::tempPath(name))
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::remove(m_path.c_str()); }
    const char* path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

std::string le(std::uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string chunk(const std::string& id, const std::string& body, std::uint32_t size)
{
    return id + le(size, 4) + body;
}

std::string chunk(const std::string& id, const std::string& body)
{
    return chunk(id, body, static_cast<std::uint32_t>(body.size())) + (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string fmtBody(int format, int channels, int rate, int bits)
{
    const int block = channels * bits / 8;
    return le(format, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) + le(block, 2) + le(bits, 2);
}

std::string riff(const std::string& chunks) { return "RIFF" + le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks; }

const std::string MONO8 = chunk("fmt ", fmtBody(1, 1, 8000, 8));
const std::string FOUR = "\x10\x20\x30\x40";

// ---- WAV ----

struct WavCase {
    const char* what;
    std::string bytes;
    bool loads;
    std::string data;
};

class WavTable : public ::testing::TestWithParam<WavCase> {};

TEST_P(WavTable, LoadsOrRefuses)
{
    const WavCase& c = GetParam();
    TempFile file("case.wav", c.bytes);
    Media::WAVFile wav(file.path());
    ASSERT_EQ(wav.load(), c.loads) << c.what << ": " << wav.getError();
    if (c.loads)
        EXPECT_EQ(std::string(wav.getData().begin(), wav.getData().end()), c.data) << c.what;
    else
        EXPECT_FALSE(wav.getError().empty()) << c.what;
}

const WavCase WAV_CASES[] = {
    {"a plain file", riff(MONO8 + chunk("data", FOUR)), true, FOUR},
    {"an odd-sized chunk and its pad byte before the data",
     riff(MONO8 + chunk("LIST", "INFOabc") + chunk("data", FOUR)), true, FOUR},
    {"a longer format chunk", riff(chunk("fmt ", fmtBody(1, 1, 8000, 8) + "xx") + chunk("data", FOUR)), true, FOUR},
    {"16-bit stereo data cut to whole frames", riff(chunk("fmt ", fmtBody(1, 2, 8000, 16)) + chunk("data", "1234567")),
     true, "1234"},
    {"the format chunk not first", riff(chunk("LIST", "INFO") + MONO8 + chunk("data", FOUR)), false, ""},
    {"a format chunk shorter than 16 bytes", riff(chunk("fmt ", fmtBody(1, 1, 8000, 8).substr(0, 14)) +
     chunk("data", FOUR)), false, ""},
    {"floating-point samples", riff(chunk("fmt ", fmtBody(3, 1, 8000, 32)) + chunk("data", FOUR)), false, ""},
    {"24-bit samples", riff(chunk("fmt ", fmtBody(1, 1, 8000, 24)) + chunk("data", "123456")), false, ""},
    {"six channels", riff(chunk("fmt ", fmtBody(1, 6, 8000, 16)) + chunk("data", "123456789012")), false, ""},
    {"a rate of 0", riff(chunk("fmt ", fmtBody(1, 1, 0, 8)) + chunk("data", FOUR)), false, ""},
    {"no data chunk", riff(MONO8 + chunk("LIST", "INFO")), false, ""},
    {"a data chunk claiming more than the file holds", riff(MONO8 + chunk("data", FOUR, 0xFFFFFFF0u)), false, ""},
    {"a chunk before the data claiming more than the file holds",
     riff(MONO8 + chunk("LIST", "INFO", 0x7FFFFFFFu) + chunk("data", FOUR)), false, ""},
    {"a file cut inside the format chunk", riff(MONO8 + chunk("data", FOUR)).substr(0, 24), false, ""},
    {"not a RIFF file", "This is a text file, not a sound.\n", false, ""},
    {"a RIFF file that is not WAVE", "RIFF" + le(4, 4) + "AVI ", false, ""},
    {"an empty file", "", false, ""},
};

SOUND_TEST_TABLE(WAVFile, WavTable, WavCase, WAV_CASES);

TEST(WAVFile, RefusesAMissingFile)
{
    Media::WAVFile wav(TestSupport::tempPath("no-such.wav").c_str());
    EXPECT_FALSE(wav.load());
    EXPECT_EQ(wav.getError(), "the file cannot be opened");
}

struct ShippedWav {
    const char* file;
    int channels;
    int rate;
    int bits;
    int ms;
};

TEST(WAVFile, ReadsEveryShippedEffectAsGenerated)
{
    const ShippedWav effects[] = {
        {"grab.wav", 1, 22050, 16, 150},         {"release.wav", 1, 22050, 8, 150},
        {"throw_rock.wav", 1, 22050, 16, 500},   {"snowman_fall.wav", 1, 22050, 16, 700},
        {"carrot_smash.wav", 1, 22050, 16, 400}, {"snowman_smash.wav", 1, 22050, 16, 600},
        {"rock_hit.wav", 2, 44100, 16, 300},
    };
    for (const ShippedWav& e : effects) {
        Media::WAVFile wav((SOUNDS + e.file).c_str());
        ASSERT_TRUE(wav.load()) << e.file << ": " << wav.getError();
        EXPECT_EQ(wav.getNumChannels(), e.channels) << e.file;
        EXPECT_EQ(wav.getRate(), e.rate) << e.file;
        EXPECT_EQ(wav.getBitsPerSample(), e.bits) << e.file;
        const std::size_t frame = static_cast<std::size_t>(e.channels * e.bits / 8);
        EXPECT_EQ(wav.getData().size(), static_cast<std::size_t>(e.rate) * e.ms / 1000 * frame) << e.file;
        // Below full scale: the loudest 16-bit sample stays under 32000 (8-bit: off the rails).
        int peak = 0;
        for (std::size_t i = 0; i + frame / e.channels <= wav.getData().size(); i += frame / e.channels) {
            const int value = e.bits == 8 ? (wav.getData()[i] - 128) * 256
                                          : static_cast<std::int16_t>(wav.getData()[i] | (wav.getData()[i + 1] << 8));
            peak = std::max(peak, std::abs(value));
        }
        EXPECT_GT(peak, 3000) << e.file;
        EXPECT_LT(peak, 32000) << e.file;
    }
}

TEST(WAVFile, TheShippedRockHitHasAnOddSizedChunkBeforeItsData)
{
    const std::string bytes = readBytes(SOUNDS + "rock_hit.wav");
    const std::size_t list = bytes.find("LIST");
    ASSERT_NE(list, std::string::npos);
    const unsigned char* size = reinterpret_cast<const unsigned char*>(bytes.data() + list + 4);
    EXPECT_EQ(size[0] % 2, 1);
    EXPECT_LT(list, bytes.find("data"));
}

// ---- Ogg Vorbis ----

TEST(OGGFile, ReadsEveryShippedPieceAsGenerated)
{
    struct Piece {
        const char* file;
        int channels;
        int rate;
        long frames;
    };
    const Piece pieces[] = {{"title.ogg", 2, 44100, 12 * 44100}, {"win.ogg", 1, 22050, 4 * 3307 + 39690},
                            {"die.ogg", 1, 22050, 4 * 7717 + 33075}};
    for (const Piece& p : pieces) {
        Media::OGGFile ogg((SOUNDS + p.file).c_str());
        ASSERT_TRUE(ogg.load()) << p.file << ": " << ogg.getError();
        EXPECT_EQ(ogg.getNumChannels(), p.channels) << p.file;
        EXPECT_EQ(ogg.getRate(), p.rate) << p.file;
        EXPECT_EQ(ogg.getData().size(), static_cast<std::size_t>(p.frames) * p.channels * 2) << p.file;
    }
}

TEST(OGGFile, RefusesMissingGarbageCutAndWideFiles)
{
    const std::string title = readBytes(SOUNDS + "title.ogg");
    TempFile garbage("garbage.ogg", "This is a text file, not a sound.\n");
    TempFile cut("cut.ogg", title.substr(0, 200));
    // Whole pages, but the stream's last page is gone: it would play a
    // piece of the music and stop.
    TempFile half("half.ogg", title.substr(0, title.size() / 2));
    TempFile empty("empty.ogg", "");
    const std::string wide = TestSupport::tempPath("wide.ogg");
    ASSERT_TRUE(SoundMaker::OGGWriter::write(wide, std::vector<std::int16_t>(3 * 4410, 0), 3, 44100));
    const std::string missing = TestSupport::tempPath("no-such.ogg");
    for (const char* path : {garbage.path(), cut.path(), half.path(), empty.path(), wide.c_str(), missing.c_str()}) {
        Media::OGGFile ogg(path);
        EXPECT_FALSE(ogg.load()) << path;
        EXPECT_FALSE(ogg.getError().empty()) << path;
    }
    std::remove(wide.c_str());
    Media::OGGFile halfOgg(half.path());
    EXPECT_FALSE(halfOgg.load());
    EXPECT_NE(halfOgg.getError().find("cut short"), std::string::npos) << halfOgg.getError();
}

// Calls change on every page of the Ogg bytes, then seals the page with its
// new checksum.
template <class Change>
void changePages(std::string& bytes, Change change)
{
    for (std::size_t at = 0; at + 27 <= bytes.size();) {
        unsigned char* head = reinterpret_cast<unsigned char*>(&bytes[at]);
        const long headerBytes = 27 + head[26];
        long bodyBytes = 0;
        for (int i = 0; i < head[26]; ++i)
            bodyBytes += head[27 + i];
        ogg_page page = {head, headerBytes, head + headerBytes, bodyBytes};
        change(head, at + headerBytes + bodyBytes == bytes.size());
        ogg_page_checksum_set(&page);
        at += static_cast<std::size_t>(headerBytes + bodyBytes);
    }
}

std::string oggBytes(int channels, int rate, int frames, int serial)
{
    const std::string path = TestSupport::tempPath("link.ogg");
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames * channels));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>((i % 64) * 400 - 12800);
    EXPECT_TRUE(SoundMaker::OGGWriter::write(path, samples, channels, rate));
    std::string bytes = readBytes(path);
    std::remove(path.c_str());
    changePages(bytes, [serial](unsigned char* head, bool) {
        for (int i = 0; i < 4; ++i)
            head[14 + i] = static_cast<unsigned char>(serial >> (8 * i));
    });
    return bytes;
}

// Two streams one after the other play as one sound only in one format: a
// second link of other channels or rate would be played in the first's.
TEST(OGGFile, TakesAChainOfOneFormatAndRefusesLinksOfAnother)
{
    const std::string mono = oggBytes(1, 22050, 4410, 1), stereo = oggBytes(2, 22050, 4410, 2);
    const std::string monoAgain = oggBytes(1, 22050, 2205, 3), faster = oggBytes(1, 44100, 4410, 4);
    TempFile same("same.ogg", mono + monoAgain);
    Media::OGGFile chain(same.path());
    ASSERT_TRUE(chain.load()) << chain.getError();
    EXPECT_EQ(chain.getData().size(), static_cast<std::size_t>(4410 + 2205) * 2);
    for (const std::string& bytes : {mono + stereo, stereo + mono, mono + faster}) {
        TempFile mixed("mixed.ogg", bytes);
        Media::OGGFile ogg(mixed.path());
        EXPECT_FALSE(ogg.load());
        EXPECT_NE(ogg.getError().find("different formats"), std::string::npos) << ogg.getError();
        EXPECT_TRUE(ogg.getData().empty());
    }
}

// A stream whose last page lacks the end-of-stream flag is whole all the
// same: vorbisfile decodes every sample of it, from a file and from memory.
TEST(OGGFile, TakesAWholeStreamWithoutTheEndFlag)
{
    std::string bytes = oggBytes(1, 22050, 4410, 1);
    changePages(bytes, [](unsigned char* head, bool last) {
        if (last)
            head[5] &= ~0x04;
    });
    TempFile open("open.ogg", bytes);
    Media::OGGFile file(open.path());
    ASSERT_TRUE(file.load()) << file.getError();
    EXPECT_EQ(file.getData().size(), 4410u * 2);
    Media::OGGFile memory(nullptr);
    ASSERT_TRUE(memory.loadFromMemory(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
        << memory.getError();
    EXPECT_EQ(memory.getData(), file.getData());
    // Cut inside its last page, it is refused.
    TempFile cut("cut.ogg", bytes.substr(0, bytes.size() - 10));
    Media::OGGFile cutOgg(cut.path());
    EXPECT_FALSE(cutOgg.load());
    EXPECT_NE(cutOgg.getError().find("cut short"), std::string::npos) << cutOgg.getError();
}

// ---- Modules ----

std::size_t frameBytes(const Media::MODFile& mod) { return static_cast<std::size_t>(mod.getNumChannels() * mod.getDepth() / 8); }

TEST(MODFile, RendersTheShippedSongOnceInWholeFrames)
{
    Media::MODFile mod((SOUNDS + "game.mod").c_str());
    ASSERT_TRUE(mod.load()) << mod.getError();
    EXPECT_EQ(mod.getRate(), 44100);
    ASSERT_EQ(frameBytes(mod), 4u);
    const double seconds = mod.getData().size() / 4.0 / 44100;
    EXPECT_GT(seconds, 18.5);
    EXPECT_LT(seconds, 20.0);
}

TEST(MODFile, EightBitsAreUnsignedAndSixteenBitsSigned)
{
    // The song's last bar is silent: its samples sit at each format's zero.
    Media::MODFile eight((SOUNDS + "game.mod").c_str());
    ASSERT_TRUE(eight.setDepth(8));
    ASSERT_TRUE(eight.setNumChannels(1));
    ASSERT_TRUE(eight.setRate(11025));
    ASSERT_TRUE(eight.load());
    Media::MODFile sixteen((SOUNDS + "game.mod").c_str());
    ASSERT_TRUE(sixteen.load());
    const std::vector<unsigned char>& a = eight.getData();
    const std::vector<unsigned char>& b = sixteen.getData();
    ASSERT_GT(a.size(), 2000u);
    ASSERT_GT(b.size(), 8000u);
    EXPECT_EQ(a.size() % frameBytes(eight), 0u);
    for (std::size_t i = a.size() - 1000; i < a.size(); ++i)
        ASSERT_EQ(a[i], 0x80) << i;
    for (std::size_t i = b.size() - 4000; i < b.size(); ++i)
        ASSERT_EQ(b[i], 0) << i;
}

TEST(MODFile, TakesOnlySettingsItCanRender)
{
    Media::MODFile mod("unused.mod");
    EXPECT_FALSE(mod.setDepth(24));
    EXPECT_FALSE(mod.setNumChannels(0));
    EXPECT_FALSE(mod.setNumChannels(3));
    EXPECT_FALSE(mod.setRate(0));
    EXPECT_FALSE(mod.setRate(-44100));
    // A huge rate would overflow the ten-minute limit of the render.
    EXPECT_FALSE(mod.setRate(std::numeric_limits<long>::max()));
    EXPECT_FALSE(mod.setRenderWait(0));
    EXPECT_FALSE(mod.setRenderWait(Media::MODFile::MAX_RENDER_WAIT + 1));
    EXPECT_EQ(mod.getDepth(), 16);
    EXPECT_EQ(mod.getNumChannels(), 2);
    EXPECT_EQ(mod.getRate(), 44100);
}

// One pattern of the given cells, as a module file.
std::string module(const std::vector<std::pair<int, SoundMaker::MODWriter::Note>>& cells, int orders)
{
    SoundMaker::MODWriter writer("test");
    std::vector<std::int8_t> square;
    for (int i = 0; i < 32; ++i)
        square.push_back(i < 16 ? 60 : -60);
    writer.addInstrument({"square", square, 64, 0, 32});
    SoundMaker::MODWriter::Pattern pattern(SoundMaker::MODWriter::ROWS * SoundMaker::MODWriter::CHANNELS);
    for (const auto& cell : cells)
        pattern[cell.first] = cell.second;
    writer.addPattern(pattern);
    writer.setOrder(std::vector<int>(orders, 0));
    return writer.bytes();
}

SoundMaker::MODWriter::Note note(int sample, int period, int effect, int param)
{
    SoundMaker::MODWriter::Note n;
    n.sample = sample;
    n.period = period;
    n.effect = effect;
    n.param = param;
    return n;
}

const long RATE_FOR_A_LONG_RENDER = 4000;

TEST(MODFile, ASongThatJumpsBackRendersOnce)
{
    // Row 0 plays a note, the end of row 4 jumps back to the first order: 5 rows of 0.12 s.
    TempFile file("jump.mod", module({{0, note(1, 428, 0, 0)}, {4 * 4, note(0, 0, 0xB, 0)}}, 1));
    Media::MODFile mod(file.path());
    ASSERT_TRUE(mod.setRate(1000));
    ASSERT_TRUE(mod.load()) << mod.getError();
    EXPECT_NEAR(static_cast<double>(mod.getData().size()) / frameBytes(mod), 600.0, 25.0);
}

TEST(MODFile, StopsRenderingAfterTenMinutes)
{
    // Slowest speed and tempo, 127 orders: hours of song.
    TempFile file("long.mod", module({{0, note(1, 428, 0xF, 31)}, {1, note(0, 0, 0xF, 32)}}, 127));
    Media::MODFile mod(file.path());
    ASSERT_TRUE(mod.setRate(100));
    ASSERT_TRUE(mod.setNumChannels(1));
    ASSERT_TRUE(mod.load()) << mod.getError();
    EXPECT_EQ(mod.getData().size(), static_cast<std::size_t>(Media::MODFile::MAX_SECONDS) * 100 * 2);
}

// DUMB spins for ever inside its resampler once slides on a looping note
// run its pitch out of range, as in this damaged copy of the game's song:
// the render is stopped and the song refused.
TEST(MODFile, RefusesASongWhoseSlideRunsAway)
{
    const std::string path = std::string(FRELMORY_SOURCE_DIR) + "/tests/corpus/mod/runaway_slide.mod";
    Media::MODFile mod(path.c_str());
    ASSERT_TRUE(mod.setRate(2000));
    ASSERT_TRUE(mod.setRenderWait(1));
    EXPECT_FALSE(mod.load());
    // The error says what was seen, not a guess at the cause.
    EXPECT_NE(mod.getError().find("does not finish rendering: no samples came for 1 s"), std::string::npos)
        << mod.getError();
    EXPECT_TRUE(mod.getData().empty());
}

// A song whose render can run away is rendered apart, and stopped only when
// it stops producing samples: one that keeps producing may take as long as
// its length needs, longer than the wait in all.
TEST(MODFile, ASongRenderedApartMayTakeLongerThanTheWaitWhileItProgresses)
{
    // Slowest speed and tempo, 127 orders; a fine slide by 0 sends it apart.
    TempFile file("slow.mod",
                  module({{0, note(1, 428, 0xF, 31)}, {1, note(0, 0, 0xF, 32)}, {2, note(0, 0, 0xE, 0x10)}}, 127));
    ASSERT_FALSE(Media::pitchStaysInRange(file.path()));
    Media::MODFile mod(file.path());
    ASSERT_TRUE(mod.setRate(RATE_FOR_A_LONG_RENDER));
    ASSERT_TRUE(mod.setNumChannels(1));
    ASSERT_TRUE(mod.setRenderWait(1));
    ASSERT_TRUE(mod.load()) << mod.getError();
    EXPECT_EQ(mod.getData().size(), static_cast<std::size_t>(Media::MODFile::MAX_SECONDS) * RATE_FOR_A_LONG_RENDER * 2);
}

int g_forks = 0;

// A song rendered apart runs in a new program, not in a copy of this one: a
// copy would inherit locks that the threads of the sound and GL libraries
// may hold at that moment. A copy runs the fork handlers; a new program's
// start does not.
TEST(MODFile, ASongRenderedApartRunsInANewProgramNotACopyOfThisOne)
{
    static bool l_counting = false;
    if (!l_counting) {
        ASSERT_EQ(::pthread_atfork([] { ++g_forks; }, nullptr, nullptr), 0);
    }
    l_counting = true;
    g_forks = 0;
    TempFile file("apart.mod", module({{0, note(1, 428, 0, 0)}, {2, note(0, 0, 0xE, 0x10)}}, 1));
    ASSERT_FALSE(Media::MODFile::rendersHere(file.path()));
    Media::MODFile mod(file.path());
    ASSERT_TRUE(mod.setRate(2000));
    ASSERT_TRUE(mod.load()) << mod.getError();
    EXPECT_FALSE(mod.getData().empty());
    EXPECT_EQ(g_forks, 0);
}

struct ScanCase {
    const char* what;
    std::vector<std::pair<int, SoundMaker::MODWriter::Note>> cells;
    bool inRange;
};

class ScanTable : public ::testing::TestWithParam<ScanCase> {};

// Only a song whose pitch cannot leave the note table is rendered without a
// guard; every kind of slide, and a period no tracker writes, sends it apart.
TEST_P(ScanTable, FindsWhatCanRunAPitchOutOfRange)
{
    TempFile file("scan.mod", module(GetParam().cells, 2));
    EXPECT_EQ(Media::pitchStaysInRange(file.path()), GetParam().inRange);
    Media::MODFile mod(file.path());
    ASSERT_TRUE(mod.setRate(8000));
    EXPECT_TRUE(mod.load()) << mod.getError();
}

const ScanCase SCAN_CASES[] = {
    {"plain notes", {{0, note(1, 428, 0, 0)}, {5, note(1, 113, 0xC, 20)}, {9, note(1, 856, 0xF, 4)}}, true},
    {"arpeggio and vibrato stay near the note", {{0, note(1, 113, 0x0, 0xFF)}, {4, note(1, 113, 0x4, 0xFF)}}, true},
    {"portamento up", {{0, note(1, 428, 0x1, 4)}}, false},
    {"portamento down", {{0, note(1, 428, 0x2, 4)}}, false},
    {"tone portamento", {{0, note(1, 428, 0, 0)}, {4, note(0, 214, 0x3, 8)}}, false},
    {"tone portamento with a volume slide", {{0, note(1, 428, 0x5, 0x10)}}, false},
    {"fine slide up", {{0, note(1, 428, 0xE, 0x12)}}, false},
    {"fine slide down", {{0, note(1, 428, 0xE, 0x22)}}, false},
    {"a slide in the last pattern cell", {{0, note(1, 428, 0, 0)}, {255, note(0, 0, 0x1, 1)}}, false},
    {"a period above the note table", {{0, note(1, 1, 0, 0)}}, false},
    {"a period below it", {{0, note(1, 2000, 0, 0)}}, false},
};

SOUND_TEST_TABLE(ModuleScan, ScanTable, ScanCase, SCAN_CASES);

TEST(ModuleScan, TrustsOnlyAReadableModOfAKnownSignature)
{
    EXPECT_TRUE(Media::pitchStaysInRange(SOUNDS + "game.mod"));
    std::string unknown = readBytes(SOUNDS + "game.mod");
    unknown.replace(1080, 4, "ABCD");
    std::string eight = readBytes(SOUNDS + "game.mod");
    eight.replace(1080, 4, "8CHN"); // twice the pattern bytes: the file ends first
    TempFile unknownFile("unknown.mod", unknown), eightFile("eight.mod", eight);
    TempFile text("notes.mod", "This is a text file, not a module.\n");
    for (const char* path : {unknownFile.path(), eightFile.path(), text.path(), "no-such.mod"})
        EXPECT_FALSE(Media::pitchStaysInRange(path)) << path;
}

// The early sound loading asks this before it renders a module on its own
// thread: only a file that load() renders without a process of its own is
// named, and a pipe is turned away without blocking.
TEST(MODFile, RendersHereOnlyATrustedMod)
{
    const std::string pipe = TestSupport::tempPath("pipe.mod");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_TRUE(Media::MODFile::rendersHere(SOUNDS + "game.mod"));
    const std::string runaway = std::string(FRELMORY_SOURCE_DIR) + "/tests/corpus/mod/runaway_slide.mod";
    TempFile text("notes.mod", "This is a text file, not a module.\n");
    for (const std::string& path : {runaway, std::string(text.path()), pipe, TestSupport::tempPath("no-such.mod")})
        EXPECT_FALSE(Media::MODFile::rendersHere(path)) << path;
    std::remove(pipe.c_str());
}

TEST(MODFile, RefusesTextCutAndMissingFiles)
{
    // DUMB takes almost any binary as a module, but not a short text or a cut song.
    TempFile text("notes.mod", "This is a text file, not a module.\n");
    TempFile cut("cut.mod", readBytes(SOUNDS + "game.mod").substr(0, 4100));
    const std::string missing = TestSupport::tempPath("no-such.mod");
    for (const char* path : {text.path(), cut.path(), missing.c_str()}) {
        Media::MODFile mod(path);
        EXPECT_FALSE(mod.load()) << path;
        EXPECT_FALSE(mod.getError().empty()) << path;
        EXPECT_TRUE(mod.getData().empty()) << path;
    }
}

// A device, a pipe or a folder is turned away by the file gate, with its
// message, before any decoder opens it.
TEST(Decoders, TheGateRefusesWhatIsNoRegularFile)
{
    TestSupport::NotRegularFiles others;
    const std::function<bool(const std::string&)> decoders[] = {
        [](const std::string& path) { return Media::WAVFile(path.c_str()).load(); },
        [](const std::string& path) { return Media::OGGFile(path.c_str()).load(); },
        [](const std::string& path) { return Media::MODFile(path.c_str()).load(); },
    };
    for (const std::string& path : others.paths())
        for (const auto& decode : decoders) {
            bool loaded = true;
            const std::string errors = others.errorsOf([&] { loaded = decode(path); });
            EXPECT_FALSE(loaded) << path;
            EXPECT_NE(errors.find(TestSupport::NotRegularFiles::refusal(path)), std::string::npos) << errors;
        }
}

} // namespace
