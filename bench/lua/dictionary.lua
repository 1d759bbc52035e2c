-- Builds a 1,000-key dictionary keyed by interned names, then reads every key back.
d = {}
i = 0
while i < 1000 do
  d["k" .. i] = i
  i = i + 1
end
sum = 0
i = 0
while i < 1000 do
  sum = sum + d["k" .. i]
  i = i + 1
end
print(sum)
