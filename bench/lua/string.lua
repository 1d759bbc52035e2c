-- 3,000,000 short strings built by concatenation; prints the sum of their
-- lengths modulo 65521.
local total = 0
for i = 1, 3000000 do
  local s = "item-" .. i .. ":" .. i * 3
  total = (total + #s) % 65521
end
print(total)
