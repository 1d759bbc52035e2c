#include "framework/LocationDelegate.h"

#include "error/Log.h"
#include "file/Pdl.h"

#include <SDL.h>

namespace {
LocationDelegate *theDelegate = nullptr;
}

LocationDelegate &LocationDelegate::instance() {
  if (!theDelegate)
    theDelegate = new LocationDelegate;
  return *theDelegate;
}

bool LocationDelegate::exists() { return theDelegate != nullptr; }

void LocationDelegate::destroyInstance() {
  delete theDelegate;
  theDelegate = nullptr;
}

LocationDelegate::~LocationDelegate() {
  if (m_tracking)
    pdl::enableLocationTracking(false);
}

void LocationDelegate::removeListener(framework::LocationListener *listener) {
  int index = m_listeners.indexOf(listener);
  if (index >= 0)
    m_listeners.removeAt(uint32_t(index));
}

void LocationDelegate::startTracking() {
  pdl::setLocationDelivery(&LocationDelegate::pushPlatformEvent);
  pdl::enableLocationTracking(true);
  m_tracking = true;
}

void LocationDelegate::stopTracking() {
  pdl::enableLocationTracking(false);
  m_tracking = false;
}

void LocationDelegate::notifyLocation(const framework::Location &location,
                                      const framework::Location &previous, int flags) {
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->locationChanged(location, previous, flags);
}

void LocationDelegate::reportError(int kind) {
  logLine(String(L"LocationDelegate error: ") + framework::locationErrorName(kind).toString());
  if (kind == framework::LOCATION_DENIED)
    stopTracking();
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->locationFailed(kind);
}

void LocationDelegate::pushPlatformEvent(int code, const void *data) {
  SDL_Event event = {};
  event.type = SDL_USEREVENT;
  event.user.code = code;
  event.user.data1 = const_cast<void *>(data);
  if (SDL_PushEvent(&event) != 0)
    logLine(L"LocationDelegate: event queue full, location result dropped");
}
