-- Product of two 200 x 200 matrices held as arrays of rows, 5 times; prints
-- the trace of the last product modulo 65521.
local n = 200
local function make(seed)
  local m = {}
  for i = 1, n do
    local row = {}
    for j = 1, n do
      row[j] = (i * seed + j) % 10
    end
    m[i] = row
  end
  return m
end
local function multiply(a, b)
  local c = {}
  for i = 1, n do
    local ai = a[i]
    local row = {}
    for j = 1, n do
      local sum = 0
      for k = 1, n do
        sum = sum + ai[k] * b[k][j]
      end
      row[j] = sum
    end
    c[i] = row
  end
  return c
end
local a, b = make(3), make(7)
local c
for _ = 1, 5 do
  c = multiply(a, b)
end
local trace = 0
for i = 1, n do
  trace = (trace + c[i][i]) % 65521
end
print(trace)
