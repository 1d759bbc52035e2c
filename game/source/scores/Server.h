#pragma once
// The score server as the main thread sees it: the request to look its
// address up, polled once per frame. Until the score client is built no
// look-up starts and no address is ever held, so the poll and the teardown
// have nothing to do.

class Server {
public:
  // The per-frame poll of the address look-up.
  static void update();
  // Asks the next poll to (re)start the look-up.
  static void requestAddressLookup();
  static bool addressLookupRequested();
  // Stops and deletes the look-up thread.
  static void destroyAddrInfoThread();
  // Frees the address list ("Server deleting addrInfo") when there is one.
  static void deleteAddrInfo();
};
