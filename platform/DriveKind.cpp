#include "platform/DriveKind.h"

#include <initializer_list>
#include <string_view>

namespace paarvinder {
namespace {

bool OneOf(std::string_view value, std::initializer_list<std::string_view> choices) {
  for (std::string_view choice : choices) {
    if (value == choice) return true;
  }
  return false;
}

bool IsOptical(const MountEntry& entry, const DeviceFacts& device) {
  return OneOf(entry.fsType, {"iso9660", "udf"}) || entry.source.starts_with("/dev/sr") ||
         device.name.starts_with("sr");
}

std::string_view WithoutFinalSlashes(std::string_view path) {
  while (!path.empty() && path.back() == '/') path.remove_suffix(1);
  return path;
}

// Rule 1: the mounted root, taken relative to a btrfs subvolume the mount names
// (a subvolume is a file system of its own), is not the whole file system.
bool IsBindMount(const MountEntry& entry) {
  std::string_view root = WithoutFinalSlashes(entry.root);
  const std::string_view subvolume = WithoutFinalSlashes(entry.subvolume);
  if (!subvolume.empty() && root.starts_with(subvolume) &&
      (root.size() == subvolume.size() || root[subvolume.size()] == '/')) {
    root.remove_prefix(subvolume.size());
  }
  return !root.empty();
}

bool IsNetworkFileSystem(const MountEntry& entry) {
  return entry.networkFs || OneOf(entry.fsType, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph",
                                                 "glusterfs", "9p", "fuse.sshfs", "davfs", "fuse.davfs2"});
}

}  // namespace

TdcDriveType DriveKind(const MountEntry& entry, const DeviceFacts& device, bool reachable) {
  if (IsBindMount(entry)) return dtVirtual;
  if (IsOptical(entry, device)) return dtCDROM;
  if (device.loop) return dtVirtual;
  if (device.removable || device.usbOrMmc) return dtFloppy;
  if (!reachable) return dtNoDrive;
  if (IsNetworkFileSystem(entry)) return dtNetwork;
  if (OneOf(entry.fsType, {"tmpfs", "ramfs"})) return dtRAM;
  if (!device.name.empty()) return dtFixed;
  return dtUnknown;
}

}  // namespace paarvinder
