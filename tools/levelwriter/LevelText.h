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
//   chomp COLUMN ROW       a chomp in that cell
//   fire COLUMN ROW SPEED LENGTH PHASE SPOKES
//                          a fire at the cell's centre: degrees a second,
//                          spoke length, starting degrees, spoke count
//   moneybug open|closed COLUMN ROW COLUMN ROW ...
//                          a money bug walking through the cells' centres,
//                          to and fro or round a loop
//   door COLUMN ROW COLUMN ROW open|closed
//                          a door between two cells' centres, open or
//                          closed at the start
//   switch COLUMN ROW      a switch that toggles every door
//   gate COLUMN ROW COLUMN ROW [PHASE [OFF WARMING ON COOLING]]
//                          a gate between two cells' centres, PHASE
//                          seconds into its cycle (0), with the seconds of
//                          its four states (2 1 1 0.1)
//   worm COLUMN ROW ANGLE SEGMENTS EXTENDED
//                          a worm in the cell's hole, its neck turned by the
//                          degrees clockwise from up, of 0 to 255 segments,
//                          starting extended (1) or retracted (0)
//   tar COLUMN ROW ATOMS   a tar ball of 1 to 255 atoms on the cell
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
