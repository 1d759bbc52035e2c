-- Recursive fib(25). Names are globals, as every quip name is a dictionary entry.
function fib(n)
  if n < 2 then
    return n
  end
  return fib(n - 1) + fib(n - 2)
end

print(fib(25))
