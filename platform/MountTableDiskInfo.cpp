#include "platform/MountTableDiskInfo.h"

#include <utility>

#include "platform/DriveKind.h"
#include "platform/SystemDriveFacts.h"

namespace paarvinder {

MountTableDiskInfo::MountTableDiskInfo()
    : MountTableDiskInfo(kMountTablePath, std::make_unique<SystemDriveFacts>()) {}

MountTableDiskInfo::MountTableDiskInfo(std::string mountTablePath, std::unique_ptr<DriveFacts> facts)
    : mountTablePath_(std::move(mountTablePath)), facts_(std::move(facts)) {}

std::vector<std::string> MountTableDiskInfo::GetAvailableDrives() {
  std::vector<std::string> drives;
  for (const MountEntry& entry : DrivesOf(ReadMountTable(mountTablePath_))) drives.push_back(entry.mountPoint);
  return drives;
}

std::optional<MountEntry> MountTableDiskInfo::FindDrive(const std::string& mountPoint) const {
  try {
    for (MountEntry& entry : DrivesOf(ReadMountTable(mountTablePath_))) {
      if (entry.mountPoint == mountPoint) return std::move(entry);
    }
  } catch (const MountTableError&) {
    // A table that cannot be read leaves the drive unknown.
  }
  return std::nullopt;
}

void MountTableDiskInfo::SetDisk(const std::string& drive) {
  disk_ = drive;
  while (disk_.size() > 1 && disk_.back() == '/') disk_.pop_back();
  kind_ = dtNoDrive;
  device_ = {};
  label_.reset();
  const std::optional<MountEntry> entry = FindDrive(disk_);
  if (!entry) return;
  device_ = facts_->Device(*entry);
  kind_ = DriveKind(*entry, device_, facts_->Reachable(entry->mountPoint));
}

std::string MountTableDiskInfo::Disk() const { return disk_; }

TdcDriveType MountTableDiskInfo::DriveType() const { return kind_; }

std::string MountTableDiskInfo::VolumeLabel() const {
  if (!label_) label_ = kind_ == dtNoDrive ? std::string() : facts_->VolumeLabel(device_);
  return *label_;
}

}  // namespace paarvinder
