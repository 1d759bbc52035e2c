-- Nested counting loops, 100 x 1,000,000 iterations, summing the counter
-- modulo 997.
local sum = 0
for _ = 1, 100 do
  for i = 1, 1000000 do
    sum = (sum + i) % 997
  end
end
print(sum)
