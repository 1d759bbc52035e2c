#pragma once
// A texture of the current database by name, for the objects that draw
// with one of their own.

#include "xstring/Symbol.h"

class Texture;

// Null without a database.
Texture *gameTexture(Symbol name);
