#pragma once
// A texture of the current database by name: null without a database; a
// name the texture file lacks gives the texture manager's placeholder.

#include "xstring/Symbol.h"

class Texture;

Texture *gameTexture(Symbol name);
