#pragma once
// The plain-text description of a hand-made level. One setting a line,
// comments from '#':
//
//   background NAME        texture tiled behind the level
//   interior NAME          texture tiled on the floor
//   par SECONDS            the time bonus's par time
//   margins X Y            pixels camera tracking keeps round the ball
//   ball COLUMN ROW        the cell the ball starts in
//   lava LEFT BOTTOM RIGHT TOP
//                          a pool of lava over those cells
//   secret LEFT BOTTOM RIGHT TOP
//                          a secret area hiding those cells
//   tube C0 R0 C1 R1 C2 R2 C3 R3 ...
//                          a tube through the centres of four cells or
//                          more: its mouth at the second, its exit at the
//                          last but one; the first and last only shape its
//                          ends, the first lying inside the mouth and the
//                          last outside the exit
//   map LEFT TOP           the cell map, one character a cell, its first
//   ...                    character at cell (LEFT, TOP), rows running
//   end                    downwards; it ends at a line "end"
//
// Map characters: ' ' no floor; '.' floor; '#' island; b g m o r t a
// block of blue, green, magenta, orange, red, teal; B G M O R T a bonus
// block of that colour, drawn on its 2 x 2 cells; X unbreakable; % stone;
// @ round; $ a coin on the floor. A room is a rectangle of map cells other than ' ', with no other
// room beside it; islands are rectangles of '#' inside a room, clear of its
// walls.

#include "LevelPlan.h"

#include <string>

namespace levelwriter {

// False with the reason, led by the line's number, in error.
bool readDescription(const std::string &text, LevelPlan &plan, std::string &error);

} // namespace levelwriter
