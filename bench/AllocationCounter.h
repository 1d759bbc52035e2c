// Moved to the test-support library; kept until the last include by this path goes.
#pragma once
#include "support/AllocationCounter.h"
