-- A counting loop of 1,000,000 iterations on a global counter.
i = 0
while i < 1000000 do
  i = i + 1
end
print(i)
