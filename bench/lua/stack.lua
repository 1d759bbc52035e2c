-- The greatest common divisor of every pair in 1..2600 x 1..2600 by Euclid's
-- algorithm, counting the coprime pairs; prints the sum of the divisors and
-- the count, modulo 65521.
local function gcd(a, b)
  while b ~= 0 do
    a, b = b, a % b
  end
  return a
end
local sum, coprime = 0, 0
for i = 1, 2600 do
  for j = 1, 2600 do
    local g = gcd(i, j)
    sum = (sum + g) % 65521
    if g == 1 then
      coprime = coprime + 1
    end
  end
end
print(sum)
print(coprime)
