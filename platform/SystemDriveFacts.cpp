#include "platform/SystemDriveFacts.h"

#include <blkid/blkid.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <utility>

namespace paarvinder {
namespace fs = std::filesystem;
namespace {

// Mapped devices are built on few layers; the bound keeps a looping
// sysfs from recursing without end.
constexpr int kMaxLayers = 8;

bool ReadsOne(const fs::path& flagFile) {
  std::ifstream in(flagFile);
  char value = 0;
  return in.get(value) && value == '1';
}

std::string ProbedLabel(const std::string& devicePath) {
  blkid_probe probe = blkid_new_probe_from_filename(devicePath.c_str());
  if (!probe) return {};
  std::string label;
  blkid_probe_enable_superblocks(probe, 1);
  blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL);
  const char* value = nullptr;
  if (blkid_do_safeprobe(probe) == 0 && blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0 && value) {
    label = value;
  }
  blkid_free_probe(probe);
  return label;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DecodeUdevName(const std::string& encoded) {
  std::string decoded;
  for (size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] == '\\' && i + 3 < encoded.size() && encoded[i + 1] == 'x') {
      const int high = HexDigit(encoded[i + 2]);
      const int low = HexDigit(encoded[i + 3]);
      if (high >= 0 && low >= 0) {
        decoded += static_cast<char>(high * 16 + low);
        i += 3;
        continue;
      }
    }
    decoded += encoded[i];
  }
  return decoded;
}

SystemDriveFacts::SystemDriveFacts(SystemPaths paths) : paths_(std::move(paths)) {}

std::string SystemDriveFacts::KernelName(const MountEntry& entry) const {
  std::error_code error;
  if (entry.source.starts_with("/dev/")) {
    const fs::path source = entry.source;
    const fs::path resolved = fs::canonical(source, error);
    const std::string name = (error ? source : resolved).filename().string();
    if (!name.empty() && fs::exists(fs::path(paths_.sysfs) / "class/block" / name, error)) return name;
  }
  // A source that is no device node ("/dev/root"): the numbers of the mount.
  if (entry.major != 0) {
    const std::string numbers = std::to_string(entry.major) + ":" + std::to_string(entry.minor);
    const fs::path device = fs::canonical(fs::path(paths_.sysfs) / "dev/block" / numbers, error);
    if (!error) return device.filename().string();
  }
  return {};
}

void SystemDriveFacts::AddDiskFacts(const std::string& name, DeviceFacts& facts, int depth) const {
  std::error_code error;
  const fs::path sysfs = fs::canonical(paths_.sysfs, error);
  if (error) return;
  const fs::path device = fs::canonical(sysfs / "class/block" / name, error);
  if (error) return;
  const std::string where = "/" + device.lexically_relative(sysfs).generic_string();
  if (where.find("/usb") != std::string::npos || where.find("/mmc") != std::string::npos) facts.usbOrMmc = true;
  const fs::path disk = fs::exists(device / "partition", error) ? device.parent_path() : device;
  if (ReadsOne(disk / "removable")) facts.removable = true;
  if (depth >= kMaxLayers) return;
  for (fs::directory_iterator slave(device / "slaves", error), end; !error && slave != end; slave.increment(error)) {
    AddDiskFacts(slave->path().filename().string(), facts, depth + 1);
  }
}

DeviceFacts SystemDriveFacts::Device(const MountEntry& entry) const {
  DeviceFacts facts;
  facts.name = KernelName(entry);
  if (facts.name.empty()) return facts;
  facts.loop = facts.name.starts_with("loop");
  AddDiskFacts(facts.name, facts, 0);
  return facts;
}

bool SystemDriveFacts::Reachable(const std::string& mountPoint) const {
  struct stat status {};
  return ::stat(mountPoint.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string SystemDriveFacts::LinkedLabel(const std::string& name) const {
  std::error_code error;
  for (fs::directory_iterator link(paths_.labelLinks, error), end; !error && link != end; link.increment(error)) {
    std::error_code unreadable;
    const fs::path target = fs::read_symlink(link->path(), unreadable);
    if (!unreadable && target.filename() == name) return DecodeUdevName(link->path().filename().string());
  }
  return {};
}

std::string SystemDriveFacts::VolumeLabel(const DeviceFacts& device) const {
  if (device.name.empty()) return {};
  std::string label = LinkedLabel(device.name);
  if (label.empty() && paths_.probeLabels) label = ProbedLabel("/dev/" + device.name);
  return label;
}

}  // namespace paarvinder
