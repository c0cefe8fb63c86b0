#include "link/LinkError.h"

#include "link/PortHolder.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <system_error>
#include <vector>

LinkError MapErrno(int err) {
    switch (err) {
        case 0:
            return LinkError::None;
        case EIO:
        case ENXIO:
        case ENODEV:
            return LinkError::Gone;
        case EACCES:
        case EPERM:
            return LinkError::Permission;
        case EBUSY:
        case EWOULDBLOCK:  // the advisory lock of another program (EAGAIN is the same value)
            return LinkError::Busy;
        case ENOENT:
            return LinkError::NotFound;
        case ENOTTY:
        case EINVAL:
            return LinkError::NotSerial;
        default:
            return LinkError::Other;
    }
}

bool InGroup(gid_t gid) {
    if (getegid() == gid) return true;
    const int n = getgroups(0, nullptr);
    std::vector<gid_t> groups(n > 0 ? n : 0);
    if (n > 0 && getgroups(n, groups.data()) != n) return false;
    for (gid_t g : groups)
        if (g == gid) return true;
    return false;
}

// Nobody is told to join root: that is no fix but the keys to the machine.
std::string GroupThatWouldHelp(const std::string& device) {
    struct stat st {};
    if (stat(device.c_str(), &st) != 0 || !S_ISCHR(st.st_mode) || st.st_gid == 0) return {};
    if ((st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP) || InGroup(st.st_gid)) return {};
    const group* g = getgrgid(st.st_gid);
    return g ? g->gr_name : std::to_string(st.st_gid);
}

namespace {

const char* OperationText(LinkOp op) {
    switch (op) {
        case LinkOp::Open:
            return "could not open the port";
        case LinkOp::Configure:
            return "could not set the line";
        case LinkOp::Setup:
            return "could not prepare the port";
        case LinkOp::Start:
            return "could not start the port's worker";
        case LinkOp::Read:
            return "reading failed";
        case LinkOp::Write:
            return "writing failed";
        case LinkOp::Poll:
            return "waiting for the port failed";
        case LinkOp::None:
            break;
    }
    return "failed";
}

std::string PermissionText(const std::string& device) {
    const std::string group = GroupThatWouldHelp(device);
    if (group.empty()) return "permission denied";
    return "permission denied \u2014 add your user to the " + group + " group";
}

}  // namespace

std::string DescribeLinkFailure(const std::string& device, const LinkFailure& failure) {
    const std::string head = device + ": ";
    switch (failure.error) {
        case LinkError::None:
            return head + "no error";
        case LinkError::Gone:
            return head + "the adapter was unplugged";
        case LinkError::Permission:
            return head + PermissionText(device);
        case LinkError::Busy:
            if (const auto holder = FindPortHolder(device))
                return device + " is in use by " + holder->name + " (pid " + std::to_string(holder->pid) + ")";
            return head + "in use by another program";
        case LinkError::NotFound:
            return head + "no such device";
        case LinkError::NotSerial:
            return head + "not a serial port";
        case LinkError::Other:
            break;
    }
    std::string text = head + OperationText(failure.op);
    if (failure.err != 0) text += " (" + std::generic_category().message(failure.err) + ")";
    return text;
}
