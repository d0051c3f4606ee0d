// What every end-to-end case relies on, checked once before all of them so
// that a wrong set-up fails with its reason instead of as odd test failures.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/harness/paths_win32.h"

namespace tq::e2e {
namespace {

constexpr UINT kChineseCodePage = 936;

class DriverEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(GetACP(), kChineseCodePage)
            << "run the driver with LANG=zh_CN.UTF-8 (see scripts/wine_env.sh)";
        ASSERT_NE(GetFileAttributesW(program_path().c_str()), INVALID_FILE_ATTRIBUTES)
            << "the program under test was not built";
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new DriverEnvironment);

}  // namespace
}  // namespace tq::e2e
