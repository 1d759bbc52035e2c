#pragma once
// The game's engine: it plays one level at a time. It reads the level's file
// into memory, starts, begins and leaves levels, drives the level every frame
// and turns the level's completion or failure into the player's scores and
// the next pages. The application makes it the current game engine; the play
// page's engine widget forwards update, drawing and input to it.

#include "file/BufferBinary.h"
#include "framework/GameEngine.h"
#include "math/Rectangle.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Level;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Engine : public framework::GameEngine {
public:
  enum State : uint32_t { PLAYING = 0, COMPLETE = 1, FAILED = 2, IDLE = 4 };
  enum Mode : uint32_t { CAMPAIGN = 0, SINGLE_LEVEL = 1, NO_MODE = 2 };

  // Where a level's preview picture lies: its texture and its pixel cell.
  struct Preview {
    Symbol texture;
    math::Rectangle pixels;
  };

  Engine();
  ~Engine() override;

  // The current game engine when it is the game's, else null.
  static Engine *instance();

  // Holds the level while a modal page is up during play or the framework
  // is paused; a completed level moves on to "levelComplete" after 1.5 s.
  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  // Also makes the in-game pages.
  void activate() override;
  // Leaves the level and trashes the in-game pages first.
  void deactivate() override;
  // The level hooks: load and start the current level, start it again,
  // begin it; the level end leaves it.
  void levelInit() override { restartLevel(); }
  void levelRestart() override { startLevel(); }
  void levelBegin() override { beginLevel(); }
  void reset() override { leaveLevel(); }
  // The game keeps no options file.
  void loadOptions() override {}
  void saveOptions() override {}
  // Losing focus during play pauses the game (not while the tester plays).
  void focusChanged(bool focused) override;
  math::Color backgroundColor() const override { return math::Color(1.0f, 1.0f, 1.0f, 1.0f); }
  // Only the level in play takes events.
  bool handleEvent(const framework::InputEvent &event) override;

  // Stops the engine's scripts, reads the level file again and starts.
  void restartLevel();
  // A level whose file is missing, empty or damaged is refused with one log
  // line; the engine then stays idle.
  void startLevel();
  void beginLevel();
  void leaveLevel();
  void setState(uint32_t state);
  bool shouldUpdate() const;
  // The profile's current level's file, read whole into memory.
  void readLevelFile();
  void newLevel();
  // In the campaign, takes the level's total back out of the campaign score.
  void undoCampaignScore();

  // The engine's part of a saved game, read whole before any of it is
  // applied; the level read stays here until then.
  struct Snapshot {
    Snapshot() = default;
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;
    ~Snapshot();
    uint32_t state = IDLE;
    float stateTime = 0.0f;
    uint32_t mode = NO_MODE;
    bool newRecord = false;
    Level *level = nullptr;
  };
  // State, state time, mode, the new-record flag, then whether a level is in
  // play and its state record.
  void writeSnapshot(file::ByteReceiver &out) const;
  // False for fields cut short or out of range, or a level that does not
  // read; the engine is not touched either way.
  bool readSnapshot(file::ByteProducer &in, Snapshot &snapshot);
  // Takes the fields, empties the render group and replaces the level by the
  // one read, which starts; the level file is read again at the next start.
  void applySnapshot(Snapshot &snapshot);
  // A game resumed on "game" during play, past the tutorial, starts paused.
  void afterSnapshotRead();

  static Preview levelPreviewRect(uint32_t level);
  static void preloadTextures();
  // Unloads the backgrounds and interiors other than the two named.
  static void unloadOtherBackgrounds(Symbol background, Symbol interior);

  void setMode(uint32_t mode) { m_mode = mode; }
  uint32_t mode() const { return m_mode; }
  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  Level *level() const { return m_level; }
  bool newRecord() const { return m_newRecord; }
  const String &levelFilePath() const { return m_levelFilePath; }
  bool levelFileLoaded() const { return m_levelFileLoaded; }
  // Level starts during this run, refused ones not counted.
  uint32_t levelStarts() const { return m_levelStarts; }

protected:
  // The level that newLevel makes.
  virtual Level *makeLevel();

private:
  String m_levelFilePath;
  uint32_t m_state = IDLE;
  float m_stateTime = 0.0f;
  uint32_t m_mode = NO_MODE;
  Level *m_level = nullptr;
  bool m_levelFileLoaded = false;
  file::BufferBinary m_levelFile;
  bool m_newRecord = false;
  uint32_t m_levelStarts = 0;
};
