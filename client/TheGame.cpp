#include "client/TheGame.h"

#include <iostream>

#include "client/Config.h"
#include "core/Debug.h"
#include "shell/OptionKey.h"
#include "world/World.h"

namespace KWEP {

TheGame* g_pInstance = nullptr;

struct TheGame::Impl {
    Config* config = nullptr; // owned by the game root
    bool ready = false;
    int exitCode = EXIT_OK;
    std::string programName = "frelmory";
    std::vector<unsigned long> playerIds;
};

TheGame::TheGame(int* argc, char** argv) : m_impl(new Impl)
{
    if (argc && *argc > 0 && argv && argv[0])
        m_impl->programName = argv[0];
    m_impl->config = new Config();
    setConfig(m_impl->config);
    if (!m_impl->config->initialise(argc, argv)) {
        if (!m_impl->config->helpShown()) {
            std::cerr << m_impl->programName << ": COMMAND LINE NOT VALID" << std::endl;
            std::cerr << m_impl->programName << ": " << m_impl->config->failure() << std::endl;
            m_impl->exitCode = EXIT_INVALID;
        }
        return;
    }
    const int* flags = m_impl->config->getIntPtr(Game::OPTION_DEBUG_FLAGS);
    if (flags)
        Util::Debug::setFlags(*flags);
    m_impl->ready = true;
    g_pInstance = this;
}

TheGame::~TheGame()
{
    if (g_pInstance == this)
        g_pInstance = nullptr;
    delete m_impl;
}

TheGame* TheGame::instance() { return g_pInstance; }

World* TheGame::getWorld() const { return dynamic_cast<World*>(Game::I_Game::getWorld()); }

Config* TheGame::getClientConfig() const { return m_impl->config; }

bool TheGame::isReady() const { return m_impl->ready; }

int TheGame::getExitCode() const { return m_impl->exitCode; }

void TheGame::setExitCode(int code)
{
    if (m_impl->exitCode == EXIT_OK)
        m_impl->exitCode = code;
}

const std::string& TheGame::getProgramName() const { return m_impl->programName; }

std::vector<unsigned long>& TheGame::getPlayerIds() { return m_impl->playerIds; }

} // namespace KWEP
