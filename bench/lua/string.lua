-- Builds a string of 10,000 pieces by repeated concatenation.
s = ""
i = 0
while i < 10000 do
  s = s .. tostring(i)
  i = i + 1
end
print(#s)
