// Host look-up for Socket.
#include "threads/Socket.h"

#include <netdb.h>
#include <sys/socket.h>

addrinfo *Socket::getAddressInfo(const String &host, const String &service, bool passive) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  if (passive)
    hints.ai_flags = AI_PASSIVE;

  container::Vector<char> hostBytes;
  container::Vector<char> serviceBytes;
  host.toUtf8(hostBytes);
  service.toUtf8(serviceBytes);

  addrinfo *result = nullptr;
  const char *node = passive ? nullptr : hostBytes.data();
  if (getaddrinfo(node, serviceBytes.data(), &hints, &result) != 0)
    return nullptr;
  return result;
}

addrinfo *Socket::getAddressInfo(const String &host, int port, bool passive) {
  return getAddressInfo(host, String::format(L"%d", port), passive);
}

void Socket::freeAddressInfo(addrinfo *list) {
  if (list)
    freeaddrinfo(list);
}

bool Socket::connect(const String &host) {
  addrinfo *list = getAddressInfo(host, 80, false);
  bool connected = connect(list);
  freeAddressInfo(list);
  return connected;
}
