#include "Reach.h"

#include "engine/Block.h"

#include <deque>

namespace levelwriter {

bool stopsFill(const LevelPlan &plan, int32_t column, int32_t row) {
  const PlacedBlock *block = plan.blockAt(column, row);
  return block && (block->kind == Block::UNBREAKABLE || block->kind == Block::ROUND);
}

Reach::Reach(const LevelPlan &plan, const std::vector<CellLink> &links) : m_bounds(plan.bounds()) {
  m_reached.assign(size_t(m_bounds.columns()) * size_t(m_bounds.rows()), false);
  // Each cell's room, and the cells the fill may enter at all.
  std::vector<int> room(m_reached.size(), -1);
  for (int32_t c = m_bounds.left; c <= m_bounds.right; ++c)
    for (int32_t r = m_bounds.bottom; r <= m_bounds.top; ++r)
      if (!stopsFill(plan, c, r))
        room[size_t(indexOf(c, r))] = plan.roomAt(c, r);

  std::deque<std::pair<int32_t, int32_t>> open;
  auto enter = [&](int32_t c, int32_t r, int from) {
    const int32_t i = indexOf(c, r);
    if (i < 0 || m_reached[size_t(i)] || room[size_t(i)] < 0)
      return;
    // Walls stand between rooms: only a link crosses them.
    if (from >= 0 && room[size_t(i)] != from)
      return;
    m_reached[size_t(i)] = true;
    open.emplace_back(c, r);
  };
  enter(plan.ballColumn, plan.ballRow, -1);
  while (!open.empty()) {
    const auto [c, r] = open.front();
    open.pop_front();
    const int here = room[size_t(indexOf(c, r))];
    enter(c + 1, r, here);
    enter(c - 1, r, here);
    enter(c, r + 1, here);
    enter(c, r - 1, here);
    for (const CellLink &link : links)
      if (link.fromColumn == c && link.fromRow == r)
        enter(link.toColumn, link.toRow, -1);
  }
}

int32_t Reach::indexOf(int32_t column, int32_t row) const {
  if (!m_bounds.contains(column, row))
    return -1;
  return (column - m_bounds.left) * m_bounds.rows() + (row - m_bounds.bottom);
}

bool Reach::reached(int32_t column, int32_t row) const {
  const int32_t i = indexOf(column, row);
  return i >= 0 && m_reached[size_t(i)];
}

std::string whyNotCompletable(const LevelPlan &plan) {
  bool coloured = false;
  for (const PlacedBlock &block : plan.blocks)
    coloured = coloured || isColoured(block);
  if (!coloured)
    return "it has no coloured block";
  const std::string start =
      " (" + std::to_string(plan.ballColumn) + ", " + std::to_string(plan.ballRow) + ")";
  if (plan.roomAt(plan.ballColumn, plan.ballRow) < 0)
    return "the ball starts off the floor at" + start;
  if (plan.blockAt(plan.ballColumn, plan.ballRow))
    return "the ball starts in a block at" + start;
  // A tube carries the ball from its mouth's cell to its exit's.
  std::vector<CellLink> links;
  for (const auto &path : plan.tubes)
    if (path.size() >= 4)
      links.push_back(CellLink{path[1].first, path[1].second, path[path.size() - 2].first,
                               path[path.size() - 2].second});
  const Reach reach(plan, links);
  for (const PlacedBlock &block : plan.blocks)
    if (isColoured(block) && !reach.reached(block.column, block.row))
      return "the ball cannot reach the block at (" + std::to_string(block.column) + ", " +
             std::to_string(block.row) + ")";
  return std::string();
}

} // namespace levelwriter
