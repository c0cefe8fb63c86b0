#pragma once
// The program keeps a history of every unit it connects to in the user's data
// folder. Tests point XDG_DATA_HOME at a temporary folder of their own (one
// per test process, removed at exit), inherited by every program they start.

#include <string>

// Sets XDG_DATA_HOME once for this process and returns it.
const std::string& UseTestDataHome();
