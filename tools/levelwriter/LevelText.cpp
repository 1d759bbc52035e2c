#include "LevelText.h"

#include "TextLines.h"

#include "engine/Block.h"
#include "engine/BlockColors.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <map>

namespace levelwriter {

namespace {

using Words = std::vector<std::string>;

std::string cellText(int32_t column, int32_t row) {
  // Appended in steps: the one-expression form trips a false overlap warning.
  std::string text("(");
  text += std::to_string(column);
  text += ", ";
  text += std::to_string(row);
  text += ")";
  return text;
}

// The map as read, by cell.
class CellMap {
public:
  CellMap(int32_t left, int32_t top, std::vector<std::string> lines)
      : m_left(left), m_top(top), m_lines(std::move(lines)) {
    for (const std::string &line : m_lines)
      m_width = line.size() > m_width ? line.size() : m_width;
  }

  int32_t left() const { return m_left; }
  int32_t right() const { return m_left + int32_t(m_width) - 1; }
  int32_t top() const { return m_top; }
  int32_t bottom() const { return m_top - int32_t(m_lines.size()) + 1; }
  // ' ' off the map.
  char at(int32_t column, int32_t row) const {
    const int64_t i = int64_t(column) - m_left, j = int64_t(m_top) - row;
    if (i < 0 || j < 0 || j >= int64_t(m_lines.size()) || i >= int64_t(m_lines[size_t(j)].size()))
      return ' ';
    return m_lines[size_t(j)][size_t(i)];
  }

private:
  int32_t m_left, m_top;
  std::vector<std::string> m_lines;
  size_t m_width = 0;
};

// The cells of the 4-connected area of cells that pass the test, from the
// first; marks them seen.
template <typename Test>
CellRect area(const CellMap &map, int32_t column, int32_t row, std::vector<bool> &seen, Test test,
              std::vector<std::pair<int32_t, int32_t>> &cells) {
  const int32_t width = map.right() - map.left() + 1;
  auto index = [&](int32_t c, int32_t r) {
    return size_t(map.top() - r) * size_t(width) + size_t(c - map.left());
  };
  CellRect box{column, row, column, row};
  cells.clear();
  std::vector<std::pair<int32_t, int32_t>> open{{column, row}};
  seen[index(column, row)] = true;
  while (!open.empty()) {
    const auto [c, r] = open.back();
    open.pop_back();
    cells.emplace_back(c, r);
    box.left = c < box.left ? c : box.left;
    box.right = c > box.right ? c : box.right;
    box.bottom = r < box.bottom ? r : box.bottom;
    box.top = r > box.top ? r : box.top;
    const std::pair<int32_t, int32_t> next[] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
    for (const auto &[nc, nr] : next)
      if (nc >= map.left() && nc <= map.right() && nr >= map.bottom() && nr <= map.top() &&
          !seen[index(nc, nr)] && test(map.at(nc, nr))) {
        seen[index(nc, nr)] = true;
        open.emplace_back(nc, nr);
      }
  }
  return box;
}

const char *normalLetters = "bgmort";
const char *bonusLetters = "BGMORT";

bool isBlockLetter(char c) {
  return (c && std::strchr(normalLetters, c)) || (c && std::strchr(bonusLetters, c)) || c == 'X' ||
         c == '%' || c == '@';
}

// Rooms, their islands and the blocks of the map.
bool decodeMap(const CellMap &map, LevelPlan &plan, std::string &error) {
  const int32_t width = map.right() - map.left() + 1, height = map.top() - map.bottom() + 1;
  if (width <= 0 || height <= 0) {
    error = "the map is empty";
    return false;
  }
  std::vector<bool> seen(size_t(width) * size_t(height), false);
  std::vector<bool> islandSeen(seen.size(), false);
  std::vector<std::pair<int32_t, int32_t>> cells;
  auto index = [&](int32_t c, int32_t r) {
    return size_t(map.top() - r) * size_t(width) + size_t(c - map.left());
  };
  for (int32_t r = map.top(); r >= map.bottom(); --r)
    for (int32_t c = map.left(); c <= map.right(); ++c) {
      const char ch = map.at(c, r);
      if (ch != ' ' && ch != '.' && ch != '#' && ch != '$' && !isBlockLetter(ch)) {
        error = std::string("the map has '") + ch + "' at " + cellText(c, r);
        return false;
      }
    }
  for (int32_t r = map.top(); r >= map.bottom(); --r)
    for (int32_t c = map.left(); c <= map.right(); ++c) {
      if (map.at(c, r) == ' ' || seen[index(c, r)])
        continue;
      Room room;
      room.area = area(
          map, c, r, seen, [](char x) { return x != ' '; }, cells);
      for (int32_t y = room.area.bottom; y <= room.area.top; ++y)
        for (int32_t x = room.area.left; x <= room.area.right; ++x)
          if (map.at(x, y) == ' ') {
            error = "the room at " + cellText(c, r) + " is not a rectangle: no floor at " +
                    cellText(x, y);
            return false;
          }
      for (int32_t y = room.area.top; y >= room.area.bottom; --y)
        for (int32_t x = room.area.left; x <= room.area.right; ++x) {
          if (map.at(x, y) != '#' || islandSeen[index(x, y)])
            continue;
          const CellRect island = area(
              map, x, y, islandSeen, [](char v) { return v == '#'; }, cells);
          if (size_t(island.columns()) * size_t(island.rows()) != cells.size()) {
            error = "the island at " + cellText(x, y) + " is not a rectangle";
            return false;
          }
          if (island.left <= room.area.left || island.right >= room.area.right ||
              island.bottom <= room.area.bottom || island.top >= room.area.top) {
            error = "the island at " + cellText(x, y) + " touches its room's wall";
            return false;
          }
          room.islands.push_back(island);
        }
      plan.rooms.push_back(room);
    }

  // Blocks, from the bottom row up so that a bonus block is met at its
  // lower-left cell first.
  std::vector<bool> taken(seen.size(), false);
  for (int32_t r = map.bottom(); r <= map.top(); ++r)
    for (int32_t c = map.left(); c <= map.right(); ++c) {
      const char ch = map.at(c, r);
      if (ch == '$')
        plan.coins.emplace_back(c, r);
      if (!isBlockLetter(ch) || taken[index(c, r)])
        continue;
      PlacedBlock block;
      block.column = c;
      block.row = r;
      block.colour = COLOR_NONE;
      if (const char *p = std::strchr(normalLetters, ch)) {
        block.kind = Block::NORMAL;
        block.colour = unsigned(p - normalLetters);
      } else if (const char *q = std::strchr(bonusLetters, ch)) {
        block.kind = Block::BONUS;
        block.colour = unsigned(q - bonusLetters);
        for (const auto &[dc, dr] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
          if (map.at(c + dc, r + dr) != ch || taken[index(c + dc, r + dr)]) {
            error = "the bonus block at " + cellText(c, r) + " needs 2 x 2 cells of its letter";
            return false;
          }
          taken[index(c + dc, r + dr)] = true;
        }
      } else {
        block.kind = ch == 'X' ? Block::UNBREAKABLE : ch == '%' ? Block::STONE : Block::ROUND;
      }
      taken[index(c, r)] = true;
      plan.blocks.push_back(block);
    }
  return true;
}

bool wordCount(const Words &words, size_t count, std::string &error) {
  if (words.size() == count + 1)
    return true;
  error = "'" + words[0] + "' takes " + std::to_string(count) + " value" + (count == 1 ? "" : "s");
  return false;
}

// The cells from the lower left to the upper right, appended to the list.
bool cellRectOf(const Words &w, const char *what, std::vector<CellRect> &list, std::string &error) {
  CellRect cells;
  if (!wordCount(w, 4, error))
    return false;
  if (!toInt(w[1], cells.left) || !toInt(w[2], cells.bottom) || !toInt(w[3], cells.right) ||
      !toInt(w[4], cells.top) || cells.right < cells.left || cells.top < cells.bottom) {
    error = std::string(what) + " is the cells from its lower left to its upper right";
    return false;
  }
  list.push_back(cells);
  return true;
}

using Setting = std::function<bool(const Words &, LevelPlan &, std::string &)>;

// One entry a kind of line.
const std::map<std::string, Setting> &settings() {
  static const std::map<std::string, Setting> table = {
      {"background",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         return wordCount(w, 1, error) && (plan.background = w[1], true);
       }},
      {"interior",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         return wordCount(w, 1, error) && (plan.interior = w[1], true);
       }},
      {"par",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         int32_t seconds;
         if (!wordCount(w, 1, error))
           return false;
         if (!toInt(w[1], seconds) || seconds < 0) {
           error = "the par time is whole seconds";
           return false;
         }
         plan.parTime = uint32_t(seconds);
         return true;
       }},
      {"margins",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         if (!wordCount(w, 2, error))
           return false;
         if (!toFloat(w[1], plan.marginX) || !toFloat(w[2], plan.marginY) || plan.marginX < 0 ||
             plan.marginY < 0) {
           error = "the margins are two numbers of pixels";
           return false;
         }
         return true;
       }},
      {"lava", [](const Words &w, LevelPlan &plan,
                  std::string &error) { return cellRectOf(w, "a lava pool", plan.lavas, error); }},
      {"secret",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         return cellRectOf(w, "a secret area", plan.secrets, error);
       }},
      {"tube",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         std::vector<std::pair<int32_t, int32_t>> path;
         const size_t numbers = w.size() - 1;
         bool ok = numbers >= 8 && numbers % 2 == 0;
         for (size_t i = 1; ok && i + 1 < w.size(); i += 2) {
           int32_t column, row;
           ok = toInt(w[i], column) && toInt(w[i + 1], row);
           path.emplace_back(column, row);
         }
         if (!ok) {
           error = "a tube runs through four cells or more, each two whole numbers";
           return false;
         }
         plan.tubes.push_back(std::move(path));
         return true;
       }},
      {"chomp",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         std::pair<int32_t, int32_t> cell;
         if (!wordCount(w, 2, error))
           return false;
         if (!toInt(w[1], cell.first) || !toInt(w[2], cell.second)) {
           error = "a chomp sits in a cell: two whole numbers";
           return false;
         }
         plan.chomps.push_back(cell);
         return true;
       }},
      {"fire",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         PlannedFire fire;
         int32_t spokes;
         if (!wordCount(w, 6, error))
           return false;
         if (!toInt(w[1], fire.column) || !toInt(w[2], fire.row) || !toFloat(w[3], fire.speed) ||
             !toFloat(w[4], fire.length) || !toFloat(w[5], fire.phase) || !toInt(w[6], spokes) ||
             fire.length <= 0.0f || spokes < 1 || spokes > 255) {
           error = "a fire is its cell, speed, spoke length above 0, phase and 1 to 255 spokes";
           return false;
         }
         fire.spokes = uint32_t(spokes);
         plan.fires.push_back(fire);
         return true;
       }},
      {"moneybug",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         PlannedBug bug;
         if (w.size() < 4 || w.size() % 2 != 0 || (w[1] != "open" && w[1] != "closed")) {
           error = "a money bug is 'open' or 'closed' and the cells of its path";
           return false;
         }
         bug.closed = w[1] == "closed";
         for (size_t i = 2; i + 1 < w.size(); i += 2) {
           std::pair<int32_t, int32_t> cell;
           if (!toInt(w[i], cell.first) || !toInt(w[i + 1], cell.second)) {
             error = "a money bug's path is cells: pairs of whole numbers";
             return false;
           }
           bug.path.push_back(cell);
         }
         plan.moneyBugs.push_back(bug);
         return true;
       }},
      {"door",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         LevelPlan::Door door;
         if (!wordCount(w, 5, error))
           return false;
         if (!toInt(w[1], door.fromColumn) || !toInt(w[2], door.fromRow) ||
             !toInt(w[3], door.toColumn) || !toInt(w[4], door.toRow) ||
             (w[5] != "open" && w[5] != "closed")) {
           error = "a door is two cells, then 'open' or 'closed'";
           return false;
         }
         door.closed = w[5] == "closed";
         plan.doors.push_back(door);
         return true;
       }},
      {"switch",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         int32_t column, row;
         if (!wordCount(w, 2, error))
           return false;
         if (!toInt(w[1], column) || !toInt(w[2], row)) {
           error = "a switch is at a cell: two whole numbers";
           return false;
         }
         plan.switches.emplace_back(column, row);
         return true;
       }},
      {"gate",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         LevelPlan::Gate gate;
         if (w.size() != 5 && w.size() != 6 && w.size() != 10) {
           error = "'gate' takes two cells, then a phase and then four durations";
           return false;
         }
         bool ok = toInt(w[1], gate.fromColumn) && toInt(w[2], gate.fromRow) &&
                   toInt(w[3], gate.toColumn) && toInt(w[4], gate.toRow);
         auto seconds = [](const std::string &word, float &value) {
           return toFloat(word, value) && value >= 0.0f && std::isfinite(value);
         };
         if (ok && w.size() > 5)
           ok = seconds(w[5], gate.phase);
         for (size_t i = 0; ok && w.size() == 10 && i < 4; ++i)
           ok = seconds(w[6 + i], gate.durations[i]);
         if (!ok) {
           error = "a gate is two cells, a phase and four durations of seconds at least 0";
           return false;
         }
         plan.gates.push_back(gate);
         return true;
       }},
      {"worm",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         PlacedWorm worm;
         int32_t segments, extended;
         if (!wordCount(w, 5, error))
           return false;
         if (!toInt(w[1], worm.column) || !toInt(w[2], worm.row) || !toFloat(w[3], worm.angle) ||
             !toInt(w[4], segments) || !toInt(w[5], extended) || segments < 0 || segments > 255 ||
             (extended != 0 && extended != 1)) {
           error = "a worm is its cell, its angle, 0 to 255 segments and 0 or 1 for extended";
           return false;
         }
         worm.segments = uint32_t(segments);
         worm.extended = extended == 1;
         plan.worms.push_back(worm);
         return true;
       }},
      {"tar",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         PlacedTar tar;
         int32_t atoms;
         if (!wordCount(w, 3, error))
           return false;
         if (!toInt(w[1], tar.column) || !toInt(w[2], tar.row) || !toInt(w[3], atoms) ||
             atoms < 1 || atoms > 255) {
           error = "a tar ball is its cell and 1 to 255 atoms";
           return false;
         }
         tar.atoms = uint32_t(atoms);
         plan.tarBalls.push_back(tar);
         return true;
       }},
      {"ball",
       [](const Words &w, LevelPlan &plan, std::string &error) {
         if (!wordCount(w, 2, error))
           return false;
         if (!toInt(w[1], plan.ballColumn) || !toInt(w[2], plan.ballRow)) {
           error = "the ball starts at a cell: two whole numbers";
           return false;
         }
         return true;
       }},
  };
  return table;
}

} // namespace

bool readDescription(const std::string &text, LevelPlan &plan, std::string &error) {
  const std::vector<std::string> lines = splitLines(text);
  bool hasMap = false, hasBall = false;
  for (size_t n = 0; n < lines.size(); ++n) {
    const Words words = wordsOf(lines[n]);
    if (words.empty())
      continue;
    auto fail = [&](const std::string &reason) {
      error = "line " + std::to_string(n + 1) + ": " + reason;
      return false;
    };
    if (words[0] == "map") {
      int32_t left, top;
      if (hasMap)
        return fail("a second map");
      if (words.size() != 3 || !toInt(words[1], left) || !toInt(words[2], top))
        return fail("'map' takes the cell of its first character: two whole numbers");
      std::vector<std::string> rows;
      size_t end = n + 1;
      while (end < lines.size() && lines[end] != "end")
        rows.push_back(lines[end++]);
      if (end == lines.size())
        return fail("the map has no line 'end'");
      std::string reason;
      if (!decodeMap(CellMap(left, top, rows), plan, reason))
        return fail(reason);
      hasMap = true;
      n = end;
      continue;
    }
    const auto found = settings().find(words[0]);
    if (found == settings().end())
      return fail("unknown setting '" + words[0] + "'");
    std::string reason;
    if (!found->second(words, plan, reason))
      return fail(reason);
    hasBall = hasBall || words[0] == "ball";
  }
  if (!hasMap || !hasBall) {
    error = hasMap ? "no 'ball' line" : "no map";
    return false;
  }
  return true;
}

} // namespace levelwriter
