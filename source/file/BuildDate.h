#pragma once
// When the program was built, in the compiler's form.

#include "xstring/String.h"

// "Oct  8 2010".
String compileDate();
// "Oct  8 2010 19:05:24".
String compileDateAndTime();
