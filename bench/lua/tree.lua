-- Binary trees of depth 16 built as two-element arrays and walked to count
-- their nodes, 16 times; prints the total count.
local function build(depth)
  if depth == 0 then
    return {}
  end
  return { build(depth - 1), build(depth - 1) }
end
local function walk(node)
  if node[1] == nil then
    return 1
  end
  return 1 + walk(node[1]) + walk(node[2])
end
local total = 0
for _ = 1, 16 do
  total = total + walk(build(16))
end
print(total)
