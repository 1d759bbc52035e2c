-- The sum of the decimal digits of every number from 1 to 10,000,000, modulo
-- 65521, each number taken apart by remainder and division.
local total = 0
for n = 1, 10000000 do
  local d, s = n, 0
  while d > 0 do
    s = s + d % 10
    d = d // 10
  end
  total = (total + s) % 65521
end
print(total)
