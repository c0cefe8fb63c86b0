#include "link/PortHolder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <fstream>

namespace {

bool IsPid(const char* name) {
    for (const char* c = name; *c; ++c)
        if (!std::isdigit(static_cast<unsigned char>(*c))) return false;
    return *name != '\0';
}

bool HasOpen(const std::string& fdDir, dev_t rdev) {
    DIR* d = opendir(fdDir.c_str());
    if (!d) return false;
    bool found = false;
    while (const dirent* e = readdir(d)) {
        struct stat st {};
        if (e->d_name[0] == '.' || stat((fdDir + "/" + e->d_name).c_str(), &st) != 0) continue;
        if (S_ISCHR(st.st_mode) && st.st_rdev == rdev) {
            found = true;
            break;
        }
    }
    closedir(d);
    return found;
}

}  // namespace

std::optional<PortHolder> FindPortHolder(const std::string& device, const std::string& procRoot) {
    struct stat dev {};
    if (stat(device.c_str(), &dev) != 0 || !S_ISCHR(dev.st_mode)) return std::nullopt;
    DIR* proc = opendir(procRoot.c_str());
    if (!proc) return std::nullopt;
    std::optional<PortHolder> holder;
    const std::string self = std::to_string(getpid());
    while (const dirent* e = readdir(proc)) {
        if (!IsPid(e->d_name) || self == e->d_name) continue;
        const std::string dir = procRoot + "/" + e->d_name;
        if (!HasOpen(dir + "/fd", dev.st_rdev)) continue;
        holder = PortHolder{std::stoi(e->d_name), {}};
        std::ifstream(dir + "/comm") >> holder->name;
        break;
    }
    closedir(proc);
    return holder;
}
