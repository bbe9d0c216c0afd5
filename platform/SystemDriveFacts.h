#pragma once
// The facts of a drive as this machine gives them: the block device from sysfs,
// the label from the links of /dev/disk/by-label or, failing those, from the
// file system itself through libblkid (which needs read access to the device,
// usually root; without it the label is silently empty).

#include <string>

#include "platform/DriveFacts.h"

namespace paarvinder {

struct SystemPaths {
  std::string sysfs = "/sys";
  std::string labelLinks = "/dev/disk/by-label";
  bool probeLabels = true;  // ask libblkid when no link names the device
};

class SystemDriveFacts final : public DriveFacts {
 public:
  explicit SystemDriveFacts(SystemPaths paths = {});

  // A partition takes the removable flag of its disk; a mapped device (LVM,
  // encryption) those of the devices it is built on.
  DeviceFacts Device(const MountEntry& entry) const override;
  bool Reachable(const std::string& mountPoint) const override;
  std::string VolumeLabel(const DeviceFacts& device) const override;

 private:
  std::string KernelName(const MountEntry& entry) const;
  void AddDiskFacts(const std::string& name, DeviceFacts& facts, int depth) const;
  std::string LinkedLabel(const std::string& name) const;

  SystemPaths paths_;
};

// A name as udev writes it in /dev/disk/by-label, with "\x20" for a space.
std::string DecodeUdevName(const std::string& encoded);

}  // namespace paarvinder
