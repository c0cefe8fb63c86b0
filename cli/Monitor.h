#pragma once
// quillon-cli monitor PORT [--count N]: the receiver signals the Orvex sees,
// live on one line, as the setup wizard's Monitor page shows them.

#include <string>
#include <vector>

int Monitor(const std::vector<std::string>& args);
