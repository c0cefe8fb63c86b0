#include "TestDataHome.h"

#include "TempDir.h"

#include <cstdlib>

const std::string& UseTestDataHome() {
    static const TempDir dir{"quillon-data"};
    static const bool set = ::setenv("XDG_DATA_HOME", dir.path().c_str(), 1) == 0;
    (void)set;
    return dir.path();
}
