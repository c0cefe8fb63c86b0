#pragma once
// quillon-cli doctor [PORT]: opens the ports as a connect does and says what
// keeps each shut and how to fix it. 0 when PORT opens or, without one, when
// any listed port does.

#include <string>
#include <vector>

int Doctor(const std::vector<std::string>& args);
