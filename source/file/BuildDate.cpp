#include "file/BuildDate.h"

String compileDate() { return String(__DATE__); }

String compileDateAndTime() { return String(__DATE__ " " __TIME__); }
