#pragma once
// The drive-information component: which drives there are, and the kind and
// volume label of the selected one. On Linux a drive is a mounted file system,
// named by its mount point; the system drive (the one holding "/") plays the
// part of drive C.

#include <cstdint>
#include <string>
#include <vector>

namespace paarvinder {

enum TdcDriveType : std::uint8_t {
  dtUnknown = 0,
  dtNoDrive = 1,
  dtFloppy = 2,
  dtFixed = 3,
  dtNetwork = 4,
  dtCDROM = 5,
  dtRAM = 6,
  dtVirtual = 7,
};

inline const std::string kSystemDrive = "/";

class DiskInfo {
 public:
  virtual ~DiskInfo() = default;
  // The mount points of the drives present, in the byte order of their names.
  virtual std::vector<std::string> GetAvailableDrives() = 0;
  // Selects a drive; a drive that cannot be read is still selected.
  virtual void SetDisk(const std::string& drive) = 0;
  // The selected drive's mount point.
  virtual std::string Disk() const = 0;
  virtual TdcDriveType DriveType() const = 0;
  virtual std::string VolumeLabel() const = 0;
};

// The root folder of a drive: its mount point with a final "/".
std::string RootFolder(const std::string& drive);

}  // namespace paarvinder
