-- 20,000 records (dictionaries of three fields) kept in a dictionary by
-- name; 100 passes raise each score by the age modulo 7; prints the sum of the
-- scores modulo 65521.
local people = {}
for i = 1, 20000 do
  local name = "p" .. i
  people[name] = { name = name, age = i % 90, score = i * 7 % 100 }
end
for _ = 1, 100 do
  for i = 1, 20000 do
    local r = people["p" .. i]
    r.score = r.score + r.age % 7
  end
end
local total = 0
for i = 1, 20000 do
  total = (total + people["p" .. i].score) % 65521
end
print(total)
