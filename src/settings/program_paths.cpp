#include "settings/program_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef NUVELO_INSTALL_DATADIR
#define NUVELO_INSTALL_DATADIR "/usr/local/share/nuvelo"
#endif

namespace fs = std::filesystem;

namespace nuvelo::settings {
namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeDir() {
    std::string home = env("HOME");
    return home.empty() ? std::string("/tmp") : home;
}

bool writableDir(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string executableDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return exe.parent_path().string();
}

std::string programDir() {
    std::string home = env("NUVELO_HOME");
    if (!home.empty()) return home;
    std::string exeDir = executableDir();
    std::error_code ec;
    if (!exeDir.empty() && fs::is_directory(fs::path(exeDir) / "data", ec)) return exeDir;
    // An installed program: <prefix>/bin/nuvelo with <prefix>/share/nuvelo,
    // wherever the prefix was moved at install time.
    if (!exeDir.empty()) {
        fs::path installed = fs::path(exeDir).parent_path() / "share" / "nuvelo";
        if (fs::is_directory(installed / "data", ec)) return installed.string();
    }
    return NUVELO_INSTALL_DATADIR;
}

std::string referenceDbPath() { return (fs::path(programDir()) / "data" / "namedata.db").string(); }

std::string helpManualPath() { return (fs::path(programDir()) / "Help" / reinterpret_cast<const char*>(u8"用户手册.html")).string(); }

std::string pageDir() {
    fs::path data = fs::path(programDir()) / "data";
    if (writableDir(data)) return data.string();
    std::string xdg = env("XDG_DATA_HOME");
    fs::path base = xdg.empty() ? fs::path(homeDir()) / ".local" / "share" : fs::path(xdg);
    fs::path dir = base / "nuvelo";
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir.string();
}

std::string pagePath(const std::string& fileName) { return (fs::path(pageDir()) / fileName).string(); }

std::string settingsFilePath() {
    std::string explicitPath = env("NUVELO_CONFIG");
    if (!explicitPath.empty()) return explicitPath;
    std::string xdg = env("XDG_CONFIG_HOME");
    fs::path base = xdg.empty() ? fs::path(homeDir()) / ".config" : fs::path(xdg);
    return (base / "nuvelo" / "config.dat").string();
}

}  // namespace nuvelo::settings
