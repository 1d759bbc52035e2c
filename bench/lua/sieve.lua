-- Sieve of Eratosthenes over 2,000,000 numbers, run 6 times; prints the count of primes.
local n = 2000000
local count
for _ = 1, 6 do
  local flags = {}
  for i = 2, n do
    flags[i] = true
  end
  local i = 2
  while i * i <= n do
    if flags[i] then
      for j = i * i, n, i do
        flags[j] = false
      end
    end
    i = i + 1
  end
  count = 0
  for k = 2, n do
    if flags[k] then
      count = count + 1
    end
  end
end
print(count)
