-- Counts the placements of 9 queens on a 9 x 9 board by backtracking, 100
-- times; prints the total.
local n, runs = 9, 100
local cols = {}
local function clash(r, c)
  for i = 1, r - 1 do
    local d = cols[i] - c
    if d == 0 or d == r - i or d == i - r then
      return true
    end
  end
  return false
end
local function place(r)
  if r > n then
    return 1
  end
  local count = 0
  for c = 1, n do
    if not clash(r, c) then
      cols[r] = c
      count = count + place(r + 1)
    end
  end
  return count
end
local total = 0
for _ = 1, runs do
  total = total + place(1)
end
print(total)
