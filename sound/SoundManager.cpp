#include "sound/SoundManager.h"

#include "core/BasicStore.h"
#include "core/CFG.h"
#include "core/Conversions.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_ConfigChange.h"
#include "core/Event_Sound.h"
#include "core/FormatUtils.h"
#include "core/Info.h"
#include "shell/I_Config.h"
#include "shell/I_Game.h"
#include "shell/NullSoundController.h"
#include "shell/OptionKey.h"

#include <climits>
#include <cstdint>
#include <iostream>
#include <map>
#include <vector>

namespace KWEP {

namespace {

const char* const TITLE_MUSIC = "TITLE_MUSIC";
const char* const GAME_MUSIC = "GAME_MUSIC";
const std::string LOOPS_SUFFIX = ":LOOPS";

Game::I_Config* options()
{
    Game::I_Game* game = Game::I_Game::instance();
    return game ? game->getConfig() : nullptr;
}

bool optionBool(int key, bool def)
{
    Game::I_Config* config = options();
    const bool* value = config ? config->getBoolPtr(key) : nullptr;
    return value ? *value : def;
}

unsigned int optionUInt(int key, unsigned int def)
{
    Game::I_Config* config = options();
    const unsigned int* value = config ? config->getUIntPtr(key) : nullptr;
    return value ? *value : def;
}

// The shared silent back end, made on first need and kept until the program ends.
Sound::I_SoundController* nullController()
{
    static Sound::NullSoundController l_controller;
    return &l_controller;
}

std::vector<std::string> split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> pieces;
    Util::splitString(text, separator, pieces, false);
    return pieces;
}

// Volume in per cent scaled by a weight in per cent, kept within int.
int weighted(int volume, unsigned int weight)
{
    const long long scaled = static_cast<long long>(volume) * weight / 100;
    return scaled > INT_MAX ? INT_MAX : scaled < INT_MIN ? INT_MIN : static_cast<int>(scaled);
}

} // namespace

class SoundManager::Impl {
public:
    // An effect record; music pieces are records too.
    struct SFX {
        int sound;             // 0: no sound, the record does nothing
        int source;
        unsigned int volume;   // per cent
        unsigned int pitch;    // per cent
        int priority;          // against what the source plays now
        int busy;              // busy source: -1 stop it, 0 nothing, else set its volume to this
    };

    explicit Impl(Sound::I_SoundController* controller)
        : controller(controller), defaultRecord{0, 0, 0, 0, 0, 0}, sources(0), sounds(0),
          effects(defaultRecord)
    {
    }

    Sound::I_SoundController* controller; // not owned
    std::string musicName = TITLE_MUSIC;
    bool musicOn = true;
    bool effectsOn = true;
    int nextSource = 1;
    int nextSound = 1;
    SFX defaultRecord;
    Util::BasicStore<std::string, int> sources;
    Util::BasicStore<std::string, int> sounds;
    Util::BasicStore<std::string, SFX> effects;
    std::map<int, int> priorities; // source id to the priority of what it plays

    // The stored id of the name, or the next free one, stored under it.
    static int idOf(Util::BasicStore<std::string, int>& store, const std::string& name, int& next)
    {
        int id = store.find(name);
        if (id == 0) {
            id = next++;
            store.add(name, id);
        }
        return id;
    }

    bool readSources(const CFG::Info& info)
    {
        for (std::string name : split(info.get("SOUND_SOURCES"), ",")) {
            name = Util::trim(name, Util::BLANKS);
            const bool loop = name.size() >= LOOPS_SUFFIX.size() &&
                              name.compare(name.size() - LOOPS_SUFFIX.size(), std::string::npos, LOOPS_SUFFIX) == 0;
            if (loop)
                name.erase(name.size() - LOOPS_SUFFIX.size());
            const int before = nextSource;
            const int id = idOf(sources, name, nextSource);
            if (nextSource != before)
                priorities[id] = 0;
            if (!controller->addSource(id, loop))
                return false;
        }
        return true;
    }

    // A sound that does not load is left out (the controller names the file
    // and why): its records then do nothing, and every other sound still plays.
    void readFiles(const CFG::Info& info)
    {
        const std::string dir = info.get("SOUND_DIR");
        for (const std::string& item : split(info.get("SOUND_FILES"), ",")) {
            const std::vector<std::string> parts = split(item, ":");
            if (parts.size() != 2)
                continue;
            const std::string name = Util::trim(parts[0], Util::BLANKS);
            const bool known = sounds.find(name) != 0;
            const int id = idOf(sounds, name, nextSound);
            if (!controller->load(id, dir + Util::trim(parts[1], Util::BLANKS)) && !known)
                sounds.remove(name);
        }
    }

    void readEffects(const CFG::Info& info)
    {
        for (const std::string& piece : split(info.get("GAME_EFFECTS"), "SFX:")) {
            if (Util::trim(piece, Util::BLANKS).empty())
                continue;
            const std::vector<std::string> fields = split(piece, ",");
            if (fields.size() == 7)
                addEffect(fields);
        }
    }

    void addEffect(const std::vector<std::string>& fields)
    {
        const std::string name = Util::trim(fields[0], Util::BLANKS);
        SFX record;
        record.sound = sounds.find(Util::trim(fields[1], Util::BLANKS));
        record.source = sources.find(Util::trim(fields[2], Util::BLANKS));
        record.volume = Util::strToNum<unsigned int>(fields[3], 10, UINT32_MAX);
        record.pitch = Util::strToNum<unsigned int>(fields[4], 10, UINT32_MAX);
        record.priority = Util::strToNum<int>(fields[5], 10, INT_MIN);
        record.busy = Util::strToNum<int>(fields[6], 10, INT_MIN);
        // The first record of a name that has a sound wins.
        if (record.source != 0 && effects.find(name).sound == 0)
            effects.add(name, record);
    }

    void playRule(const SFX& record, int volume, int pitch)
    {
        int& current = priorities[record.source];
        const bool busy = controller->isPlaying(record.source);
        if (busy && record.priority < current)
            return;
        if (busy && record.busy == -1)
            controller->stop(record.source);
        else if (busy && record.busy != 0)
            controller->setVolume(record.source, record.busy);
        controller->play(record.source, record.sound, volume, pitch);
        current = record.priority;
    }

    void stopRecord(const SFX& record)
    {
        controller->stop(record.source);
        priorities[record.source] = 0;
    }

    void stopAll()
    {
        for (const auto& entry : effects.entries())
            stopRecord(entry.second);
    }
};

SoundManager::SoundManager(Sound::I_SoundController* controller, const std::string& configFile) : m_impl(nullptr)
{
    if (!controller || !controller->init()) {
        std::cerr << "Sound: no audio output could be opened; the game plays without sound" << std::endl;
        m_impl = new Impl(nullController());
        return;
    }
    m_impl = new Impl(controller);
    if (!loadSounds(configFile))
        return;
    setMusic(TITLE_MUSIC);
    m_impl->effectsOn = optionBool(Game::OPTION_EFFECTS_ON, true);
    const int ids[] = {EVT::EVENT_PLAY,   EVT::EVENT_UPDATE, EVT::EVENT_PAUSE,        EVT::EVENT_RESUME,
                       EVT::EVENT_MENUS, EVT::EVENT_CONFIGCHANGE, EVT::EVENT_SOUND};
    for (int id : ids)
        EVT::EventBus::instance()->addConsumer(id, this);
}

SoundManager::~SoundManager()
{
    m_impl->controller->shutdown();
    delete m_impl;
}

bool SoundManager::loadSounds(const std::string& configFile)
{
    if (configFile.empty()) {
        std::cerr << "Sound: no sound configuration is named; the game plays without sound" << std::endl;
        return false;
    }
    CFG::Info info(CFG::getDefaultOverrides());
    if (!info.addConfig(configFile))
        std::cerr << "Sound: cannot read the sound configuration \"" << Format::printable(configFile) << "\"; no sounds are loaded"
                  << std::endl;
    if (!m_impl->readSources(info))
        return false;
    m_impl->readFiles(info);
    m_impl->readEffects(info);
    return true;
}

void SoundManager::setMusic(const std::string& name)
{
    Impl& d = *m_impl;
    const Impl::SFX record = d.effects.find(name.empty() ? d.musicName : name);
    if (!name.empty())
        d.musicName = name;
    if (record.sound == 0) {
        if (d.musicOn && record.source != 0)
            d.controller->stop(record.source);
        return;
    }
    d.musicOn = optionBool(Game::OPTION_MUSIC_ON, true);
    if (!d.musicOn)
        d.controller->stop(record.source);
    else
        d.playRule(record, static_cast<int>(optionUInt(Game::OPTION_MUSIC_VOLUME, 80)),
                   static_cast<int>(record.pitch));
}

void SoundManager::setEffects() { m_impl->effectsOn = optionBool(Game::OPTION_EFFECTS_ON, true); }

void SoundManager::handleEvent(EVT::I_Event* event)
{
    if (!event)
        return;
    switch (event->getEventID()) {
    case EVT::EVENT_PLAY:
    case EVT::EVENT_RESUME:
        setMusic(GAME_MUSIC);
        break;
    case EVT::EVENT_MENUS:
        backToMenus(false);
        break;
    case EVT::EVENT_PAUSE:
        backToMenus(true);
        break;
    case EVT::EVENT_CONFIGCHANGE:
        configChange(event);
        break;
    case EVT::EVENT_SOUND:
        soundEvent(event);
        break;
    default:
        break;
    }
}

// Back to the title music; unless always, nothing while it is already current.
void SoundManager::backToMenus(bool always)
{
    if (!always && m_impl->musicName == TITLE_MUSIC)
        return;
    m_impl->stopAll();
    setMusic(TITLE_MUSIC);
}

void SoundManager::configChange(EVT::I_Event* event)
{
    const EVT::Event_ConfigChange* change = EVT::eventCast<EVT::Event_ConfigChange>(event);
    if (!change)
        return;
    if (change->key == Game::OPTION_MUSIC_ON || change->key == Game::OPTION_MUSIC_VOLUME)
        setMusic("");
    else if (change->key == Game::OPTION_EFFECTS_ON || change->key == Game::OPTION_EFFECTS_VOLUME)
        setEffects();
}

void SoundManager::soundEvent(EVT::I_Event* event)
{
    const EVT::Event_Sound* sound = EVT::eventCast<EVT::Event_Sound>(event);
    if (!sound || !m_impl->effectsOn)
        return;
    if (!sound->play && sound->getString() == "ALL") {
        m_impl->stopAll();
        return;
    }
    const Impl::SFX record = m_impl->effects.find(sound->getString());
    if (record.sound == 0)
        return;
    if (!sound->play) {
        m_impl->stopRecord(record);
        return;
    }
    // An unreadable record volume (all bits set) arrives as -1, which plays at 0.
    const int volume = sound->volume != 0 ? sound->volume : static_cast<int>(record.volume);
    const int pitch = sound->pitch != 0 ? sound->pitch : static_cast<int>(record.pitch);
    m_impl->playRule(record, weighted(volume, optionUInt(Game::OPTION_EFFECTS_VOLUME, 100)), pitch);
}

} // namespace KWEP
