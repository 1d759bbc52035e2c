#pragma once

#include "xstring/String.h"

// "Palm - " and the platform's version text; "Palm - 1.4.5" for a system
// too old to answer but with platform kit 100; else "Palm - Unknown version".
String operatingSystemVersion();
