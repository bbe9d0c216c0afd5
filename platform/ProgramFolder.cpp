#include "platform/ProgramFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace paarvinder {

namespace {

std::string WithFinalSlash(std::string_view folder) {
  std::string result(folder);
  if (result.empty() || result.back() != '/') result += '/';
  return result;
}

std::string FallbackFolder(std::string_view xdgDataHome, std::string_view home) {
  const std::string dataHome = xdgDataHome.starts_with('/')
                                   ? WithFinalSlash(xdgDataHome)
                                   : WithFinalSlash(home) + ".local/share/";
  return dataHome + "Paarvinder/";
}

std::string ReadProgramFile() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) return found->pw_dir;
  return {};
}

}  // namespace

std::string ProgramFolderFrom(std::string_view programFile, std::string_view xdgDataHome,
                              std::string_view home,
                              const std::function<bool(const std::string& folder)>& canWrite) {
  const std::size_t slash = programFile.rfind('/');
  if (slash != std::string_view::npos) {
    const std::string folder(programFile.substr(0, slash + 1));
    if (canWrite(folder)) return folder;
  }
  const std::string fallback = FallbackFolder(xdgDataHome, home);
  std::error_code ignored;
  std::filesystem::create_directories(fallback, ignored);
  return fallback;
}

std::string ProgramFolder() {
  const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
  return ProgramFolderFrom(ReadProgramFile(), xdgDataHome ? xdgDataHome : "", HomeFolder(),
                           [](const std::string& folder) { return access(folder.c_str(), W_OK) == 0; });
}

}  // namespace paarvinder
