#pragma once
// Stand-in for the phone's platform library: the queries the engine makes of
// the device, answered as a desktop would.

namespace pdl {

enum Result { Ok = 0, Error = 1 };

// Operating-system and platform-kit versions; on this machine the query fails.
Result getOSVersion(int* major, int* minor, int* revision, char* name, int nameSize);
Result getPDKVersion(int* version);

} // namespace pdl
