#include "framework/CorvaneDatabase.h"

#include "error/Log.h"
#include "file/FileStatus.h"
#include "framework/Framework.h"
#include "quip/FrameworkManager.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"

namespace {

CorvaneDatabase::ManagerMaker g_makers[CorvaneDatabase::KIND_COUNT] = {};
CorvaneDatabase::KindLoader g_loaders[CorvaneDatabase::KIND_COUNT] = {};

// The kind each load step fills, and its script's name (null: not a script).
struct LoadStep {
  CorvaneDatabase::Kind kind;
  const wchar_t *script;
};

const LoadStep g_steps[CorvaneDatabase::LoadStepCount] = {
    {CorvaneDatabase::TEXTURES, nullptr},  {CorvaneDatabase::BILLBOARDS, L"billboards"},
    {CorvaneDatabase::FONTS, L"fonts"},    {CorvaneDatabase::AUDIO_LIBRARY, nullptr},
    {CorvaneDatabase::SHAPES, L"shapes"},  {CorvaneDatabase::PARTICLE_SYSTEMS, L"particleSystems"},
    {CorvaneDatabase::SKELETONS, nullptr}, {CorvaneDatabase::OBSTACLES, L"obstacles"},
    {CorvaneDatabase::DROPS, L"drops"},    {CorvaneDatabase::WORLDS, L"worlds"},
};

// Through the framework's loading messages when there is a framework.
void loadMessage(const String &text, bool enabled) {
  if (Framework::exists())
    Framework::instance()->log(text, enabled);
  else if (enabled)
    logLine(text);
}

} // namespace

void CorvaneDatabase::setManagerMaker(Kind kind, ManagerMaker maker) { g_makers[kind] = maker; }

void CorvaneDatabase::setKindLoader(Kind kind, KindLoader loader) { g_loaders[kind] = loader; }

CorvaneDatabase::CorvaneDatabase(Symbol name, const String &path) : Database(name, path) {}

CorvaneDatabase::~CorvaneDatabase() {
  for (AssetManager *&manager : m_managers) {
    delete manager;
    manager = nullptr;
  }
}

AssetManager &CorvaneDatabase::manager(Kind kind) {
  if (!m_managers[kind])
    m_managers[kind] = g_makers[kind] ? g_makers[kind](*this) : new EmptyAssetManager;
  return *m_managers[kind];
}

void CorvaneDatabase::beginLoad() {
  m_loadStep = 0;
  m_loadDone = false;
  logLine(L"Loading database...");
  // Before the skeleton step, which reads the flag that "/database.!" sets.
  loadSettings();
}

void CorvaneDatabase::loadDatabase(uint32_t mask) {
  if (m_loadStep >= LoadStepCount) {
    m_loadDone = true;
    loadMessage(String(L"Loaded database"), false);
    return;
  }
  if (mask & (1u << m_loadStep))
    loadStepOf(m_loadStep);
  ++m_loadStep;
}

void CorvaneDatabase::loadStepOf(uint32_t step) {
  const LoadStep &what = g_steps[step];
  if (!what.script) {
    KindLoader loader = g_loaders[what.kind];
    bool loaded = loader && loader(*this);
    if (what.kind == AUDIO_LIBRARY && !loaded)
      logLine(L"Not loading sounds because audio player is not initialized");
    return;
  }
  String source = path() + L"/config/" + what.script + L".!";
  if (file::exists(source) || file::exists(source + L".bin")) {
    manager(what.kind).loadSource(source);
    loadMessage(String(L"Loaded quip: ") + source, true);
  } else {
    loadMessage(String(L"No assets: ") + what.script, true);
  }
}

void CorvaneDatabase::loadAll(uint32_t mask) {
  beginLoad();
  while (!m_loadDone)
    loadDatabase(mask);
}

void CorvaneDatabase::unload(uint32_t mask) {
  for (uint32_t step = 0; step < LoadStepCount; ++step) {
    if (!(mask & (1u << step)))
      continue;
    AssetManager *&manager = m_managers[g_steps[step].kind];
    delete manager;
    manager = nullptr;
  }
}

void CorvaneDatabase::reload(uint32_t mask) {
  unload(mask);
  loadAll(mask);
}

void CorvaneDatabase::loadSettings() {
  String settings = path() + L"/database.!";
  if (!file::exists(settings))
    return;
  static const Symbol flagKey = Symbol::intern(L"loadMonolithicSkeletonFile");
  quip::Token result = quip::evaluateWithFramework(this, settings);
  if (!result.isDictionary())
    return;
  if (const quip::Token *flag = result.dictionary().lookup(flagKey))
    m_loadMonolithicSkeletonFile = flag->toBool();
}

CorvaneDatabase *corvaneDatabase() {
  Database *current = Database::current();
  return current ? static_cast<CorvaneDatabase *>(current->assetDatabase()) : nullptr;
}
