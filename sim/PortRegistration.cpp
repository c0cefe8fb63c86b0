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
    // A link left behind by a simulator that was killed is replaced; the
    // rename makes the switch atomic for anyone listing the ports.
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
    linkPath_ = link;
    target_ = target;
    return true;
}

void PortRegistration::remove() {
    if (linkPath_.empty()) return;
    char buffer[4096];
    ssize_t n = readlink(linkPath_.c_str(), buffer, sizeof buffer - 1);
    if (n >= 0) {
        buffer[n] = '\0';
        // Another simulator may have taken the name over since; leave its link.
        if (target_ == buffer) ::unlink(linkPath_.c_str());
    }
    linkPath_.clear();
}

}  // namespace orvexsim
