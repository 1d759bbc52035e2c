#pragma once
// One stream socket descriptor. Sends and receives report small result codes;
// the waiting forms select on the socket and on a second socket, the wake
// socket, so another thread can cut a wait short by writing one byte to it.
// A Socket does not close its descriptor when destroyed: close() does.

#include "container/Vector.h"
#include "xstring/String.h"

#include <cstdint>

struct addrinfo;

namespace file {
class BufferBinary;
}

class Socket {
public:
  // Result codes of the send, receive and waiting operations.
  enum Result {
    Done = 0,
    Failed = 1,
    TimedOut = 2,
    Woken = 3,
    Closed = 4,
    WouldBlock = 5,
  };

  Socket() = default;
  explicit Socket(int descriptor) : m_descriptor(descriptor) {}

  int descriptor() const { return m_descriptor; }
  bool isOpen() const { return m_descriptor >= 0; }
  bool isBlocking() const { return m_blocking; }

  void setBlocking(bool blocking);
  bool wouldBlock() const;

  // Process-wide network switch; connect, bind and socketPair start it first.
  static bool startNetwork();
  static void stopNetwork();
  static bool isNetworkStarted();

  // getaddrinfo for stream sockets of any family; passive asks for a local
  // address to bind and passes no host. The list or null.
  static addrinfo *getAddressInfo(const String &host, const String &service, bool passive);
  static addrinfo *getAddressInfo(const String &host, int port, bool passive);
  static void freeAddressInfo(addrinfo *list);

  // Blocking connect to the first address of the list that accepts.
  bool connect(addrinfo *list);
  // The host on port 80.
  bool connect(const String &host);
  // Non-blocking connect waiting at most timeoutMs; a result code.
  int connect(addrinfo *list, Socket &wake, unsigned int timeoutMs);

  // Binds to the first address that accepts and reports the bound port.
  bool bind(addrinfo *list, uint16_t &port);
  bool listen(int backlog);
  // The accepted connection (the caller owns it), or null.
  Socket *accept();

  int sendAll(const unsigned char *bytes, unsigned int count);
  int sendAll(const container::Vector<unsigned char> &bytes);
  int send(const unsigned char *bytes, unsigned int count, unsigned int &sent);
  int sendWithTimeout(const unsigned char *bytes, unsigned int count, Socket &wake,
                      unsigned int timeoutMs);
  int sendWithTimeout(const container::Vector<unsigned char> &bytes, Socket &wake,
                      unsigned int timeoutMs);

  // Receives into the buffer until the limit (negative: none) or the peer closes.
  int receive(file::BufferBinary &receiver, int limit);
  // Receive with a time-out for every wait.
  int exchange(file::BufferBinary &receiver, Socket &wake, unsigned int timeoutMs, int limit);

  bool shutdownWrite();
  void close();
  // Shuts the sending side, drains what the peer still sends, then closes.
  bool closeGracefully();

  static String errorText();

  // Two connected local stream sockets, owned by the caller.
  static bool socketPair(Socket *&first, Socket *&second);

private:
  // One recv of at most a chunk (and what the limit leaves) into the receiver:
  // a result, or KeepReceiving when more may follow.
  static constexpr int KeepReceiving = -1;
  int receiveChunk(file::BufferBinary &receiver, int limit, int &received);

  int m_descriptor = -1;
  bool m_blocking = true;
};
