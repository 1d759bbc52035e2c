#include "scores/Server.h"

namespace {
bool g_lookupRequested = false;
} // namespace

// The request stays pending for the client that will act on it.
void Server::update() {}

void Server::requestAddressLookup() { g_lookupRequested = true; }

bool Server::addressLookupRequested() { return g_lookupRequested; }

void Server::destroyAddrInfoThread() {}

void Server::deleteAddrInfo() {}
