-- Counts the primes up to 1,000,000 by trial division; prints the count.
local m = 1000000
local count = 0
for n = 2, m do
  local prime = true
  local d = 2
  while d * d <= n do
    if n % d == 0 then
      prime = false
      break
    end
    d = d + 1
  end
  if prime then
    count = count + 1
  end
end
print(count)
