#include "world/World.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>

#include "core/CFG.h"
#include "core/DeleteIt.h"
#include "core/Conversions.h"
#include "core/EventBus.h"
#include "core/EventIds.h"
#include "core/Event_Camera.h"
#include "core/Event_Effect.h"
#include "core/Event_Scissor.h"
#include "core/Event_View.h"
#include "core/Event_Viewport.h"
#include "core/FormatUtils.h"
#include "core/IDHashTable.h"
#include "core/Info.h"
#include "core/PointsString.h"
#include "input/Screen.h"
#include "physics/ChipmunkBlueprint.h"
#include "physics/ChipmunkWorld.h"
#include "physics/ChipmunkWorldItem.h"
#include "physics/LevelFile.h"
#include "physics/PhysicalItemFactory.h"
#include "shell/I_CameraItem.h"
#include "shell/I_Game.h"
#include "shell/I_RenderController.h"
#include "shell/KeptDrawState.h"
#include "shell/MoveableItem.h"
#include "shell/TextObject.h"
#include "world/Carrot.h"
#include "world/CarrotGroundCollision.h"
#include "world/CarrotSnowmanCollision.h"
#include "world/Drift.h"
#include "world/ExploPiece.h"
#include "world/FlyingTexts.h"
#include "world/Meteor.h"
#include "world/MeteorGroundCollision.h"
#include "world/ModelStore.h"
#include "world/Player.h"
#include "world/Snowman.h"
#include "world/SnowBall.h"
#include "world/PlayKeys.h"
#include "world/SnowmanGroundCollision.h"
#include "world/rglPolyModel.h"

namespace KWEP {

namespace {

const char* const RECORD_MARK = "ITEM:";
// The blueprint of the bodies that carry flying texts; it has no kind.
const char* const LETTER_ITEM = "Letter";

typedef Physics::PhysicalItemFactory<Physics::ChipmunkBlueprint, Physics::ChipmunkItem> Factory;

// The kinds the game knows, each made as its actor.
bool isKnownKind(const std::string& kind)
{
    static const char* const l_kinds[] = {"LEVEL", "CMWI", "PLAYER", "BOSS", "VEG", "BANG", "BALL", "ROCK"};
    for (const char* known : l_kinds)
        if (kind == known)
            return true;
    return false;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> tokens;
    std::string::size_type start = text.find_first_not_of(Util::BLANKS);
    while (start != std::string::npos) {
        const std::string::size_type end = text.find_first_of(Util::BLANKS, start);
        tokens.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? end : text.find_first_not_of(Util::BLANKS, end);
    }
    return tokens;
}

using PlayKeys::floatKey;
using PlayKeys::pointKey;

void raise(EVT::I_Event& event) { EVT::EventBus::instance()->raiseEvent(&event, false); }

// Pixels truncated toward zero and held to the int range: percent keys far
// out of range must not overflow the conversion.
int pixels(double value) { return PlayKeys::saturatingInt(value); }

// An effect event that only sets the maximum line width.
void raiseMaxLineWidth(float width)
{
    EVT::Event_Effect effect(EVT::EVENT_EFFECT, 0, 0, 0, 0, 0, 0, 0.0f, 0.0f, 0.0f, 0, width);
    raise(effect);
}

void raiseView(int mode, const Render::ViewData& view)
{
    EVT::Event_View event(EVT::EVENT_VIEW, mode, view);
    raise(event);
}

// The view and text keys of the main configuration, read once on first use.
struct ViewKeys {
    ViewKeys()
        : scissorPercent(floatKey("VIEW_HEIGHT_SCISSOR_PERCENT")), pauseMaxZ(floatKey("PAUSE_MAX_Z")),
          mapWidthPercent(floatKey("MAP_WIDTH_PERCENT")), mapHeightPercent(floatKey("MAP_HEIGHT_PERCENT")),
          mapGapPercent(floatKey("MAP_GAP_PERCENT")), mapMinZ(floatKey("MAP_MIN_Z")), mapMaxZ(floatKey("MAP_MAX_Z")),
          textSpacing(pointKey("TEXT_SPACING")), textScale(pointKey("TEXT_SCALE")), textOffset(pointKey("TEXT_OFFSET")),
          textLife(floatKey("TEXT_SECS_LIMIT")), textScaleStep(floatKey("TEXT_SCALE_MOVE"))
    {
    }
    float scissorPercent;
    float pauseMaxZ;
    float mapWidthPercent;
    float mapHeightPercent;
    float mapGapPercent;
    float mapMinZ;
    float mapMaxZ;
    MathStuff::Vector3<float> textSpacing;
    MathStuff::Vector3<float> textScale;
    MathStuff::Vector3<float> textOffset;
    float textLife;      // seconds; 0 or less: until the level ends
    float textScaleStep; // share of the size shed per update once the life is over
};

} // namespace

// The collision rules of play, working in one world.
struct World::CollisionRules {
    explicit CollisionRules(World* world)
        : carrotGround(world), carrotSnowman(world), snowmanGround(world), rockGround(world)
    {
    }
    CarrotGroundCollision carrotGround;
    CarrotSnowmanCollision carrotSnowman;
    SnowmanGroundCollision snowmanGround;
    MeteorGroundCollision rockGround;
};

struct World::Impl {
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    Impl() : physics(nullptr), inStasis(false), models(new ModelStore), font(nullptr), keys(nullptr) {}
    ~Impl()
    {
        delete physics;
        delete models;
        delete keys;
    }

    const ViewKeys& viewKeys()
    {
        if (!keys)
            keys = new ViewKeys;
        return *keys;
    }

    Factory factory;
    Physics::ChipmunkWorld* physics;
    std::map<std::string, std::string> kindOfName;
    std::map<std::string, std::vector<std::string> > namesOfKind;
    std::map<std::string, std::vector<unsigned long> > liveOfKind;
    std::map<std::string, PartBodyPairs> pairsOfName;
    bool inStasis;
    ModelStore* models;
    FlyingTexts texts;
    // Physical items in the physics world that no actor owns.
    std::vector<Physics::ChipmunkItem*> ownerless;
    Text3D::Font* font;
    std::list<Game::I_CameraItem*> cameras;
    ViewKeys* keys;
    // Made with the first level, whose configuration holds their tuning;
    // they go after the physics world that calls them.
    std::unique_ptr<CollisionRules> rules;
    // Each item's draw fills it in turn; kept from walk to walk, so drawing
    // allocates nothing once it has grown.
    std::vector<MathStuff::Orientation<float> > drawScratch;
};

World::World() : m_impl(new Impl) {}

World::~World()
{
    apocalypse();
    delete m_impl;
}

// ---- Item definitions ----

void World::defineItems(const std::string& text)
{
    std::vector<std::string> records;
    Util::splitString(text, RECORD_MARK, records, false);
    for (const std::string& record : records) {
        const std::vector<std::string> tokens = words(record);
        if (tokens.empty())
            continue;
        if (tokens.size() != 3) {
            std::cerr << "Item definition skipped, not a name, a kind and a file: \""
                      << Format::printable(Util::trim(record, Util::BLANKS)) << "\"" << std::endl;
            continue;
        }
        defineItem(tokens[0], tokens[1], tokens[2]);
    }
    // Without its file the letter would have no bodies: no texts can fly.
    const std::string letterFile = CFG::get("LETTER_CM_CFG");
    CFG::Info letter(CFG::getDefaultOverrides());
    if (letter.addConfig(letterFile))
        m_impl->factory.add(LETTER_ITEM, letterFile);
    else
        std::cerr << "Letter item file \"" << Format::printable(letterFile) << "\" (LETTER_CM_CFG) cannot be read: no flying texts"
                  << std::endl;
}

void World::defineItem(const std::string& name, const std::string& kind, const std::string& fileName)
{
    Impl& d = *m_impl;
    if (!isKnownKind(kind))
        std::cerr << "Item " << Format::printable(name) << " has the unknown kind \"" << Format::printable(kind) << "\": it will have no actor"
                  << std::endl;
    d.kindOfName[name] = kind;
    d.namesOfKind[kind].push_back(name);

    // An unreadable file has no pairs and makes an empty line model; the
    // model reader names the file.
    CFG::Info file(CFG::getDefaultOverrides());
    file.addConfig(fileName);
    const std::vector<std::string> tokens = words(file.get("PART_BODY_LIST"));
    if (!tokens.empty()) {
        d.factory.add(name, fileName);
        PartBodyPairs& pairs = d.pairsOfName[name];
        for (const std::string& token : tokens) {
            std::vector<std::string> pieces;
            Util::splitString(token, ":", pieces, true);
            if (pieces.size() == 2 && !pieces[0].empty() && !pieces[1].empty())
                pairs.push_back(std::make_pair(pieces[0], pieces[1]));
        }
    }
    d.models->add(name, fileName);
}

std::string World::getKind(const std::string& name) const
{
    const auto it = m_impl->kindOfName.find(name);
    return it == m_impl->kindOfName.end() ? std::string() : it->second;
}

std::vector<std::string> World::getNames(const std::string& kind) const
{
    const auto it = m_impl->namesOfKind.find(kind);
    return it == m_impl->namesOfKind.end() ? std::vector<std::string>() : it->second;
}

World::PartBodyPairs World::getPartBodyPairs(const std::string& name) const
{
    const auto it = m_impl->pairsOfName.find(name);
    return it == m_impl->pairsOfName.end() ? PartBodyPairs() : it->second;
}

World::ModelStore* World::getModelStore() const { return m_impl->models; }

// ---- Levels ----

bool World::genisis(const std::string& levelFileName)
{
    Impl& d = *m_impl;
    // A level still standing goes first: its actors point into its physics world.
    if (d.physics)
        apocalypse();
    d.physics = new Physics::ChipmunkWorld;
    d.factory.resetRecords();
    Physics::LevelFile level;
    // The level and physics readers name what they cannot read.
    if (!level.load(levelFileName) || !d.physics->create(&d.factory, level)) {
        dropPhysicsWorld();
        return false;
    }
    std::vector<Physics::ChipmunkItem*> made;
    d.factory.getRecords(made);
    d.factory.resetRecords();
    for (Physics::ChipmunkItem* item : made)
        addPhysicalItem(item);
    setupCollsions();
    for (const Physics::LevelFile::ItemInfo& decoration : level.getDecorations())
        addDecoration(decoration.name, decoration.position);
    return true;
}

void World::dropPhysicsWorld()
{
    Impl& d = *m_impl;
    std::vector<Physics::ChipmunkItem*> made;
    d.factory.getRecords(made);
    d.factory.resetRecords();
    for (Physics::ChipmunkItem* item : made)
        delete item;
    delete d.physics;
    d.physics = nullptr;
}

void World::addDecoration(const std::string& name, const MathStuff::Vector3<float>& position)
{
    Impl& d = *m_impl;
    const auto kind = d.kindOfName.find(name);
    rglPolyModel* model = d.models->get(name);
    if (kind == d.kindOfName.end() || !model)
        return;
    Game::MoveableItem* decoration = new Game::MoveableItem(nullptr);
    MathStuff::Orientation<float>& at = decoration->getOrientation();
    at.position = position;
    // The usual (0, 0, -1) turned half a turn about y: decorations face the
    // viewer. The level's angle is not used.
    at.direction = MathStuff::Vector3<float>(0.0f, 0.0f, 1.0f);
    at.up = MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f);
    at.scale = MathStuff::Vector3<float>(1.0f, 1.0f, 1.0f);
    decoration->setModel(model);
    d.liveOfKind[kind->second].push_back(decoration->getID());
}

void World::setupCollsions()
{
    std::unique_ptr<CollisionRules>& rules = m_impl->rules;
    if (!rules)
        rules.reset(new CollisionRules(this));
    Physics::ChipmunkWorld* physics = m_impl->physics;
    if (!physics)
        return;
    // Collision types: 1 ground, 2 carrot, 3 snowman, 4 snowman part, 6 rock.
    physics->registerCollisionHandler(2, 1, &rules->carrotGround);
    physics->registerCollisionHandler(2, 3, &rules->carrotSnowman);
    physics->registerCollisionHandler(2, 4, &rules->carrotSnowman);
    physics->registerCollisionHandler(4, 1, &rules->snowmanGround);
    physics->registerCollisionHandler(6, 1, &rules->rockGround);
}

void World::update(long ms)
{
    Impl& d = *m_impl;
    if (d.physics)
        d.physics->update(ms);
    std::vector<unsigned long> doomed;
    const Util::IDHashTable<unsigned long>& alive = Util::IDHashTable<unsigned long>::instance();
    walkItems([&](Game::WorldItem* item) {
        const unsigned long id = item->getID();
        item->update(ms);
        // An item may have deleted itself in its update.
        if (alive.isAlive(id) && item->getDeleteMe())
            doomed.push_back(id);
    });
    for (unsigned long id : doomed)
        delete findItem(id);
    if (!d.texts.size())
        return;
    const ViewKeys& keys = d.viewKeys();
    d.texts.update(ms, keys.textLife, keys.textScaleStep);
}

void World::apocalypse()
{
    Impl& d = *m_impl;
    // The texts ride on their letter items, which stand in the physics
    // world: texts first, the physics world last.
    d.texts.clear();
    std::vector<Physics::ChipmunkItem*> ownerless;
    ownerless.swap(d.ownerless);
    std::for_each(ownerless.begin(), ownerless.end(), Util::DeleteIt<Physics::ChipmunkItem*>());
    deleteItems();
    delete d.physics;
    d.physics = nullptr;
}

void World::stasis(bool on) { m_impl->inStasis = on; }

bool World::inStasis() const { return m_impl->inStasis; }

int World::getItems(const std::string& kind, std::vector<unsigned long>& ids)
{
    ids.clear();
    const auto it = m_impl->liveOfKind.find(kind);
    if (it == m_impl->liveOfKind.end())
        return 0;
    for (unsigned long id : it->second)
        if (findItem(id))
            ids.push_back(id);
    if (ids.size() != it->second.size())
        it->second = ids;
    return static_cast<int>(ids.size());
}

Physics::ChipmunkWorld* World::getPhysicsWorld() const { return m_impl->physics; }

// ---- Physical items ----

Physics::ChipmunkWorldItem* World::addItem(const std::string& name, const MathStuff::Vector3<float>& position,
                                           float angleDegrees)
{
    Impl& d = *m_impl;
    if (!d.physics)
        return nullptr;
    Physics::ChipmunkItem* item = d.factory.get(name, position, angleDegrees);
    d.factory.resetRecords();
    if (!item)
        return nullptr;
    d.physics->addItem(item);
    return addPhysicalItem(item);
}

Physics::ChipmunkWorldItem* World::addPhysicalItem(Physics::ChipmunkItem* item)
{
    Impl& d = *m_impl;
    if (!item)
        return nullptr;
    const std::string& name = item->getName();
    const auto kind = d.kindOfName.find(name);
    Physics::ChipmunkWorldItem* actor = kind == d.kindOfName.end() ? nullptr : createCMWI(item, name, kind->second);
    if (!actor) {
        d.ownerless.push_back(item);
        return nullptr;
    }
    rglPolyModel* model = d.models->get(name);
    if (!model)
        return nullptr;
    PartBodyPairs pairs = getPartBodyPairs(name);
    actor->setModel(model, pairs);
    d.liveOfKind[kind->second].push_back(actor->getID());
    return actor;
}

Physics::ChipmunkWorldItem* World::createCMWI(Physics::ChipmunkItem* item, const std::string&,
                                              const std::string& kind)
{
    if (!item || !isKnownKind(kind))
        return nullptr;
    if (kind == "PLAYER")
        return new Player(item);
    if (kind == "BOSS")
        return new Snowman(item, this);
    if (kind == "VEG")
        return new Carrot(item);
    if (kind == "BANG")
        return new ExploPiece(item);
    if (kind == "BALL")
        return new SnowBall(item);
    if (kind == "ROCK") {
        // Decorations share the kind lists: the hand is the first Player listed.
        Player* player = nullptr;
        std::vector<unsigned long> ids;
        getItems("PLAYER", ids);
        for (unsigned long id : ids)
            if (!player)
                player = dynamic_cast<Player*>(findItem(id));
        const std::list<Game::I_CameraItem*>& cameras = m_impl->cameras;
        return new Meteor(item, cameras.empty() ? nullptr : cameras.front(), player);
    }
    // LEVEL and CMWI: passive pieces.
    return new Physics::ChipmunkWorldItem(item);
}

// ---- Flying text ----

void World::setFont(Text3D::Font* font) { m_impl->font = font; }

Text3D::TextObject* World::addText(const std::string& text, const MathStuff::Vector3<float>& position, float scale,
                                   float angleDegrees, const Physics::ChipmunkItem::XYPart& velocity, float spin)
{
    return placeText(text, position, scale, angleDegrees, velocity, spin, false);
}

Text3D::TextObject* World::addFloatingText(const std::string& text, const MathStuff::Vector3<float>& position,
                                           float scale, const Physics::ChipmunkItem::XYPart& velocity)
{
    return placeText(text, position, scale, 0.0f, velocity, 0.0f, true);
}

Text3D::TextObject* World::placeText(const std::string& text, const MathStuff::Vector3<float>& position, float scale,
                                     float angleDegrees, const Physics::ChipmunkItem::XYPart& velocity, float spin,
                                     bool floating)
{
    Impl& d = *m_impl;
    if (!d.font || !d.physics)
        return nullptr;
    Physics::ChipmunkItem* letter = d.factory.get(LETTER_ITEM, position, angleDegrees);
    d.factory.resetRecords();
    if (!letter)
        return nullptr;
    if (letter->getBodyNames().empty()) {
        delete letter;
        return nullptr;
    }
    d.physics->addItem(letter);
    const std::string& body = letter->getBodyNames().front();
    letter->setBodyVelocity(body, velocity);
    letter->setBodySpin(body, spin);
    Drift* drift = nullptr;
    if (floating) {
        float gx = 0.0f;
        float gy = 0.0f;
        d.physics->getGravity(gx, gy);
        drift = new Drift(velocity.x, velocity.y, gx, gy);
        letter->setEngine(body, drift);
    }

    const ViewKeys& keys = d.viewKeys();
    const float centring = static_cast<float>(text.size()) * 0.5f - 0.5f;
    MathStuff::Orientation<float> place;
    place.position = MathStuff::Vector3<float>(keys.textOffset.x - keys.textSpacing.x * centring, keys.textOffset.y,
                                               keys.textOffset.z + position.z);
    place.direction = MathStuff::Vector3<float>(0.0f, 0.0f, -1.0f);
    place.up = MathStuff::Vector3<float>(0.0f, 1.0f, 0.0f);
    place.scale = keys.textScale * scale;
    Text3D::TextObject* object = new Text3D::TextObject(d.font, text.c_str(), &place, keys.textSpacing, letter);
    d.texts.add(object, letter, drift);
    return object;
}

// ---- Cameras and drawing ----

void World::addCamera(Game::I_CameraItem* camera)
{
    if (camera)
        m_impl->cameras.push_back(camera);
}

void World::removeCamera(Game::I_CameraItem* camera)
{
    for (auto it = m_impl->cameras.begin(); it != m_impl->cameras.end(); ++it) {
        if (*it == camera) {
            m_impl->cameras.erase(it);
            return;
        }
    }
}

const std::list<Game::I_CameraItem*>& World::getCameraList() const { return m_impl->cameras; }

void World::renderWorld()
{
    Game::I_Game* game = Game::I_Game::instance();
    Render::I_RenderController* controller = game ? game->getRenderController() : nullptr;
    const Devices::Screen* screen = game ? game->getScreen() : nullptr;
    const int width = screen ? screen->getWidth() : 0;
    const int height = screen ? screen->getHeight() : 0;

    if (controller)
        controller->pushViewData();
    if (const Game::WorldItem* camera = getCameraItem())
        renderPlay(*camera, width, height);
    raiseMaxLineWidth(1.0f); // lines in the map views are at most one pixel wide
    for (Game::I_CameraItem* camera : m_impl->cameras)
        renderMap(*camera, width, height);
    raiseMaxLineWidth(-1.0f);
    if (controller)
        controller->popViewData();
    // Applies the view data just restored.
    raiseView(EVT::Event_View::PERSPECTIVE, Render::ViewData());
}

void World::renderPlay(const Game::WorldItem& camera, int width, int height)
{
    Impl& d = *m_impl;
    const ViewKeys& keys = d.viewKeys();
    const bool scissored = d.physics && !d.inStasis;
    if (scissored) {
        const int playHeight = pixels(static_cast<float>(height) * keys.scissorPercent / 100.0f);
        EVT::Event_Scissor on(EVT::EVENT_SCISSOR, true, 0, pixels(static_cast<double>(height) - playHeight), width,
                              playHeight);
        raise(on);
    }
    Render::ViewData view;
    if (d.inStasis)
        view.far = keys.pauseMaxZ;
    raiseView(EVT::Event_View::PERSPECTIVE, view);
    EVT::Event_Camera at(EVT::EVENT_CAMERA, camera.getOrientation());
    raise(at);
    renderItems();
    if (scissored) {
        EVT::Event_Scissor off(EVT::EVENT_SCISSOR, false, 0, 0, 0, 0);
        raise(off);
    }
}

void World::renderMap(const Game::I_CameraItem& camera, int width, int height)
{
    const ViewKeys& keys = m_impl->viewKeys();
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    Render::ViewData view;
    view.x = pixels(w * (100.0f - keys.mapWidthPercent) * 0.5f / 100.0f);
    view.y = pixels(h * keys.mapGapPercent / 100.0f);
    view.w = pixels(w * keys.mapWidthPercent / 100.0f);
    view.h = pixels(h * keys.mapHeightPercent / 100.0f);
    EVT::Event_Viewport viewport(EVT::EVENT_VIEWPORT, view.x, view.y, view.w, view.h);
    raise(viewport);

    view.near = keys.mapMinZ;
    view.far = keys.mapMaxZ;
    // The zoom comes before this frame's orientation: the one framed last frame.
    view.zoomX = camera.getZoomX();
    view.zoomY = camera.getZoomY();
    view.vsync = 1;
    raiseView(EVT::Event_View::ORTHOGRAPHIC, view);

    // The orthographic view starts at the camera: move it half the width
    // aside so the camera looks at the middle.
    MathStuff::Orientation<float> at = camera.getOrientation();
    at.position += MathStuff::crossProduct(at.up, at.direction) * static_cast<float>(view.w / 2);
    EVT::Event_Camera event(EVT::EVENT_CAMERA, at);
    raise(event);
    renderItems();
}

void World::renderItems()
{
    // The items draw nothing but their models, so a run of models alike keeps
    // its GL state.
    Game::I_Game* game = Game::I_Game::instance();
    const Render::KeptDrawState kept(game ? game->getRenderController() : nullptr);
    std::vector<MathStuff::Orientation<float> >& scratch = m_impl->drawScratch;
    walkItems([&scratch](Game::WorldItem* item) { item->draw(scratch); });
}

} // namespace KWEP
