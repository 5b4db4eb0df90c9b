#include "client/SoundPreloader.h"

#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/FileLimit.h"
#include "core/Info.h"
#include "sound/MODFile.h"

#include <utility>

namespace KWEP {

namespace {

// A module that may run away renders in a helper process, which can take up
// to the render wait per stalled piece: such a module, and what follows it,
// load on the game thread, in the order the sound manager asks for them. A
// MOD whose pitch cannot run away renders in this process and loads early
// like any other sound.
bool rendersApart(const std::string& file)
{
    const std::string::size_type dot = file.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : file.substr(dot + 1);
    const bool module = ext == "mod" || ext == "xm" || ext == "it" || ext == "s3m";
    return module && !Media::MODFile::rendersHere(file);
}

} // namespace

SoundPreloader::SoundPreloader(std::unique_ptr<Sound::I_SoundController> controller,
                               const std::string& configFile)
    : m_controller(std::move(controller))
{
    for (const std::string& file : soundFiles(configFile))
        m_early.push_back(Early{file, 0, false, false});
    if (m_controller)
        m_thread = std::thread(&SoundPreloader::preload, this);
}

SoundPreloader::~SoundPreloader()
{
    ready();
}

std::vector<std::string> SoundPreloader::soundFiles(const std::string& configFile)
{
    std::vector<std::string> files;
    if (configFile.empty())
        return files;
    CFG::Info info(CFG::getDefaultOverrides());
    // The sound manager reads the file again and reports what is wrong with
    // it; this early read stays quiet, so no message comes twice.
    info.setQuiet(true);
    if (Files::FileLimit::check(configFile) == Files::FileLimit::FITS)
        info.addConfig(configFile);
    const std::string dir = info.get("SOUND_DIR");
    std::vector<std::string> items;
    Util::splitString(info.get("SOUND_FILES"), ",", items, false);
    for (const std::string& item : items) {
        std::vector<std::string> parts;
        Util::splitString(item, ":", parts, false);
        if (parts.size() == 2)
            files.push_back(dir + Util::trim(parts[1], Util::BLANKS));
    }
    return files;
}

// On the thread: nothing else touches the controller until it is joined.
void SoundPreloader::preload()
{
    m_opened = m_controller->init();
    for (size_t i = 0; m_opened && i < m_early.size(); ++i) {
        Early& early = m_early[i];
        if (rendersApart(early.file))
            break;
        early.sound = m_nextSound++;
        // A file that does not load is left out and the rest go on, as the
        // sound manager does.
        early.loaded = m_controller->load(early.sound, early.file);
    }
}

Sound::I_SoundController* SoundPreloader::ready()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_controller.get();
}

bool SoundPreloader::init()
{
    if (!ready())
        return false;
    // The first init answers what the thread's opening answered; later ones
    // are the controller's own.
    if (!m_initAnswered) {
        m_initAnswered = true;
        return m_opened;
    }
    return m_controller->init();
}

bool SoundPreloader::addSource(int source, bool loop) { return ready() && m_controller->addSource(source, loop); }

bool SoundPreloader::load(int sound, const std::string& file)
{
    if (!ready())
        return false;
    for (Early& early : m_early)
        if (!early.claimed && early.sound != 0 && early.file == file) {
            early.claimed = true;
            if (early.loaded)
                m_sounds[sound] = early.sound;
            return early.loaded;
        }
    const int own = m_nextSound++;
    if (!m_controller->load(own, file))
        return false;
    m_sounds[sound] = own;
    return true;
}

void SoundPreloader::play(int source, int sound, int volume, int pitch)
{
    const auto own = m_sounds.find(sound);
    if (ready() && own != m_sounds.end())
        m_controller->play(source, own->second, volume, pitch);
}

void SoundPreloader::pause(int source)
{
    if (ready())
        m_controller->pause(source);
}

void SoundPreloader::resume(int source)
{
    if (ready())
        m_controller->resume(source);
}

void SoundPreloader::stop(int source)
{
    if (ready())
        m_controller->stop(source);
}

bool SoundPreloader::isPlaying(int source) { return ready() && m_controller->isPlaying(source); }

void SoundPreloader::setVolume(int source, int volume)
{
    if (ready())
        m_controller->setVolume(source, volume);
}

void SoundPreloader::shutdown()
{
    if (ready())
        m_controller->shutdown();
}

} // namespace KWEP
