#include "sound/GameSounds.h"

#include "sound/MODWriter.h"
#include "sound/OGGWriter.h"
#include "sound/Synth.h"
#include "sound/WAVWriter.h"

#include <iostream>
#include <vector>

namespace SoundMaker {

namespace {

typedef std::vector<int> Mix;

const int MUSIC_RATE = 44100;
const int JINGLE_RATE = 22050;
const int EFFECT_RATE = 22050;

// ---- Title music: eight bars of three beats at 120 beats a minute, 12 s ----

const int BEAT_MS = 500;
const int BARS = 8;

// Melody notes, one per beat (0 holds the note before it one beat longer).
const int TITLE_MELODY[BARS * 3] = {76, 79, 84, 83, 81, 0, 81, 79, 77, 76, 74, 0,
                                    76, 79, 84, 86, 84, 81, 79, 77, 74, 72, 0,  0};
const int TITLE_ROOTS[BARS] = {48, 45, 41, 43, 48, 45, 41, 48};
const int TITLE_CHORDS[BARS][3] = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62},
                                   {60, 64, 67}, {57, 60, 64}, {53, 57, 62}, {55, 60, 64}};

Synth::Voice note(Synth::Wave wave, int midi, int amplitude, int attack, int release)
{
    const int hz = Synth::noteHz100(midi);
    return Synth::Voice{wave, hz, hz, amplitude, attack, release};
}

void titleMelody(const Synth& synth, Mix& left, Mix& right)
{
    const int beat = synth.frames(BEAT_MS);
    for (int i = 0; i < BARS * 3; ++i) {
        if (TITLE_MELODY[i] == 0)
            continue;
        int beats = 1;
        while (i + beats < BARS * 3 && TITLE_MELODY[i + beats] == 0)
            ++beats;
        const int length = beat * beats - synth.frames(40);
        synth.tone(left, i * beat, length, note(Synth::TRIANGLE, TITLE_MELODY[i], 7000, 200, length / 2));
        synth.tone(right, i * beat, length, note(Synth::TRIANGLE, TITLE_MELODY[i], 3500, 200, length / 2));
    }
}

void titleAccompaniment(const Synth& synth, Mix& left, Mix& right)
{
    const int beat = synth.frames(BEAT_MS);
    const int eighth = beat / 2;
    for (int bar = 0; bar < BARS; ++bar) {
        const int start = bar * 3 * beat;
        const int bass = 3 * beat - synth.frames(60);
        synth.tone(left, start, bass, note(Synth::SINE, TITLE_ROOTS[bar] - 12, 9000, 300, bass * 2 / 3));
        synth.tone(right, start, bass, note(Synth::SINE, TITLE_ROOTS[bar] - 12, 9000, 300, bass * 2 / 3));
        for (int step = 0; step < 6; ++step) {
            const int tone = TITLE_CHORDS[bar][step % 3] + (step / 3) * 12;
            const int length = eighth - synth.frames(20);
            synth.tone(right, start + step * eighth, length, note(Synth::SINE, tone, 4500, 100, length - 100));
            synth.tone(left, start + step * eighth, length, note(Synth::SINE, tone, 1500, 100, length - 100));
        }
    }
}

std::vector<std::int16_t> titleMusic()
{
    const Synth synth(MUSIC_RATE);
    Mix left(synth.frames(BARS * 3 * BEAT_MS), 0), right(left.size(), 0);
    titleMelody(synth, left, right);
    titleAccompaniment(synth, left, right);
    return Synth::stereo(left, right);
}

// ---- Game music: a four-channel module of three patterns, about 19 s ----

const int SPEED = 5; // ticks a row: 0.1 s at the default tempo
const int LEAD_MELODY[3][16] = {{64, 67, 72, 67, 69, 72, 69, 64, 65, 69, 72, 69, 67, 71, 74, 71},
                                {76, 74, 72, 67, 72, 71, 69, 64, 65, 67, 69, 72, 74, 72, 71, 67},
                                {69, 72, 77, 72, 71, 74, 79, 74, 76, 72, 67, 64, 60, 0, 0, 0}};
const int GAME_ROOTS[3][4] = {{36, 45, 41, 43}, {36, 45, 41, 43}, {41, 43, 36, 36}};
const int ROOT_CHORDS[12][3] = {{72, 76, 79}, {}, {}, {}, {}, {72, 77, 81}, {}, {74, 79, 83}, {}, {72, 76, 81}};

enum Instruments { LEAD = 1, BASS, KICK, HAT, BELL };

std::vector<std::int8_t> cycle(Synth::Wave wave, int bytes, int amplitude)
{
    const Synth synth(bytes * 100);
    Mix mix;
    synth.tone(mix, 0, bytes, Synth::Voice{wave, 10000, 10000, amplitude, 0, 0});
    std::vector<std::int8_t> data;
    for (int value : mix)
        data.push_back(static_cast<std::int8_t>(value / 256));
    return data;
}

// A sample played at period 428, that is 8287 samples a second.
std::vector<std::int8_t> drum(bool kick)
{
    Synth synth(8287);
    Mix mix;
    if (kick)
        synth.tone(mix, 0, 1600, Synth::Voice{Synth::SINE, 15000, 4000, 30000, 10, 1500});
    else
        synth.noise(mix, 0, 600, 28000, 0, 4, 580);
    std::vector<std::int8_t> data;
    for (int value : mix)
        data.push_back(static_cast<std::int8_t>(value / 256));
    return data;
}

void addInstruments(MODWriter& mod)
{
    std::vector<std::int8_t> lead = cycle(Synth::SQUARE, 32, 14000);
    std::vector<std::int8_t> bass = cycle(Synth::TRIANGLE, 64, 30000);
    std::vector<std::int8_t> bell = cycle(Synth::SINE, 16, 30000);
    mod.addInstrument({"lead", lead, 36, 0, 32});
    mod.addInstrument({"bass", bass, 56, 0, 64});
    mod.addInstrument({"kick", drum(true), 64, 0, 0});
    mod.addInstrument({"hat", drum(false), 28, 0, 0});
    mod.addInstrument({"bell", bell, 24, 0, 16});
}

MODWriter::Note cell(int sample, int modNote)
{
    MODWriter::Note n;
    n.sample = sample;
    n.period = MODWriter::period(modNote);
    return n;
}

MODWriter::Pattern gamePattern(int index)
{
    MODWriter::Pattern pattern(MODWriter::ROWS * MODWriter::CHANNELS);
    for (int row = 0; row < MODWriter::ROWS; ++row) {
        MODWriter::Note* cells = &pattern[row * MODWriter::CHANNELS];
        const int root = GAME_ROOTS[index][row / 16];
        const int melody = LEAD_MELODY[index][row / 4];
        // The lead's square cycle sounds middle C at C-2, the bass's two octaves lower at C-1.
        if (row % 4 == 0 && melody != 0)
            cells[0] = cell(LEAD, melody - 48);
        if (row % 8 == 0)
            cells[1] = cell(BASS, root - 36);
        if (row % 4 == 0)
            cells[2] = cell(row % 8 == 0 ? KICK : HAT, 12);
        if (row % 2 == 0)
            cells[3] = cell(BELL, ROOT_CHORDS[root % 12][(row / 2) % 3] - 60);
    }
    if (index == 0) {
        pattern[3].effect = 0xF; // set speed
        pattern[3].param = SPEED;
    }
    return pattern;
}

// The last rows fall silent before the song starts again.
void fadeOut(MODWriter::Pattern& pattern)
{
    const int first = MODWriter::ROWS - 4;
    for (int cell = first * MODWriter::CHANNELS; cell < MODWriter::ROWS * MODWriter::CHANNELS; ++cell)
        pattern[cell] = MODWriter::Note();
    for (int channel = 0; channel < MODWriter::CHANNELS; ++channel)
        pattern[first * MODWriter::CHANNELS + channel].effect = 0xC; // volume 0
}

MODWriter gameMusic()
{
    MODWriter mod("frelmory game");
    addInstruments(mod);
    for (int index = 0; index < 3; ++index) {
        MODWriter::Pattern pattern = gamePattern(index);
        if (index == 2)
            fadeOut(pattern);
        mod.addPattern(pattern);
    }
    mod.setOrder({0, 1, 2});
    return mod;
}

// ---- Jingles ----

std::vector<std::int16_t> winJingle()
{
    const Synth synth(JINGLE_RATE);
    Mix mix;
    const int steps[4] = {72, 76, 79, 84};
    const int step = synth.frames(150);
    for (int i = 0; i < 4; ++i)
        synth.tone(mix, i * step, step, note(Synth::SQUARE, steps[i], 5000, 50, step / 3));
    const int hold = synth.frames(1800);
    for (int tone : {84, 88, 91})
        synth.tone(mix, 4 * step, hold, note(Synth::SINE, tone, 7000, 200, hold * 3 / 4));
    return Synth::toPcm(mix);
}

std::vector<std::int16_t> dieJingle()
{
    const Synth synth(JINGLE_RATE);
    Mix mix;
    const int steps[4] = {67, 66, 65, 64};
    const int step = synth.frames(350);
    for (int i = 0; i < 4; ++i) {
        const int hz = Synth::noteHz100(steps[i]);
        synth.tone(mix, i * step, step, Synth::Voice{Synth::TRIANGLE, hz, hz * 15 / 16, 9000, 100, step / 2});
    }
    const int hold = synth.frames(1500);
    for (int tone : {48, 51, 55})
        synth.tone(mix, 4 * step, hold, note(Synth::TRIANGLE, tone, 6000, 300, hold));
    return Synth::toPcm(mix);
}

// ---- Effects ----

Mix chirp(Synth& synth, int fromHz, int toHz, int ms)
{
    Mix mix;
    const int length = synth.frames(ms);
    synth.tone(mix, 0, length, Synth::Voice{Synth::SINE, fromHz * 100, toHz * 100, 16000, 60, length * 2 / 3});
    return mix;
}

Mix throwRock(Synth& synth)
{
    Mix mix;
    const int length = synth.frames(500);
    synth.noise(mix, 0, length, 14000, 3, length * 3 / 5, length * 2 / 5);
    synth.tone(mix, 0, length, Synth::Voice{Synth::TRIANGLE, 20000, 50000, 6000, length / 2, length / 2});
    return mix;
}

Mix snowmanFall(Synth& synth)
{
    Mix mix;
    const int length = synth.frames(700);
    synth.tone(mix, 0, length, Synth::Voice{Synth::SQUARE, 60000, 12000, 8000, 100, length / 3});
    const int thud = synth.frames(250);
    synth.noise(mix, length - thud, thud, 20000, 5, 20, thud - 20);
    return mix;
}

Mix carrotSmash(Synth& synth)
{
    Mix mix;
    const int length = synth.frames(400);
    synth.noise(mix, 0, length, 20000, 1, 20, length - 20);
    const int crack = synth.frames(120);
    synth.tone(mix, 0, crack, Synth::Voice{Synth::SQUARE, 150000, 30000, 6000, 10, crack - 10});
    return mix;
}

Mix snowmanSmash(Synth& synth)
{
    Mix mix;
    const int length = synth.frames(600);
    synth.noise(mix, 0, length, 18000, 4, 30, length - 30);
    synth.tone(mix, 0, length, Synth::Voice{Synth::SINE, 9000, 4000, 12000, 30, length - 30});
    return mix;
}

Mix rockHit(Synth& synth, int noiseLevel)
{
    Mix mix;
    const int length = synth.frames(300);
    synth.tone(mix, 0, length, Synth::Voice{Synth::SINE, 12000, 5000, 18000, 20, length - 20});
    synth.noise(mix, 0, length / 2, noiseLevel, 3, 10, length / 2 - 10);
    return mix;
}

} // namespace

bool GameSounds::check(bool written, const std::string& path)
{
    if (!written)
        std::cerr << "make-sounds: cannot write " << path << std::endl;
    return written;
}

bool GameSounds::writeMusic(const std::string& folder)
{
    const std::string title = folder + "/title.ogg", game = folder + "/game.mod";
    return check(OGGWriter::write(title, titleMusic(), 2, MUSIC_RATE), title) &&
           check(gameMusic().write(game), game);
}

bool GameSounds::writeJingles(const std::string& folder)
{
    const std::string win = folder + "/win.ogg", die = folder + "/die.ogg";
    return check(OGGWriter::write(win, winJingle(), 1, JINGLE_RATE), win) &&
           check(OGGWriter::write(die, dieJingle(), 1, JINGLE_RATE), die);
}

bool GameSounds::writeEffects(const std::string& folder)
{
    Synth synth(EFFECT_RATE);
    struct Effect {
        const char* name;
        Mix mix;
        int bits;
    };
    const Effect effects[] = {
        {"grab.wav", chirp(synth, 400, 900, 150), 16},
        {"release.wav", chirp(synth, 800, 350, 150), 8},
        {"throw_rock.wav", throwRock(synth), 16},
        {"snowman_fall.wav", snowmanFall(synth), 16},
        {"carrot_smash.wav", carrotSmash(synth), 16},
        {"snowman_smash.wav", snowmanSmash(synth), 16},
    };
    for (const Effect& effect : effects) {
        const std::string path = folder + "/" + effect.name;
        if (!check(WAVWriter::write(path, Synth::toPcm(effect.mix), 1, EFFECT_RATE, effect.bits, ""), path))
            return false;
    }
    // The rock's thud in stereo, with a comment chunk of odd size before the data.
    Synth wide(MUSIC_RATE);
    const Mix left = rockHit(wide, 9000);
    const Mix right = rockHit(wide, 6000);
    const std::string path = folder + "/rock_hit.wav";
    return check(WAVWriter::write(path, Synth::stereo(left, right), 2, MUSIC_RATE, 16, "Frelmory: rock"), path);
}

bool GameSounds::writeAll(const std::string& folder)
{
    return writeMusic(folder) && writeJingles(folder) && writeEffects(folder);
}

} // namespace SoundMaker
