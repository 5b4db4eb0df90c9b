#include "sound/salController.h"

#include "core/FormatUtils.h"
#include "sound/MODFile.h"
#include "sound/OGGFile.h"
#include "sound/WAVFile.h"

#include <functional>
#include <iostream>
#include <map>
#include <vector>

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <AL/efx.h>

namespace SAL {

namespace {

const int KIND_OGG = 1;
const int KIND_PCM = 2; // WAV and modules

// What alBufferData needs besides the samples.
struct Format {
    ALenum format = 0;
    int rate = 0;
    int kind = 0;
};

// Takes the samples of a decoded file while the decoder still holds them, so
// they are never copied; answers whether they were taken, else sets the error.
using Upload = std::function<bool(const Format&, const std::vector<unsigned char>&, std::string& error)>;

ALenum pcmFormat(int channels, int bits)
{
    if (channels == 1)
        return bits == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    return bits == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

// The text after the last point of the name, or the whole name without one.
std::string extensionOf(const std::string& file)
{
    const std::string::size_type dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(dot + 1);
}

// Decodes the file with the decoder File and hands its samples to upload;
// describe gives their format. The decoder, and its samples, go at the end.
template <class File, class Describe>
bool decodeWith(const std::string& path, const Upload& upload, std::string& error, Describe describe)
{
    File file(path.c_str());
    if (!file.load()) {
        error = file.getError();
        return false;
    }
    return upload(describe(file), file.getData(), error);
}

bool decode(const std::string& file, const Upload& upload, std::string& error)
{
    const std::string ext = extensionOf(file);
    if (ext == "wav")
        return decodeWith<Media::WAVFile>(file, upload, error, [](const Media::WAVFile& wav) {
            return Format{pcmFormat(wav.getNumChannels(), wav.getBitsPerSample()), wav.getRate(), KIND_PCM};
        });
    if (ext == "ogg")
        return decodeWith<Media::OGGFile>(file, upload, error, [](const Media::OGGFile& ogg) {
            return Format{pcmFormat(ogg.getNumChannels(), 16), ogg.getRate(), KIND_OGG};
        });
    if (ext == "xm" || ext == "it" || ext == "s3m" || ext == "mod")
        return decodeWith<Media::MODFile>(file, upload, error, [](const Media::MODFile& mod) {
            return Format{pcmFormat(mod.getNumChannels(), mod.getDepth()), static_cast<int>(mod.getRate()), KIND_PCM};
        });
    error = "the extension names no known sound format";
    return false;
}

// One line naming the file and why it was not loaded; answers false.
bool refuse(const std::string& file, const std::string& why)
{
    std::cerr << "Sound: cannot load \"" << ::Format::printable(file) << "\": " << why << std::endl;
    return false;
}

} // namespace

class salController::Impl {
public:
    struct SoundRecord {
        int sound;
        int kind;
        ALuint buffer;
    };
    struct ChannelRecord {
        int channel;
        ALuint source;
        bool looping;
    };

    bool open = false;
    bool loopback = false;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    std::map<int, SoundRecord> sounds;
    std::map<int, ChannelRecord> channels;
    std::map<int, int> playing;
    // Every source made, also those a later record replaced, so the
    // destructor can delete them all. Buffers live in the sound records.
    std::vector<ALuint> allSources;

    // A new buffer holding the samples; OpenAL keeps its own copy of them.
    bool upload(const Format& format, const std::vector<unsigned char>& data, ALuint& buffer, std::string& why)
    {
        alGetError();
        alGenBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR) {
            why = "OpenAL could not make a buffer for it";
            return false;
        }
        alBufferData(buffer, format.format, data.data(), static_cast<ALsizei>(data.size()), format.rate);
        if (alGetError() == AL_NO_ERROR)
            return true;
        alDeleteBuffers(1, &buffer);
        why = "OpenAL refused its samples";
        return false;
    }

    // Records the sound; the buffer of a sound it replaces is taken off every
    // source that holds it and deleted.
    void keep(const SoundRecord& record)
    {
        const auto old = sounds.find(record.sound);
        if (old != sounds.end()) {
            for (const auto& channel : channels)
                detach(channel.second.source, old->second.buffer);
            alDeleteBuffers(1, &old->second.buffer);
        }
        sounds[record.sound] = record;
    }

    static void detach(ALuint source, ALuint buffer)
    {
        ALint held = 0;
        alGetSourcei(source, AL_BUFFER, &held);
        if (static_cast<ALuint>(held) != buffer)
            return;
        alSourceStop(source);
        alSourcei(source, AL_BUFFER, 0);
    }

    // The source of the channel when the channel and the sound last started on
    // it are both known.
    bool playingSource(int channel, ALuint& source) const
    {
        const auto ch = channels.find(channel);
        const auto last = playing.find(channel);
        if (ch == channels.end() || last == playing.end() || sounds.count(last->second) == 0)
            return false;
        source = ch->second.source;
        return true;
    }

    // Makes the context on the device and makes it current; the device is
    // closed again when that fails.
    bool openOn(ALCdevice* opened, const ALCint* attributes)
    {
        device = opened;
        if (!device)
            return false;
        context = alcCreateContext(device, attributes);
        if (!context) {
            alcCloseDevice(device);
            return false;
        }
        if (!alcMakeContextCurrent(context)) {
            alcDestroyContext(context);
            alcCloseDevice(device);
            return false;
        }
        open = true;
        alListener3f(AL_POSITION, 0.0f, 0.0f, 0.0f);
        return true;
    }

    void release()
    {
        alcMakeContextCurrent(context);
        for (ALuint source : allSources)
            alSourceStop(source);
        if (!allSources.empty())
            alDeleteSources(static_cast<ALsizei>(allSources.size()), allSources.data());
        for (const auto& sound : sounds)
            alDeleteBuffers(1, &sound.second.buffer);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        alcCloseDevice(device);
    }
};

salController::salController() : m_impl(new Impl) {}

salController::~salController()
{
    if (m_impl->open)
        m_impl->release();
    delete m_impl;
}

bool salController::init()
{
    Impl& d = *m_impl;
    if (d.open) {
        alListener3f(AL_POSITION, 0.0f, 0.0f, 0.0f);
        return true;
    }
    // The game sends nothing to effects: without auxiliary sends each of the
    // voices OpenAL makes up front is smaller, and the output is the same.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    return d.openOn(alcOpenDevice(nullptr), attributes);
}

bool salController::initLoopback(int rate)
{
    Impl& d = *m_impl;
    if (d.open || rate <= 0 || !alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return false;
    const auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    if (!openLoopback)
        return false;
    // Floats, since OpenAL Soft dithers integer output: silence stays 0.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, ALC_FORMAT_CHANNELS_SOFT, ALC_MONO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT, ALC_FREQUENCY, rate, 0};
    d.loopback = d.openOn(openLoopback(nullptr), attributes);
    return d.loopback;
}

std::vector<float> salController::render(int count)
{
    std::vector<float> samples;
    if (!m_impl->loopback || count <= 0)
        return samples;
    const auto renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(m_impl->device, "alcRenderSamplesSOFT"));
    if (!renderSamples)
        return samples;
    samples.resize(static_cast<std::size_t>(count));
    renderSamples(m_impl->device, samples.data(), count);
    return samples;
}

bool salController::addSource(int channel, bool loop)
{
    if (!m_impl->open)
        return false;
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return false;
    m_impl->allSources.push_back(source);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    if (alGetError() != AL_NO_ERROR)
        return false;
    m_impl->channels[channel] = Impl::ChannelRecord{channel, source, loop};
    return true;
}

bool salController::load(int sound, const std::string& file)
{
    // Nothing is decoded for an output that cannot play it.
    if (!m_impl->open)
        return refuse(file, "no audio output is open");
    Format format;
    ALuint buffer = 0;
    const Upload upload = [&](const Format& decoded, const std::vector<unsigned char>& data, std::string& why) {
        format = decoded;
        return m_impl->upload(decoded, data, buffer, why);
    };
    std::string error;
    if (!decode(file, upload, error))
        return refuse(file, error);
    m_impl->keep(Impl::SoundRecord{sound, format.kind, buffer});
    return true;
}

void salController::play(int channel, int sound, int volume, int pitch)
{
    const auto ch = m_impl->channels.find(channel);
    const auto snd = m_impl->sounds.find(sound);
    if (ch == m_impl->channels.end() || snd == m_impl->sounds.end())
        return;
    // OpenAL plays pitch 0 for ever and refuses a negative gain (keeping the old one).
    if (pitch <= 0)
        pitch = 100;
    if (volume < 0)
        volume = 0;
    const ALuint source = ch->second.source;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(snd->second.buffer));
    alSourcef(source, AL_GAIN, volume / 100.0f);
    alSourcef(source, AL_PITCH, pitch / 100.0f);
    alSourcePlay(source);
    m_impl->playing[channel] = sound;
}

void salController::pause(int channel)
{
    ALuint source = 0;
    if (m_impl->playingSource(channel, source))
        alSourcePause(source);
}

void salController::resume(int channel)
{
    ALuint source = 0;
    if (m_impl->playingSource(channel, source))
        alSourcePlay(source);
}

void salController::stop(int channel)
{
    ALuint source = 0;
    if (m_impl->playingSource(channel, source))
        alSourceStop(source);
}

bool salController::isPlaying(int channel)
{
    ALuint source = 0;
    if (!m_impl->playingSource(channel, source))
        return false;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

void salController::setVolume(int channel, int volume)
{
    ALuint source = 0;
    if (m_impl->playingSource(channel, source))
        alSourcef(source, AL_GAIN, (volume < 0 ? 0 : volume) / 100.0f);
}

void salController::shutdown() {}

} // namespace SAL
