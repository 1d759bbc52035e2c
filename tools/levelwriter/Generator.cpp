#include "Generator.h"

#include "Reach.h"
#include "TextLines.h"

#include "engine/Block.h"
#include "engine/BlockColors.h"
#include "math/Random.h"

#include <cmath>
#include <map>

namespace levelwriter {

namespace {

// At least 3 and odd, so that the room has a middle column and row.
int32_t oddAtLeast3(float v) {
  int32_t n = int32_t(std::lround(v));
  n = n < 3 ? 3 : n;
  return n % 2 ? n : n + 1;
}

int32_t whole(float v) { return int32_t(std::lround(v)); }

// In [0, 1).
float unit(Random &random) { return float(random.next()) / 32768.0f; }

// What each cell of the room holds while the level is made.
class Layout {
public:
  enum Use : uint8_t { FREE, ISLAND, BLOCK, CLEAR };

  Layout(const CellRect &room)
      : m_room(room), m_use(size_t(room.columns()) * size_t(room.rows()), FREE) {}

  Use at(int32_t c, int32_t r) const {
    return m_room.contains(c, r) ? Use(m_use[index(c, r)]) : ISLAND;
  }
  void set(int32_t c, int32_t r, Use use) { m_use[index(c, r)] = use; }
  void set(const CellRect &cells, Use use) {
    for (int32_t c = cells.left; c <= cells.right; ++c)
      for (int32_t r = cells.bottom; r <= cells.top; ++r)
        set(c, r, use);
  }
  bool allFree(const CellRect &cells) const {
    for (int32_t c = cells.left; c <= cells.right; ++c)
      for (int32_t r = cells.bottom; r <= cells.top; ++r)
        if (at(c, r) != FREE)
          return false;
    return true;
  }
  // Free, and a cell of floor on every side: no island touches another, and
  // none closes the way round it.
  bool roomForIsland(const CellRect &cells) const {
    for (int32_t c = cells.left - 1; c <= cells.right + 1; ++c)
      for (int32_t r = cells.bottom - 1; r <= cells.top + 1; ++r)
        if (!m_room.contains(c, r) || at(c, r) == ISLAND || at(c, r) == CLEAR)
          return false;
    return allFree(cells);
  }

private:
  size_t index(int32_t c, int32_t r) const {
    return size_t(c - m_room.left) * size_t(m_room.rows()) + size_t(r - m_room.bottom);
  }

  CellRect m_room;
  std::vector<uint8_t> m_use;
};

CellRect mirrored(const CellRect &cells) {
  return CellRect{-cells.right, cells.bottom, -cells.left, cells.top};
}

bool overlap(const CellRect &a, const CellRect &b) {
  return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

void placeIslands(Random &random, float count, const CellRect &room, Layout &layout, Room &plan) {
  int32_t wanted = whole(count);
  for (int tries = 0; wanted > 0 && tries < 60; ++tries) {
    const int32_t w = random.nextInt(1, 3), h = random.nextInt(1, 3);
    if (room.columns() < w + 2 || room.rows() < h + 2)
      continue;
    const int32_t x = random.nextInt(room.left + 1, room.right - w);
    const int32_t y = random.nextInt(room.bottom + 1, room.top - h);
    const CellRect island{x, y, x + w - 1, y + h - 1};
    // In pairs about the middle column, or one across it.
    // A pair about the middle column with a column between them, or one
    // centred on it.
    const CellRect pair = mirrored(island);
    const bool single = island.right >= 0;
    if (single && island.left != -island.right)
      continue;
    if (!layout.roomForIsland(island) || (!single && !layout.roomForIsland(pair)))
      continue;
    layout.set(island, Layout::ISLAND);
    plan.islands.push_back(island);
    --wanted;
    if (!single) {
      layout.set(pair, Layout::ISLAND);
      plan.islands.push_back(pair);
      --wanted;
    }
  }
}

void placeBonusBlocks(Random &random, float count, const CellRect &room, const unsigned *palette,
                      int32_t colours, Layout &layout, LevelPlan &plan) {
  int32_t wanted = whole(count);
  for (int tries = 0; wanted > 0 && tries < 80; ++tries) {
    const int32_t x = random.nextInt(room.left, room.right - 1);
    const int32_t y = random.nextInt(room.bottom, room.top - 1);
    const CellRect cells{x, y, x + 1, y + 1};
    const CellRect pair = mirrored(cells);
    const bool both = wanted >= 2 && !overlap(cells, pair);
    if (!layout.allFree(cells) || (both && !layout.allFree(pair)))
      continue;
    const unsigned colour = palette[random.nextInt(0, colours - 1)];
    for (const CellRect *at : {&cells, both ? &pair : nullptr}) {
      if (!at)
        continue;
      layout.set(*at, Layout::BLOCK);
      plan.blocks.push_back(PlacedBlock{Block::BONUS, colour, at->left, at->bottom});
      --wanted;
    }
  }
}

// The colour pattern's value of a cell; the pattern kinds are bands across,
// rings about the middle, stripes down and diagonals.
int32_t patternValue(int32_t kind, int32_t c, int32_t r, const CellRect &room) {
  const int32_t middleRow = (room.bottom + room.top) / 2;
  const int32_t side = c < 0 ? -c : c;
  switch (kind) {
  case 0:
    return r - room.bottom;
  case 1: {
    const int32_t up = r > middleRow ? r - middleRow : middleRow - r;
    return side > up ? side : up;
  }
  case 2:
    return side;
  default:
    return side + r - room.bottom;
  }
}

void placeBlocks(Random &random, const GeneratorSettings &settings, float t, const CellRect &room,
                 const unsigned *palette, int32_t colours, Layout &layout, LevelPlan &plan) {
  static const unsigned obstacleKinds[] = {Block::UNBREAKABLE, Block::STONE, Block::ROUND};
  const float fill = settings.fill.at(t), obstacles = settings.obstacles.at(t);
  const int32_t kind = random.nextInt(0, 3), band = random.nextInt(1, 3);
  const int32_t shift = random.nextInt(0, colours - 1);
  // The left half and the middle column; the right half mirrors them.
  for (int32_t c = room.left; c <= 0; ++c)
    for (int32_t r = room.bottom; r <= room.top; ++r) {
      if (unit(random) >= fill)
        continue;
      PlacedBlock block;
      if (unit(random) < obstacles) {
        block.kind = obstacleKinds[random.nextInt(0, 2)];
        block.colour = COLOR_NONE;
      } else {
        block.kind = Block::NORMAL;
        block.colour = palette[(patternValue(kind, c, r, room) / band + shift) % colours];
      }
      for (int32_t column : {c, -c}) {
        if (layout.at(column, r) != Layout::FREE)
          continue;
        block.column = column;
        block.row = r;
        layout.set(column, r, Layout::BLOCK);
        plan.blocks.push_back(block);
      }
    }
}

LevelPlan attempt(const GeneratorSettings &settings, Random &random, float t) {
  LevelPlan plan;
  const int32_t columns = oddAtLeast3(settings.columns.at(t));
  const int32_t rows = oddAtLeast3(settings.rows.at(t));
  Room room;
  room.area = CellRect{-(columns - 1) / 2, -(rows - 1) / 2, (columns - 1) / 2, (rows - 1) / 2};
  const CellRect &area = room.area;
  plan.ballColumn = 0;
  plan.ballRow = area.bottom + 1;
  Layout layout(area);
  // Nothing round the ball's start.
  for (int32_t c = -1; c <= 1; ++c)
    for (int32_t r = area.bottom; r <= area.bottom + 2; ++r)
      if (area.contains(c, r))
        layout.set(c, r, Layout::CLEAR);

  unsigned palette[COLOR_COUNT] = {0, 1, 2, 3, 4, 5};
  for (int32_t i = COLOR_COUNT - 1; i > 0; --i) {
    const int32_t j = random.nextInt(0, i);
    const unsigned swap = palette[i];
    palette[i] = palette[j];
    palette[j] = swap;
  }
  int32_t colours = whole(settings.colours.at(t));
  colours = colours < 1 ? 1 : (colours > int32_t(COLOR_COUNT) ? int32_t(COLOR_COUNT) : colours);

  placeIslands(random, settings.islands.at(t), area, layout, room);
  plan.rooms.push_back(room);
  placeBonusBlocks(random, settings.bonus.at(t), area, palette, colours, layout, plan);
  placeBlocks(random, settings, t, area, palette, colours, layout, plan);

  // Coloured blocks the ball could not reach are left out.
  const Reach reach(plan, {});
  std::vector<PlacedBlock> kept;
  for (const PlacedBlock &block : plan.blocks)
    if (!isColoured(block) || reach.reached(block.column, block.row))
      kept.push_back(block);
  plan.blocks = kept;
  return plan;
}

// On free floor the ball reaches, off its start; a few tries a coin.
void placeCoins(Random &random, float count, LevelPlan &plan) {
  if (plan.rooms.empty())
    return;
  const CellRect &room = plan.rooms[0].area;
  const Reach reach(plan, {});
  int32_t wanted = whole(count);
  for (int tries = 0; wanted > 0 && tries < 40 * whole(count); ++tries) {
    const int32_t c = random.nextInt(room.left, room.right);
    const int32_t r = random.nextInt(room.bottom, room.top);
    bool taken = c == plan.ballColumn && r == plan.ballRow;
    for (const auto &[column, row] : plan.coins)
      taken = taken || (column == c && row == r);
    if (taken || plan.roomAt(c, r) < 0 || plan.blockAt(c, r) || !reach.reached(c, r))
      continue;
    plan.coins.emplace_back(c, r);
    --wanted;
  }
}

bool readRange(const std::vector<std::string> &words, Range &range) {
  return words.size() == 3 && toFloat(words[1], range.first) && toFloat(words[2], range.last);
}

} // namespace

bool readGeneratorSettings(const std::string &text, GeneratorSettings &settings,
                           std::string &error) {
  const std::map<std::string, Range *> ranges = {
      {"columns", &settings.columns}, {"rows", &settings.rows},
      {"colours", &settings.colours}, {"fill", &settings.fill},
      {"islands", &settings.islands}, {"obstacles", &settings.obstacles},
      {"bonus", &settings.bonus},     {"coins", &settings.coins}};
  const std::vector<std::string> lines = splitLines(text);
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::vector<std::string> words = wordsOf(lines[n]);
    if (words.empty())
      continue;
    bool ok;
    const auto range = ranges.find(words[0]);
    if (range != ranges.end()) {
      ok = readRange(words, *range->second);
    } else if (words[0] == "seed") {
      int32_t seed = 0;
      ok = words.size() == 2 && toInt(words[1], seed) && seed >= 0;
      settings.seed = uint32_t(seed);
    } else if (words[0] == "par") {
      ok = words.size() == 3 && toFloat(words[1], settings.parBase) &&
           toFloat(words[2], settings.parPerBlock);
    } else if (words[0] == "look") {
      ok = words.size() == 3;
      if (ok)
        settings.looks.emplace_back(words[1], words[2]);
    } else {
      error = "line " + std::to_string(n + 1) + ": unknown setting '" + words[0] + "'";
      return false;
    }
    if (!ok) {
      const char *takes = words[0] == "seed"   ? "one whole number"
                          : words[0] == "look" ? "two texture names"
                                               : "two numbers";
      error = "line " + std::to_string(n + 1) + ": '" + words[0] + "' takes " + takes;
      return false;
    }
  }
  return true;
}

LevelPlan generateLevel(const GeneratorSettings &settings, const std::string &name, uint32_t index,
                        uint32_t step, uint32_t count) {
  const float t = count > 1 ? float(step) / float(count - 1) : 0.0f;
  // Each level its own sequence, so that one level does not move the others.
  Random random(settings.seed + 7919u * (index + 1));
  LevelPlan plan;
  for (int tries = 0; tries < 20; ++tries) {
    plan = attempt(settings, random, t);
    if (whyNotCompletable(plan).empty())
      break;
  }
  placeCoins(random, settings.coins.at(t), plan);
  plan.name = name;
  uint32_t coloured = 0;
  for (const PlacedBlock &block : plan.blocks)
    coloured += isColoured(block) ? 1 : 0;
  plan.parTime = uint32_t(std::lround(settings.parBase + settings.parPerBlock * float(coloured)));
  if (!settings.looks.empty()) {
    const auto &look = settings.looks[index % settings.looks.size()];
    plan.background = look.first;
    plan.interior = look.second;
  }
  return plan;
}

} // namespace levelwriter
