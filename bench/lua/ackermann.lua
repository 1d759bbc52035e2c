-- Ackermann(2, n) by plain recursion, 10 times; prints the last result.
local function ack(m, n)
  if m == 0 then
    return n + 1
  elseif n == 0 then
    return ack(m - 1, 1)
  else
    return ack(m - 1, ack(m, n - 1))
  end
end
local r
for _ = 1, 10 do
  r = ack(2, 1500)
end
print(r)
