-- A line of 40 comma-separated numbers split into its fields 200,000 times;
-- prints the sum of the fields read modulo 65521.
local parts = {}
for i = 1, 40 do
  parts[i] = tostring(i * 37 % 1000)
end
local line = table.concat(parts, ",")
local total = 0
for _ = 1, 200000 do
  for field in line:gmatch("[^,]+") do
    total = (total + tonumber(field)) % 65521
  end
end
print(total)
