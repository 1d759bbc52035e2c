// The waiting forms of Socket: every wait selects on the socket and on the
// wake socket, with the time-out set afresh before each select.
#include "threads/Socket.h"

#include "file/BufferBinary.h"

#include <cerrno>
#include <netdb.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Done when the socket is ready for reading (or writing), else a result code.
int waitFor(int fd, bool forWrite, const Socket &wake, unsigned int timeoutMs) {
  // fd_set holds only FD_SETSIZE descriptors; anything beyond would write out of bounds.
  int wakeFd = wake.descriptor();
  if (fd < 0 || fd >= FD_SETSIZE || wakeFd >= FD_SETSIZE)
    return Socket::Failed;

  fd_set readSet;
  fd_set writeSet;
  FD_ZERO(&readSet);
  FD_ZERO(&writeSet);
  FD_SET(fd, forWrite ? &writeSet : &readSet);
  if (wakeFd >= 0)
    FD_SET(wakeFd, &readSet);

  timeval timeout;
  timeout.tv_sec = timeoutMs / 1000;
  timeout.tv_usec = (timeoutMs % 1000) * 1000;

  int highest = fd > wakeFd ? fd : wakeFd;
  int ready = select(highest + 1, &readSet, &writeSet, nullptr, &timeout);
  if (ready < 0)
    return Socket::Failed;
  if (ready == 0)
    return Socket::TimedOut;
  if (wakeFd >= 0 && FD_ISSET(wakeFd, &readSet))
    return Socket::Woken;
  if (FD_ISSET(fd, forWrite ? &writeSet : &readSet))
    return Socket::Done;
  return Socket::Failed;
}

} // namespace

int Socket::connect(addrinfo *list, Socket &wake, unsigned int timeoutMs) {
  if (isOpen() || !startNetwork() || !list)
    return Failed;
  for (addrinfo *address = list; address; address = address->ai_next) {
    int fd = ::socket(address->ai_family, SOCK_STREAM, 0);
    if (fd < 0)
      continue;
    m_descriptor = fd;
    setBlocking(false);
    int result = ::connect(fd, address->ai_addr, address->ai_addrlen);
    int error = errno;
    setBlocking(true);
    if (result == 0)
      return Done;
    if (error != EAGAIN && error != EINPROGRESS) {
      close();
      continue;
    }

    int waited = waitFor(fd, true, wake, timeoutMs);
    if (waited != Done) {
      close();
      return waited;
    }
    // A refused connect becomes writable too: only SO_ERROR tells the outcome.
    int socketError = 0;
    socklen_t length = sizeof socketError;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &socketError, &length) == 0 && socketError == 0)
      return Done;
    close();
  }
  return Failed;
}

int Socket::sendWithTimeout(const unsigned char *bytes, unsigned int count, Socket &wake,
                            unsigned int timeoutMs) {
  if (count == 0)
    return Done;
  if (!isOpen())
    return Failed;
  unsigned int sent = 0;
  while (sent < count) {
    int waited = waitFor(m_descriptor, true, wake, timeoutMs);
    if (waited != Done)
      return waited;
    // Send only what fits now, so a full peer cannot hold us past the next wait.
    ssize_t n = ::send(m_descriptor, bytes + sent, count - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
      if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        continue;
      return Failed;
    }
    if (n == 0)
      return Closed;
    sent += unsigned(n);
  }
  return Done;
}

int Socket::sendWithTimeout(const container::Vector<unsigned char> &bytes, Socket &wake,
                            unsigned int timeoutMs) {
  if (bytes.isEmpty())
    return Done;
  return sendWithTimeout(bytes.data(), bytes.size(), wake, timeoutMs);
}

int Socket::exchange(file::BufferBinary &receiver, Socket &wake, unsigned int timeoutMs,
                     int limit) {
  if (!isOpen())
    return Failed;
  if (limit == 0)
    return Done;
  int received = 0;
  for (;;) {
    int waited = waitFor(m_descriptor, false, wake, timeoutMs);
    if (waited != Done)
      return waited;
    int result = receiveChunk(receiver, limit, received);
    if (result != KeepReceiving)
      return result;
  }
}
