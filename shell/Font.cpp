#include "shell/Font.h"

#include <set>

#include "core/Conversions.h"
#include "shell/I_DisplayableModel.h"
#include "shell/I_Game.h"
#include "shell/I_ModelMaker.h"

namespace Text3D {

namespace {

const long NO_CODE = -2147483647L - 1;

// The character code a letter model's name stands for, or NO_CODE.
long codeOfName(const std::string& name)
{
    if (name.size() == 1)
        return static_cast<signed char>(name[0]);
    if (name.size() == 4)
        return Util::strToNum<long>(name, 16, NO_CODE);
    return NO_CODE;
}

float offsetOf(const std::string& name, const Font::Offsets& offsets)
{
    for (const auto& entry : offsets)
        if (entry.first == name)
            return entry.second;
    return 0.0f;
}

int indexOf(char c) { return static_cast<signed char>(c); }

} // namespace

Font::Font(const std::string& name) : m_models(), m_offsets()
{
    init(name, Offsets());
}

Font::Font(const std::string& name, const Offsets& offsets) : m_models(), m_offsets()
{
    init(name, offsets);
}

Font::~Font() { clear(); }

void Font::clear()
{
    // Codes without a model of their own share code 0's: delete each model once.
    std::set<Model::I_DisplayableModel*> owned(m_models, m_models + 256);
    for (Model::I_DisplayableModel* model : owned)
        delete model;
    for (int i = 0; i < 256; ++i) {
        m_models[i] = nullptr;
        m_offsets[i] = 0.0f;
    }
    m_name.clear();
}

void Font::init(const std::string& name, const Offsets& offsets)
{
    clear();
    Game::I_Game* game = Game::I_Game::instance();
    Model::I_ModelMaker* maker = game ? game->getModelMaker() : nullptr;
    std::vector<Model::I_DisplayableModel*> loaded;
    if (!maker || !maker->load(("Font_" + name).c_str(), &loaded))
        return;
    m_name = name;

    std::set<Model::I_DisplayableModel*> used;
    for (Model::I_DisplayableModel* model : loaded) {
        if (!model)
            continue;
        const long code = codeOfName(model->getName());
        if (code < 0 || code > 255 || m_models[code])
            continue;
        m_models[code] = model;
        m_offsets[code] = offsetOf(model->getName(), offsets);
        used.insert(model);
    }
    // Models that gave no usable code, or came after the first for their code,
    // are not used: delete them (each once).
    std::set<Model::I_DisplayableModel*> skipped;
    for (Model::I_DisplayableModel* model : loaded)
        if (model && !used.count(model))
            skipped.insert(model);
    for (Model::I_DisplayableModel* model : skipped)
        delete model;

    for (int code = 1; code < 256; ++code)
        if (!m_models[code])
            m_models[code] = m_models[0];
}

std::string Font::lacking(const std::string& letters) const
{
    std::string missing;
    for (char c : letters) {
        const int code = indexOf(c);
        if (code < 0 || !m_models[code] || (code != 0 && m_models[code] == m_models[0]))
            missing += c;
    }
    return missing;
}

Model::I_DisplayableModel* Font::getLetterModel(char c) const
{
    const int code = indexOf(c);
    return code < 0 ? nullptr : m_models[code];
}

float Font::getLetterOffset(char c) const
{
    const int code = indexOf(c);
    return code < 0 ? 0.0f : m_offsets[code];
}

} // namespace Text3D
