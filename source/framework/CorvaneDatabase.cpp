#include "framework/CorvaneDatabase.h"

CorvaneDatabase::CorvaneDatabase(Symbol name, const String &path) : Database(name, path) {}
