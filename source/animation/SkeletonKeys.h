#pragma once
// The dictionary keys and type names of skeletons, their nodes, channels and
// events, made once.

#include "xstring/Symbol.h"

namespace animation {

struct SkeletonKeys {
  // Skeletons and nodes.
  Symbol name = Symbol::intern(L"name");
  Symbol root = Symbol::intern(L"root");
  Symbol boundsHint = Symbol::intern(L"boundsHint");
  Symbol renderList = Symbol::intern(L"renderList");
  Symbol children = Symbol::intern(L"children");
  Symbol billboardChannel = Symbol::intern(L"billboardChannel");
  Symbol skeletonChannel = Symbol::intern(L"skeletonChannel");
  Symbol eventChannel = Symbol::intern(L"eventChannel");
  Symbol animation = Symbol::intern(L"animation");
  // Channels and their frames.
  Symbol loop = Symbol::intern(L"loop");
  Symbol frames = Symbol::intern(L"frames");
  Symbol events = Symbol::intern(L"events");
  Symbol time = Symbol::intern(L"time");
  Symbol skeleton = Symbol::intern(L"skeleton");
  Symbol skeletonAge = Symbol::intern(L"skeletonAge");
  Symbol continueAge = Symbol::intern(L"continueAge");
  // Events.
  Symbol type = Symbol::intern(L"type");
  Symbol sound = Symbol::intern(L"sound");
  Symbol volume = Symbol::intern(L"volume");
  Symbol frequency = Symbol::intern(L"frequency");
  Symbol system = Symbol::intern(L"system");
  Symbol scale = Symbol::intern(L"scale");
  Symbol color = Symbol::intern(L"color");
  Symbol key = Symbol::intern(L"key");
  // The event kinds' "type" names, by kind.
  Symbol kinds[4] = {Symbol::intern(L"sound"), Symbol::intern(L"particleSystem"),
                     Symbol::intern(L"generic"), Symbol::intern(L"final")};
};

const SkeletonKeys &skeletonKeys();

} // namespace animation
