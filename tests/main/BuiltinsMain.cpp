// The test program of libraries that run scripts: the language's builtins are
// installed before any test makes a script manager.

#include "quip/builtins/BuiltinTable.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
  quip::installBuiltins();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
