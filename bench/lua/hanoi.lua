-- The towers of Hanoi of 21 discs, 4 times, counting the moves and folding
-- each move's pegs into a checksum; prints both.
local moves, check = 0, 0
local function hanoi(n, from, to, via)
  if n == 0 then
    return
  end
  hanoi(n - 1, from, via, to)
  moves = moves + 1
  check = (check * 3 + from * 4 + to) % 65521
  hanoi(n - 1, via, to, from)
end
for _ = 1, 4 do
  hanoi(21, 1, 3, 2)
end
print(moves)
print(check)
