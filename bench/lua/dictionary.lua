-- A dictionary of 100,000 keys made by concatenation, then every key looked
-- up again, 4 rounds; prints the sum of the values read modulo 65521.
local total = 0
for _ = 1, 4 do
  local d = {}
  for i = 1, 100000 do
    d["k" .. i] = i
  end
  for i = 1, 100000 do
    total = (total + d["k" .. i]) % 65521
  end
end
print(total)
