#include "threads/Socket.h"

#include "file/BufferBinary.h"
#include "xstring/Print.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::atomic<bool> networkStarted{false};

// Largest piece handed to the receiver at once.
constexpr unsigned int ChunkSize = 1023;

} // namespace

bool Socket::startNetwork() {
  networkStarted = true;
  return true;
}

void Socket::stopNetwork() { networkStarted = false; }

bool Socket::isNetworkStarted() { return networkStarted; }

void Socket::setBlocking(bool blocking) {
  m_blocking = blocking;
  if (m_descriptor < 0)
    return;
  int flags = fcntl(m_descriptor, F_GETFL, 0);
  if (flags < 0)
    return;
  flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
  fcntl(m_descriptor, F_SETFL, flags);
}

bool Socket::wouldBlock() const {
  if (m_blocking)
    return false;
  return errno == EAGAIN || errno == EWOULDBLOCK;
}

bool Socket::connect(addrinfo *list) {
  if (isOpen() || !list || !startNetwork())
    return false;
  for (addrinfo *address = list; address; address = address->ai_next) {
    int fd = ::socket(address->ai_family, SOCK_STREAM, 0);
    if (fd < 0)
      continue;
    if (::connect(fd, address->ai_addr, address->ai_addrlen) == 0) {
      m_descriptor = fd;
      setBlocking(m_blocking);
      return true;
    }
    ::close(fd);
  }
  return false;
}

bool Socket::bind(addrinfo *list, uint16_t &port) {
  if (isOpen() || !list || !startNetwork())
    return false;
  for (addrinfo *address = list; address; address = address->ai_next) {
    int fd = ::socket(address->ai_family, SOCK_STREAM, 0);
    if (fd < 0)
      continue;
    if (::bind(fd, address->ai_addr, address->ai_addrlen) == 0) {
      m_descriptor = fd;
      break;
    }
    ::close(fd);
  }
  if (!isOpen())
    return false;

  sockaddr_storage bound{};
  socklen_t length = sizeof bound;
  if (getsockname(m_descriptor, reinterpret_cast<sockaddr *>(&bound), &length) != 0) {
    close();
    return false;
  }
  if (bound.ss_family == AF_INET6)
    port = ntohs(reinterpret_cast<sockaddr_in6 *>(&bound)->sin6_port);
  else
    port = ntohs(reinterpret_cast<sockaddr_in *>(&bound)->sin_port);
  return true;
}

bool Socket::listen(int backlog) {
  if (!isOpen())
    return false;
  if (::listen(m_descriptor, backlog) != 0) {
    close();
    return false;
  }
  return true;
}

Socket *Socket::accept() {
  if (!isOpen())
    return nullptr;
  int fd = ::accept(m_descriptor, nullptr, nullptr);
  if (fd < 0)
    return nullptr;
  return new Socket(fd);
}

int Socket::sendAll(const unsigned char *bytes, unsigned int count) {
  if (count == 0)
    return Done;
  if (!isOpen())
    return Failed;
  unsigned int sent = 0;
  while (sent < count) {
    // MSG_NOSIGNAL: a peer that has gone must not kill the process with SIGPIPE.
    ssize_t n = ::send(m_descriptor, bytes + sent, count - sent, MSG_NOSIGNAL);
    if (n < 0)
      return Failed;
    if (n == 0)
      return Closed;
    sent += unsigned(n);
  }
  return Done;
}

int Socket::sendAll(const container::Vector<unsigned char> &bytes) {
  if (bytes.isEmpty())
    return Done;
  return sendAll(bytes.data(), bytes.size());
}

int Socket::send(const unsigned char *bytes, unsigned int count, unsigned int &sent) {
  sent = 0;
  if (count == 0)
    return Done;
  if (!isOpen())
    return Failed;
  while (sent < count) {
    ssize_t n = ::send(m_descriptor, bytes + sent, count - sent, MSG_NOSIGNAL);
    if (n < 0)
      return wouldBlock() ? WouldBlock : Failed;
    if (n == 0)
      return Closed;
    sent += unsigned(n);
  }
  return Done;
}

int Socket::receive(file::BufferBinary &receiver, int limit) {
  if (!isOpen())
    return Failed;
  if (limit == 0)
    return Done;
  int received = 0;
  for (;;) {
    int result = receiveChunk(receiver, limit, received);
    if (result != KeepReceiving)
      return result;
  }
}

int Socket::receiveChunk(file::BufferBinary &receiver, int limit, int &received) {
  unsigned char chunk[ChunkSize];
  unsigned int want = ChunkSize;
  if (limit > 0 && unsigned(limit - received) < want)
    want = unsigned(limit - received);
  ssize_t n = ::recv(m_descriptor, chunk, want, 0);
  if (n < 0)
    return wouldBlock() ? WouldBlock : Failed;
  if (n == 0)
    return Closed;
  receiver.receiveBytes(chunk, unsigned(n));
  received += int(n);
  if (limit > 0 && received >= limit)
    return Done;
  return KeepReceiving;
}

bool Socket::shutdownWrite() {
  if (!isOpen())
    return false;
  if (::shutdown(m_descriptor, SHUT_WR) != 0) {
    close();
    return false;
  }
  return true;
}

void Socket::close() {
  if (m_descriptor >= 0)
    ::close(m_descriptor);
  m_descriptor = -1;
}

bool Socket::closeGracefully() {
  if (!isOpen() || !shutdownWrite())
    return false;
  // What the peer still sends is of no interest; a local chunk keeps
  // concurrent closes on different threads apart.
  unsigned char discard[ChunkSize];
  while (::recv(m_descriptor, discard, sizeof discard, 0) > 0) {
  }
  close();
  return true;
}

String Socket::errorText() {
  char buffer[256];
  return String::fromUtf8(strerror_r(errno, buffer, sizeof buffer));
}

bool Socket::socketPair(Socket *&first, Socket *&second) {
  if (!startNetwork())
    return false;
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) {
    char buffer[256];
    xstring::print(stderr, L"Failed socketpair: %s\n", strerror_r(errno, buffer, sizeof buffer));
    return false;
  }
  first = new Socket(fds[0]);
  second = new Socket(fds[1]);
  return true;
}
