#pragma once
// The small set of link errors the rest of the program sees. Every errno from
// the port is mapped here, in one place.

#include "text/CoreText.h"

#include <sys/types.h>
#include <string>

enum class LinkError {
    None,
    Gone,        // hang-up, EIO, ENXIO, ENODEV, or end of file: the adapter is gone
    Permission,  // EACCES, EPERM
    Busy,        // EBUSY, or TIOCEXCL refused: another program has the port
    NotFound,    // ENOENT
    NotSerial,   // ENOTTY, EINVAL from termios: not a serial device
    Other,
};

enum class LinkOp { None, Open, Configure, Setup, Start, Read, Write, Poll };

struct LinkFailure {
    LinkError error = LinkError::None;
    LinkOp op = LinkOp::None;
    int err = 0;  // errno captured where the call failed
};

LinkError MapErrno(int err);
// One line for the user, e.g. "/dev/ttyUSB0: permission denied — add your
// user to the dialout group" (the advice only where joining the device's
// group would help).
std::string DescribeLinkFailure(const std::string& device, const LinkFailure& failure);
// The same for a window, marked in context "LinkError".
CoreText LinkFailureText(const std::string& device, const LinkFailure& failure);

// Whether this process has gid among its groups (effective or supplementary).
bool InGroup(gid_t gid);
// The group to join so that the device opens: only for a character device
// whose group may read and write it, that is not root and that the user is
// not in yet; empty otherwise.
std::string GroupThatWouldHelp(const std::string& device);
