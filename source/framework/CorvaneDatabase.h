#pragma once
// The engine's asset database: one manager per asset kind, each made on first
// use, filled from the data tree one kind per call so that the framework's
// load can draw between the kinds. The framework makes it with the path ".",
// registers it and makes it current; script code reaches it from a plain
// Database through assetDatabase().

#include "file/BufferBinary.h"
#include "file/Database.h"
#include "framework/AssetManager.h"

#include <cstdint>

namespace audio {
class Library;
}
namespace mesh {
class MeshManager;
}
namespace game {
class ObstacleFactory;
}
namespace shape {
class ShapeManager;
}
class Billboard2DManager;
class DropFactory;
class FontFactory;
class ParticleSystemFactory;
class SkeletonStore;
class TextureManager;
class WorldManager;

class CorvaneDatabase : public Database {
public:
  // The managers, in the order the database keeps them.
  enum Kind {
    AUDIO_LIBRARY,
    BILLBOARDS,
    DROPS,
    FONTS,
    MESHES,
    OBSTACLES,
    PARTICLE_SYSTEMS,
    SHAPES,
    SKELETONS,
    TEXTURES,
    WORLDS,
    KIND_COUNT
  };

  // The mask bit of each load step, in step order.
  enum LoadBits : uint32_t {
    LOAD_TEXTURES = 0x001,
    LOAD_BILLBOARDS = 0x002,
    LOAD_FONTS = 0x004,
    LOAD_SOUNDS = 0x008,
    LOAD_SHAPES = 0x010,
    LOAD_PARTICLE_SYSTEMS = 0x020,
    LOAD_SKELETONS = 0x040,
    LOAD_OBSTACLES = 0x080,
    LOAD_DROPS = 0x100,
    LOAD_WORLDS = 0x200,
    LOAD_ALL = 0xffffffffu
  };
  static const uint32_t LoadStepCount = 10;

  // Makes the manager of a kind. Each kind's subsystem installs its own;
  // the database cannot know them all, some live above it.
  using ManagerMaker = AssetManager *(*)(CorvaneDatabase &database);
  static void setManagerMaker(Kind kind, ManagerMaker maker);
  // The load of a kind that is not read from a script (textures, sounds,
  // skeletons). The sound loader answers false while the audio player is
  // not initialised.
  using KindLoader = bool (*)(CorvaneDatabase &database);
  static void setKindLoader(Kind kind, KindLoader loader);

  CorvaneDatabase(Symbol name, const String &path);
  // Deletes every manager that exists.
  ~CorvaneDatabase() override;
  Database *assetDatabase() override { return this; }

  // The manager of a kind, made on first use.
  AssetManager &manager(Kind kind);
  // The manager of a kind, or null while none was made.
  AssetManager *existingManager(Kind kind) const { return m_managers[kind]; }

  // The typed accessors; each is defined beside its manager.
  audio::Library &audioLibrary();
  Billboard2DManager &billboard2DManager();
  DropFactory &dropFactory();
  FontFactory &fontFactory();
  mesh::MeshManager &meshManager();
  game::ObstacleFactory &obstacleFactory();
  ParticleSystemFactory &particleSystemFactory();
  shape::ShapeManager &shapeManager();
  SkeletonStore &skeletonStore();
  TextureManager &textureManager();
  WorldManager &worldManager();

  // Starts a load: step 0, not done, "Loading database...", then the
  // settings of "/database.!".
  void beginLoad();
  // Performs the next step; after the last one sets the done flag.
  void loadDatabase(uint32_t mask);
  void loadAll(uint32_t mask);
  // Deletes the managers of the kinds in the mask (never the meshes).
  void unload(uint32_t mask);
  void reload(uint32_t mask);
  // Reads root + "/database.!" with the framework's script manager.
  void loadSettings();
  void reserveBuffer(uint32_t bytes) { m_buffer.reserve(bytes); }

  uint32_t loadStep() const { return m_loadStep; }
  bool loadDone() const { return m_loadDone; }
  bool loadMonolithicSkeletonFile() const { return m_loadMonolithicSkeletonFile; }
  // Every skeleton read at load time from the single skeleton file, instead
  // of the index with each skeleton read on first use.
  void setLoadMonolithicSkeletonFile(bool whole) { m_loadMonolithicSkeletonFile = whole; }
  file::BufferBinary &buffer() { return m_buffer; }

private:
  void loadStepOf(uint32_t step);
  // The kind's manager as the adapter A, which the kinds with a typed
  // accessor always are: made here, whatever maker is installed, when the
  // kind holds another manager or none.
  template <typename A> A &adapterOf(Kind kind) {
    if (auto *assets = dynamic_cast<A *>(m_managers[kind]))
      return *assets;
    delete m_managers[kind];
    auto *assets = new A(this);
    m_managers[kind] = assets;
    return *assets;
  }

  uint32_t m_loadStep = 0;
  bool m_loadDone = false;
  bool m_loadMonolithicSkeletonFile = false;
  file::BufferBinary m_buffer;
  AssetManager *m_managers[KIND_COUNT] = {};
};

// The current database seen as the engine's, or null.
CorvaneDatabase *corvaneDatabase();
