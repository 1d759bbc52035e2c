-- A worker task answers each ping with a pong of twice its value; the main
-- task sends 1,000,000 pings one at a time and sums the answers. Tasks are
-- coroutines with mailboxes, run round-robin by a small scheduler.
local mailboxes, tasks = {}, {}
local function spawn(name, f)
  mailboxes[name] = {}
  tasks[#tasks + 1] = { name = name, co = coroutine.create(f) }
end
local function send(name, message, value)
  local box = mailboxes[name]
  box[#box + 1] = { message, value }
end
local function receive(name)
  local box = mailboxes[name]
  while #box == 0 do
    coroutine.yield()
  end
  local m = table.remove(box, 1)
  return m[1], m[2]
end
spawn("main", function()
  local total = 0
  for k = 1, 1000000 do
    send("worker", "ping", k)
    local _, value = receive("main")
    total = (total + value) % 65521
  end
  send("worker", "stop", 0)
  print(total)
end)
spawn("worker", function()
  while true do
    local message, value = receive("worker")
    if message == "stop" then
      return
    end
    send("main", "pong", value * 2)
  end
end)
while #tasks > 0 do
  for i = #tasks, 1, -1 do
    local t = tasks[i]
    coroutine.resume(t.co)
    if coroutine.status(t.co) == "dead" then
      table.remove(tasks, i)
    end
  end
end
