#include "sound/MODWriter.h"

#include <fstream>

namespace SoundMaker {

namespace {

const int SLOTS = 31;
const int ORDER_SLOTS = 128;

// Periods of the lowest octave; each octave up halves them.
const int OCTAVE_1[12] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453};

void putText(std::string& out, const std::string& text, std::size_t size)
{
    std::string field = text.substr(0, size);
    field.resize(size, '\0');
    out += field;
}

// Big-endian, as the format stores its words.
void putWord(std::string& out, int value)
{
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

void putSlot(std::string& out, const MODWriter::Instrument* instrument)
{
    if (!instrument) {
        putText(out, "", 22);
        putWord(out, 0);
        out += '\0';
        out += '\0';
        putWord(out, 0);
        putWord(out, 1);
        return;
    }
    putText(out, instrument->name, 22);
    putWord(out, static_cast<int>(instrument->data.size() / 2));
    out += '\0'; // finetune
    out += static_cast<char>(instrument->volume);
    putWord(out, instrument->loopStart / 2);
    putWord(out, instrument->loopLength > 0 ? instrument->loopLength / 2 : 1);
}

void putCell(std::string& out, const MODWriter::Note& note)
{
    out += static_cast<char>((note.sample & 0xF0) | ((note.period >> 8) & 0x0F));
    out += static_cast<char>(note.period & 0xFF);
    out += static_cast<char>(((note.sample & 0x0F) << 4) | (note.effect & 0x0F));
    out += static_cast<char>(note.param & 0xFF);
}

} // namespace

MODWriter::MODWriter(const std::string& title) : m_title(title) {}

int MODWriter::addInstrument(const Instrument& instrument)
{
    m_instruments.push_back(instrument);
    return static_cast<int>(m_instruments.size());
}

int MODWriter::addPattern(const Pattern& pattern)
{
    m_patterns.push_back(pattern);
    m_patterns.back().resize(ROWS * CHANNELS);
    return static_cast<int>(m_patterns.size()) - 1;
}

void MODWriter::setOrder(const std::vector<int>& order) { m_order = order; }

int MODWriter::period(int note)
{
    int value = OCTAVE_1[note % 12];
    for (int octave = note / 12; octave > 0; --octave)
        value /= 2;
    return value;
}

std::string MODWriter::bytes() const
{
    std::string out;
    putText(out, m_title, 20);
    for (int slot = 0; slot < SLOTS; ++slot)
        putSlot(out, slot < static_cast<int>(m_instruments.size()) ? &m_instruments[slot] : nullptr);
    out += static_cast<char>(m_order.size());
    out += static_cast<char>(127); // restart byte, unused by players of this tag
    for (int i = 0; i < ORDER_SLOTS; ++i)
        out += static_cast<char>(i < static_cast<int>(m_order.size()) ? m_order[i] : 0);
    out += "M.K.";
    for (const Pattern& pattern : m_patterns)
        for (const Note& note : pattern)
            putCell(out, note);
    for (const Instrument& instrument : m_instruments)
        out.append(reinterpret_cast<const char*>(instrument.data.data()), instrument.data.size());
    return out;
}

bool MODWriter::write(const std::string& path) const
{
    const std::string data = bytes();
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

} // namespace SoundMaker
