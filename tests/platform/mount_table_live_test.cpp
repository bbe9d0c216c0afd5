// The drives of the machine the tests run on. Which drives there are differs
// from machine to machine, so only what holds everywhere is asserted; the list
// is printed, as a look at what the program will sweep here.

#include <gtest/gtest.h>

#include <linux/magic.h>
#include <sys/vfs.h>

#include <algorithm>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "platform/MountTableDiskInfo.h"

namespace paarvinder {
namespace {

const char* KindName(TdcDriveType kind) {
  static const char* const names[] = {"dtUnknown", "dtNoDrive", "dtFloppy", "dtFixed",
                                      "dtNetwork", "dtCDROM",   "dtRAM",    "dtVirtual"};
  return kind <= dtVirtual ? names[kind] : "?";
}

// Kernel-internal file systems, recognised by the kernel's own magic numbers
// rather than by the names the mount table gives.
bool IsKernelPseudo(const std::string& mountPoint) {
  struct statfs info {};
  if (::statfs(mountPoint.c_str(), &info) != 0) return false;
  static const std::set<long> pseudo = {PROC_SUPER_MAGIC,   SYSFS_MAGIC,   DEVPTS_SUPER_MAGIC, CGROUP_SUPER_MAGIC,
                                        CGROUP2_SUPER_MAGIC, DEBUGFS_MAGIC, TRACEFS_MAGIC,      SECURITYFS_MAGIC,
                                        BPF_FS_MAGIC,        PSTOREFS_MAGIC, EFIVARFS_MAGIC,    BINFMTFS_MAGIC,
                                        HUGETLBFS_MAGIC,     NSFS_MAGIC};
  return pseudo.contains(static_cast<long>(info.f_type));
}

TEST(LiveDrives, ThisMachineHasSoundDriveList) {
  MountTableDiskInfo disks;
  const std::vector<std::string> drives = disks.GetAvailableDrives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), "/");
  EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
  EXPECT_EQ(std::adjacent_find(drives.begin(), drives.end()), drives.end()) << "a mount point listed twice";
  for (const std::string& drive : drives) {
    EXPECT_FALSE(IsKernelPseudo(drive)) << drive;
    EXPECT_NE(drive, "/proc");
    EXPECT_NE(drive, "/sys");
  }

  std::cout << "Drives of this machine:\n";
  for (const std::string& drive : drives) {
    disks.SetDisk(drive);
    std::cout << "  " << RootFolder(disks.Disk()) << "\t" << KindName(disks.DriveType()) << "\t\"" << disks.VolumeLabel()
              << "\"\n";
  }
}

TEST(LiveDrives, SystemDriveIsSelectedAsAReachableDrive) {
  MountTableDiskInfo disks;
  disks.SetDisk(kSystemDrive);
  EXPECT_EQ(disks.Disk(), "/");
  EXPECT_NE(disks.DriveType(), dtNoDrive);
}

}  // namespace
}  // namespace paarvinder
