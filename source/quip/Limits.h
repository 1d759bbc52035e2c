#pragma once
// Limits on what a script or a value file can make the language do. Each is
// stated once here, so whatever the parser accepts also compiles, writes and
// reads back, and no depth or size set by input depends on the C stack.

#include <cstdint>

namespace quip {

// Containers nested in one value: the outermost is at depth 0 and a
// container may sit at most this deep (scalars one deeper). The parser (its
// translated array counts), the run-time "]" and ")" builders, the value-file
// writer and reader, and the printers all use it.
constexpr int kMaxNesting = 1000;

// Frames on one interpreter's procedure stack; a call beyond it ends the
// script with a report. A power of two, met exactly as the stack doubles.
constexpr uint32_t kMaxProcedureDepth = 1u << 18;

// Interpreters run to completion inside one another ("spawnToCompletion").
constexpr int kMaxSpawnDepth = 256;

// A value shown in a report is cut after this many characters.
constexpr uint32_t kMaxReportLength = 1000;

// Any printed form is cut after this many characters (a value that shares
// its sub-arrays can stand for far more text than memory holds).
constexpr uint32_t kMaxPrintedLength = 1u << 24;

// Values written to one value file (shared sub-values count each time).
constexpr uint32_t kMaxWrittenValues = 1u << 27;

} // namespace quip
