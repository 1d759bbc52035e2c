-- The Takeuchi function tak(28, 18, 9), twice; prints the last result.
local function tak(x, y, z)
  if y < x then
    return tak(tak(x - 1, y, z), tak(y - 1, z, x), tak(z - 1, x, y))
  end
  return z
end
local r
for _ = 1, 2 do
  r = tak(28, 18, 9)
end
print(r)
