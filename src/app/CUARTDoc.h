#pragma once
// The document of the single-document frame. It holds nothing: the unit's
// data is the Orvex the frame is given, and the parameter panel's values are
// the view's.

class CUARTDoc {
public:
    CUARTDoc() = default;
};
