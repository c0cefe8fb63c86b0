#include "PortRegistration.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvexsim {

namespace {

std::string UserName() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
    return std::to_string(getuid());
}

bool MakeDir(const std::string& path, std::string& error) {
    if (mkdir(path.c_str(), 0700) == 0) return true;
    if (errno != EEXIST) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = path + " exists and is not a directory";
        return false;
    }
    return true;
}

// Points a link at target through a hidden temporary link, so anyone listing
// the ports sees the old link or the new one, never none.
bool ReplaceLink(const std::string& ports, const std::string& name, const std::string& target, std::string& error) {
    const std::string link = ports + "/" + name;
    const std::string temp = ports + "/." + name + ".new." + std::to_string(getpid());
    ::unlink(temp.c_str());
    if (symlink(target.c_str(), temp.c_str()) != 0) {
        error = "cannot create link " + temp + ": " + std::strerror(errno);
        return false;
    }
    if (rename(temp.c_str(), link.c_str()) != 0) {
        error = "cannot create link " + link + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Unlinks path if it is a link to text.
void RemoveLinkTo(const std::string& path, const std::string& text) {
    char buffer[4096];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    if (n < 0) return;
    buffer[n] = '\0';
    if (text == buffer) ::unlink(path.c_str());
}

}  // namespace

std::string RuntimeDir() {
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir) return dir;
    return "/tmp/runtime-" + UserName();
}

bool PortRegistration::add(const std::string& name, const std::string& target, std::string& error) {
    const std::string runtime = RuntimeDir();
    const std::string ports = runtime + "/orvex/ports";
    if (!MakeDir(runtime, error) || !MakeDir(runtime + "/orvex", error) || !MakeDir(ports, error)) return false;

    const std::string link = ports + "/" + name;
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = link + " exists and is not a symbolic link; not replacing it";
        return false;
    }
    // A link left behind by a simulator that was killed is replaced. The
    // owner's pid goes first, in a hidden link beside it (.<name>.pid -> the
    // pid), so the port list can tell a link whose simulator has gone.
    const std::string pid = std::to_string(getpid());
    if (!ReplaceLink(ports, "." + name + ".pid", pid, error) || !ReplaceLink(ports, name, target, error)) return false;
    linkPath_ = link;
    pidPath_ = ports + "/." + name + ".pid";
    pid_ = pid;
    target_ = target;
    return true;
}

void PortRegistration::remove() {
    if (linkPath_.empty()) return;
    // Another simulator may have taken the name over since; leave its links.
    RemoveLinkTo(linkPath_, target_);
    RemoveLinkTo(pidPath_, pid_);
    linkPath_.clear();
}

}  // namespace orvexsim
