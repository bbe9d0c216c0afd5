#pragma once
// DiskInfo on Linux: the drives are the mounted file systems of the mount
// table, read afresh by every call that needs it, since drives come and go.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/DiskInfo.h"
#include "platform/DriveFacts.h"
#include "platform/MountTable.h"

namespace paarvinder {

class MountTableDiskInfo final : public DiskInfo {
 public:
  // This machine: /proc/self/mountinfo, sysfs and the device labels.
  MountTableDiskInfo();
  MountTableDiskInfo(std::string mountTablePath, std::unique_ptr<DriveFacts> facts);

  // Throws MountTableError when the mount table cannot be read.
  std::vector<std::string> GetAvailableDrives() override;
  // Never throws for a drive that is gone, unknown or unreadable: it is
  // selected as dtNoDrive with an empty label. A final "/" is ignored.
  void SetDisk(const std::string& drive) override;
  std::string Disk() const override;
  TdcDriveType DriveType() const override;
  // Read when first asked, so selecting a drive that is passed over, or the
  // system drive at start-up, never touches its device.
  std::string VolumeLabel() const override;

 private:
  std::optional<MountEntry> FindDrive(const std::string& mountPoint) const;

  std::string mountTablePath_;
  std::unique_ptr<DriveFacts> facts_;
  std::string disk_;
  TdcDriveType kind_ = dtNoDrive;
  DeviceFacts device_;
  mutable std::optional<std::string> label_;
};

}  // namespace paarvinder
