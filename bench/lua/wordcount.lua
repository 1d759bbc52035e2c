-- A line of 300 words drawn from sixteen by a small generator, split and
-- counted into a table by word, 24000 times; prints the counts of three words.
local words = { "alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta",
  "iota", "kappa", "lambda", "mu", "nu", "xi", "omicron", "pi" }
local parts = {}
local x = 1
for i = 1, 300 do
  x = (x * 75 + 74) % 65537
  parts[i] = words[x % 16 + 1]
end
local line = table.concat(parts, " ") .. " "
local counts = {}
for _ = 1, 24000 do
  for w in line:gmatch("%S+") do
    counts[w] = (counts[w] or 0) + 1
  end
end
print(counts.alpha)
print(counts.delta)
print(counts.pi)
