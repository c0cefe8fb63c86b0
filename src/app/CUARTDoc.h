#pragma once
// The document of the single-document frame. It holds nothing: the device
// data lives in TheOrvex() and in the view.

class CUARTDoc {
public:
    CUARTDoc() = default;
};
