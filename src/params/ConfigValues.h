#pragma once
// The named copy of the parameters: one signed byte per file key plus
// ZeroPitch, Condition and AuxFunction.

#include "params/ParameterTable.h"

#include <array>

class ConfigValues {
public:
    ConfigValues() { SetStartValues(); }
    void SetStartValues();
    int8_t& operator[](CV id) { return v_[static_cast<size_t>(id)]; }
    int8_t operator[](CV id) const { return v_[static_cast<size_t>(id)]; }
    bool operator==(const ConfigValues&) const = default;

private:
    std::array<int8_t, kConfigCount> v_{};
};

// The seven values of the main panel, in kPanelDefs order.
struct PanelValues {
    std::array<int, 7> value = PanelStartValues();
    bool operator==(const PanelValues&) const = default;
};
