#pragma once
// What the kind and label of a drive depend on beyond its mount entry: the
// block device under it, whether its mount point can be reached, its label.
// Behind an interface, so tests can give the facts of any machine.

#include <string>

#include "platform/MountTable.h"

namespace paarvinder {

struct DeviceFacts {
  std::string name;        // the kernel's name of the block device ("sdb1"), empty for none
  bool removable = false;  // the disk says its medium can be taken out
  bool usbOrMmc = false;   // the disk sits on a USB or MMC bus
  bool loop = false;       // a loop device, showing a file as a disk
};

class DriveFacts {
 public:
  virtual ~DriveFacts() = default;
  virtual DeviceFacts Device(const MountEntry& entry) const = 0;
  // The mount point exists and is a folder.
  virtual bool Reachable(const std::string& mountPoint) const = 0;
  // The label of the file system on the device; empty when it has none or it
  // cannot be read.
  virtual std::string VolumeLabel(const DeviceFacts& device) const = 0;
};

}  // namespace paarvinder
