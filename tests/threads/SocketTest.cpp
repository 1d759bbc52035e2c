// Every connection here stays on the loopback address 127.0.0.1.
#include "threads/Socket.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <netdb.h>
#include <sys/select.h>

namespace {

// A listening socket on 127.0.0.1 with a port chosen by the system.
struct LocalServer {
  Socket listener;
  uint16_t port = 0;

  LocalServer() {
    addrinfo *local = Socket::getAddressInfo(String(L"127.0.0.1"), 0, false);
    EXPECT_NE(local, nullptr);
    EXPECT_TRUE(listener.bind(local, port));
    Socket::freeAddressInfo(local);
    EXPECT_TRUE(listener.listen(4));
  }
  ~LocalServer() { listener.close(); }

  addrinfo *address() const { return Socket::getAddressInfo(String(L"127.0.0.1"), port, false); }
};

// A connected client and its accepted peer.
struct Connection {
  LocalServer server;
  Socket client;
  Socket *peer = nullptr;
  Socket *wakeMain = nullptr;
  Socket *wake = nullptr;

  Connection() {
    EXPECT_TRUE(Socket::socketPair(wakeMain, wake));
    addrinfo *list = server.address();
    EXPECT_EQ(client.connect(list, *wake, 2000), Socket::Done);
    Socket::freeAddressInfo(list);
    peer = server.listener.accept();
    EXPECT_NE(peer, nullptr);
  }
  ~Connection() {
    client.close();
    for (Socket *s : {peer, wakeMain, wake}) {
      if (!s)
        continue;
      s->close();
      delete s;
    }
  }
};

container::Vector<unsigned char> bytesOf(const char *text) {
  container::Vector<unsigned char> out;
  for (const char *p = text; *p; ++p)
    out.push((unsigned char)*p);
  return out;
}

} // namespace

TEST(Socket, ReceiveStopsAtTheLimit) {
  Connection c;
  auto payload = bytesOf("0123456789abcdefghijklmno"); // 25 bytes
  ASSERT_EQ(c.peer->sendAll(payload), Socket::Done);
  c.peer->close();

  file::BufferBinary first;
  EXPECT_EQ(c.client.receive(first, 10), Socket::Done);
  ASSERT_EQ(first.size(), 10u);
  EXPECT_EQ(0, memcmp(first.data(), "0123456789", 10));

  file::BufferBinary rest;
  EXPECT_EQ(c.client.receive(rest, -1), Socket::Closed);
  EXPECT_EQ(rest.size(), 15u);

  file::BufferBinary none;
  EXPECT_EQ(c.client.receive(none, 0), Socket::Done);
  Socket closed;
  EXPECT_EQ(closed.receive(none, -1), Socket::Failed);
}

TEST(Socket, ExchangeWithTimeoutsAndWake) {
  Connection c;
  file::BufferBinary in;

  // Nothing to read and no time to wait.
  EXPECT_EQ(c.client.exchange(in, *c.wake, 0, -1), Socket::TimedOut);

  // Data arriving is delivered up to the limit.
  ASSERT_EQ(c.peer->sendWithTimeout(bytesOf("hello world"), *c.wakeMain, 1000), Socket::Done);
  EXPECT_EQ(c.client.exchange(in, *c.wake, 1000, 5), Socket::Done);
  EXPECT_EQ(in.size(), 5u);

  // A byte on the wake pair cuts a long wait short; it wins over pending data.
  const unsigned char byte = 0;
  ASSERT_EQ(c.wakeMain->sendAll(&byte, 1), Socket::Done);
  EXPECT_EQ(c.client.exchange(in, *c.wake, 60000, -1), Socket::Woken);
  EXPECT_EQ(c.client.sendWithTimeout(bytesOf("x"), *c.wake, 60000), Socket::Woken);

  // Without a limit only the peer's close ends the receive.
  file::BufferBinary rest;
  c.peer->close();
  Socket quiet;
  EXPECT_EQ(c.client.exchange(rest, quiet, 1000, -1), Socket::Closed);
  EXPECT_EQ(rest.size(), 6u);
}

TEST(Socket, ConnectToAClosedPortFails) {
  // A port that was bound and let go has no listener.
  uint16_t port = 0;
  {
    LocalServer probe;
    port = probe.port;
  }
  addrinfo *list = Socket::getAddressInfo(String(L"127.0.0.1"), port, false);
  ASSERT_NE(list, nullptr);

  Socket *wakeMain = nullptr;
  Socket *wake = nullptr;
  ASSERT_TRUE(Socket::socketPair(wakeMain, wake));

  Socket timed;
  EXPECT_EQ(timed.connect(list, *wake, 2000), Socket::Failed);
  EXPECT_FALSE(timed.isOpen());

  Socket blocking;
  EXPECT_FALSE(blocking.connect(list));
  EXPECT_FALSE(blocking.isOpen());

  // A second connect on an open socket is refused.
  Connection c;
  addrinfo *again = c.server.address();
  EXPECT_EQ(c.client.connect(again, *wake, 100), Socket::Failed);
  EXPECT_FALSE(c.client.connect(again));
  EXPECT_EQ(timed.connect(nullptr, *wake, 100), Socket::Failed);
  Socket::freeAddressInfo(again);

  Socket::freeAddressInfo(list);
  for (Socket *s : {wakeMain, wake}) {
    s->close();
    delete s;
  }
}

TEST(Socket, BlockingConnectSendAndGracefulClose) {
  LocalServer server;
  addrinfo *list = server.address();
  Socket client;
  ASSERT_TRUE(client.connect(list));
  Socket::freeAddressInfo(list);
  Socket *peer = server.listener.accept();
  ASSERT_NE(peer, nullptr);

  unsigned int sent = 99;
  EXPECT_EQ(client.send(reinterpret_cast<const unsigned char *>("abc"), 3, sent), Socket::Done);
  EXPECT_EQ(sent, 3u);
  EXPECT_EQ(client.sendAll(nullptr, 0), Socket::Done);

  // The client's graceful close lets the peer read to the end, then both close.
  ASSERT_TRUE(client.shutdownWrite());
  file::BufferBinary in;
  EXPECT_EQ(peer->receive(in, -1), Socket::Closed);
  EXPECT_EQ(in.size(), 3u);
  EXPECT_TRUE(peer->closeGracefully());
  EXPECT_FALSE(peer->isOpen());
  EXPECT_FALSE(peer->closeGracefully());
  delete peer;

  // Sending to a peer that has gone is a failure, not a signal that ends the process.
  int result = Socket::Done;
  for (int i = 0; i < 20 && result == Socket::Done; ++i)
    result = client.sendAll(reinterpret_cast<const unsigned char *>("more"), 4);
  EXPECT_EQ(result, Socket::Failed);
  client.close();
  EXPECT_EQ(client.sendAll(reinterpret_cast<const unsigned char *>("x"), 1), Socket::Failed);
}

TEST(Socket, NonBlockingReceiveWouldBlock) {
  Connection c;
  c.client.setBlocking(false);
  EXPECT_FALSE(c.client.isBlocking());
  file::BufferBinary in;
  EXPECT_EQ(c.client.receive(in, -1), Socket::WouldBlock);
  EXPECT_TRUE(c.client.wouldBlock());
  c.client.setBlocking(true);
  EXPECT_FALSE(c.client.wouldBlock());
}

TEST(Socket, DescriptorsBeyondTheSelectSetAreRefused) {
  Socket *wakeMain = nullptr;
  Socket *wake = nullptr;
  ASSERT_TRUE(Socket::socketPair(wakeMain, wake));
  Socket huge(FD_SETSIZE + 3);
  file::BufferBinary in;
  EXPECT_EQ(huge.exchange(in, *wake, 10, -1), Socket::Failed);
  EXPECT_EQ(huge.sendWithTimeout(bytesOf("x"), *wake, 10), Socket::Failed);
  Socket hugeWake(FD_SETSIZE);
  EXPECT_EQ(wake->exchange(in, hugeWake, 10, -1), Socket::Failed);
  for (Socket *s : {wakeMain, wake}) {
    s->close();
    delete s;
  }
}

TEST(Socket, AddressLookupOfNumericHosts) {
  addrinfo *list = Socket::getAddressInfo(String(L"127.0.0.1"), String(L"8080"), false);
  ASSERT_NE(list, nullptr);
  Socket::freeAddressInfo(list);
  Socket::freeAddressInfo(nullptr);
  EXPECT_EQ(Socket::getAddressInfo(String(L"127.0.0.1"), String(L"no-such-service-here"), false),
            nullptr);
}
