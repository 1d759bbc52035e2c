-- 2,400,000 strings formatted from three values; prints the sum of their
-- lengths modulo 65521.
local total = 0
for i = 1, 2400000 do
  local s = string.format("%d of %s (%d)", i, "apples", i % 13)
  total = (total + #s) % 65521
end
print(total)
