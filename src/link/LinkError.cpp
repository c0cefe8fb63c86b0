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
            return QT_TRANSLATE_NOOP("LinkError", "could not open the port");
        case LinkOp::Configure:
            return QT_TRANSLATE_NOOP("LinkError", "could not set the line");
        case LinkOp::Setup:
            return QT_TRANSLATE_NOOP("LinkError", "could not prepare the port");
        case LinkOp::Start:
            return QT_TRANSLATE_NOOP("LinkError", "could not start the port's worker");
        case LinkOp::Read:
            return QT_TRANSLATE_NOOP("LinkError", "reading failed");
        case LinkOp::Write:
            return QT_TRANSLATE_NOOP("LinkError", "writing failed");
        case LinkOp::Poll:
            return QT_TRANSLATE_NOOP("LinkError", "waiting for the port failed");
        case LinkOp::None:
            break;
    }
    return QT_TRANSLATE_NOOP("LinkError", "failed");
}

CoreText Said(const char* text, std::vector<CoreText> args = {}) {
    return CoreText::Of("LinkError", text, std::move(args));
}

CoreText PermissionText(const std::string& device) {
    const std::string group = GroupThatWouldHelp(device);
    if (group.empty()) return Said(QT_TRANSLATE_NOOP("LinkError", "permission denied"));
    return Said(QT_TRANSLATE_NOOP("LinkError", "permission denied — add your user to the %1 group"), {group});
}

CoreText Why(const std::string& device, const LinkFailure& failure) {
    switch (failure.error) {
        case LinkError::Permission:
            return PermissionText(device);
        case LinkError::Busy:
            return Said(QT_TRANSLATE_NOOP("LinkError", "in use by another program"));
        case LinkError::None:
            return Said(QT_TRANSLATE_NOOP("LinkError", "no error"));
        case LinkError::Gone:
            return Said(QT_TRANSLATE_NOOP("LinkError", "the adapter was unplugged"));
        case LinkError::NotFound:
            return Said(QT_TRANSLATE_NOOP("LinkError", "no such device"));
        case LinkError::NotSerial:
            return Said(QT_TRANSLATE_NOOP("LinkError", "not a serial port"));
        default:
            break;
    }
    if (failure.err == 0) return Said(OperationText(failure.op));
    return Said(QT_TRANSLATE_NOOP("LinkError", "%1 (%2)"),
                {Said(OperationText(failure.op)), std::generic_category().message(failure.err)});
}

}  // namespace

CoreText LinkFailureText(const std::string& device, const LinkFailure& failure) {
    if (failure.error == LinkError::Busy)
        if (const auto holder = FindPortHolder(device))
            return Said(QT_TRANSLATE_NOOP("LinkError", "%1 is in use by %2 (pid %3)"),
                        {device, holder->name, CoreText::Number(holder->pid)});
    return Said(QT_TRANSLATE_NOOP("LinkError", "%1: %2"), {device, Why(device, failure)});
}

std::string DescribeLinkFailure(const std::string& device, const LinkFailure& failure) {
    return LinkFailureText(device, failure).English();
}
