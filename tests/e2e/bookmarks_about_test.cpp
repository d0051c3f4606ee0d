// End-to-end cases; see the harness in tests/e2e/harness.
#include <gtest/gtest.h>
