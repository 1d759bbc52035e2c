-- Quicksort by hand of 200,000 pseudo-random numbers, 5 times; prints a
-- checksum of the sorted order.
local n = 200000
local function quicksort(a, lo, hi)
  while lo < hi do
    local pivot = a[(lo + hi) // 2]
    local i, j = lo, hi
    while i <= j do
      while a[i] < pivot do i = i + 1 end
      while a[j] > pivot do j = j - 1 end
      if i <= j then
        a[i], a[j] = a[j], a[i]
        i = i + 1
        j = j - 1
      end
    end
    quicksort(a, lo, j)
    lo = i
  end
end
local check
for _ = 1, 5 do
  local a = {}
  local x = 1
  for i = 1, n do
    x = (x * 75 + 74) % 65537
    a[i] = x
  end
  quicksort(a, 1, n)
  check = 0
  for i = 1, n, 97 do
    check = (check + a[i]) % 65521
  end
end
print(check)
