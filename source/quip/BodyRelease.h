#pragma once
// Freeing a body frees the tokens it holds, which may free further bodies:
// done by plain recursion, a deeply nested value would exhaust the C stack.
// A body whose last handle goes while another body is being freed waits in
// a list instead, and the outermost release frees the list in a loop.

namespace quip {

using BodyFree = void (*)(void *body);

void releaseBody(void *body, BodyFree free);

} // namespace quip
