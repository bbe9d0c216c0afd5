#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/DriveKind.h"
#include "platform/MountTableDiskInfo.h"

namespace paarvinder {
namespace {

const std::string kDesktopTable = PAARVINDER_TEST_DATA "/desktop.mountinfo";

// The devices of the machine the fixture table comes from.
class FixtureFacts final : public DriveFacts {
 public:
  DeviceFacts Device(const MountEntry& entry) const override {
    const auto found = devices_.find(entry.source);
    return found == devices_.end() ? DeviceFacts{} : found->second;
  }
  bool Reachable(const std::string& mountPoint) const override { return !unreachable_.contains(mountPoint); }
  std::string VolumeLabel(const DeviceFacts& device) const override {
    const auto found = labels_.find(device.name);
    return found == labels_.end() ? "" : found->second;
  }

 private:
  std::map<std::string, DeviceFacts> devices_ = {
      {"/dev/sda2", {.name = "sda2"}},
      {"/dev/sda3", {.name = "sda3"}},
      {"/dev/sda4", {.name = "sda4"}},
      {"/dev/sda5", {.name = "sda5"}},
      {"/dev/sda6", {.name = "sda6"}},
      {"/dev/sda7", {.name = "sda7"}},
      {"/dev/sdb1", {.name = "sdb1", .removable = true, .usbOrMmc = true}},
      {"/dev/sr0", {.name = "sr0", .removable = true}},
      {"/dev/loop1", {.name = "loop1", .loop = true}},
  };
  std::set<std::string> unreachable_ = {"/mnt/gone"};
  std::map<std::string, std::string> labels_ = {
      {"sda3", "home"}, {"sdb1", "STICK"}, {"sr0", "UBUNTU 22_04"}, {"sda5", "Old Backup"}};
};

MountTableDiskInfo DesktopDisks(const std::string& table = kDesktopTable) {
  return MountTableDiskInfo(table, std::make_unique<FixtureFacts>());
}

struct DriveCase {
  std::string mountPoint;
  TdcDriveType kind;
  std::string label;
};

// In the order the drives must come: by the bytes of their mount points.
const std::vector<DriveCase> kDesktopDrives = {
    {"/", dtFixed, ""},                                       // ext4 root without a label
    {"/dev/shm", dtRAM, ""},                                  // tmpfs
    {"/home", dtFixed, "home"},                               // a separate ext4 partition
    {"/home/anna/remote", dtNetwork, ""},                     // fuse.sshfs
    {"/media/anna/STICK", dtFloppy, "STICK"},                 // vfat on a removable USB disk
    {"/media/anna/UBUNTU 22_04", dtCDROM, "UBUNTU 22_04"},    // iso9660 on /dev/sr0, "\040" decoded
    {"/mnt/data", dtRAM, ""},                                 // tmpfs over an ext4 mount
    {"/mnt/ftp", dtNetwork, ""},                              // a network type only libmount knows
    {"/mnt/gone", dtNoDrive, ""},                             // nfs whose mount point cannot be reached
    {"/mnt/nas", dtNetwork, ""},                              // nfs4
    {"/mnt/old backup", dtFixed, "Old Backup"},               // "\040" in the mount point
    {"/mnt/share", dtNetwork, ""},                            // cifs
    {"/mnt/stack", dtRAM, ""},                                // tmpfs on top of ext4, listed before it
    {"/run", dtRAM, ""},                                      // tmpfs
    {"/snap/hello/42", dtVirtual, ""},                        // squashfs on a loop device
    {"/srv/projects", dtVirtual, "home"},                     // a folder of /home bound elsewhere
    {"/var/lib/docker/overlay2/3f1c/merged", dtUnknown, ""},  // overlay
};

TEST(DriveList, DesktopTableGivesTopMountsInByteOrderWithoutPseudoFileSystems) {
  MountTableDiskInfo disks = DesktopDisks();
  std::vector<std::string> expected;
  for (const DriveCase& drive : kDesktopDrives) expected.push_back(drive.mountPoint);
  // Left out: /proc, /sys, /dev, /dev/pts, both cgroup mounts, binfmt_misc, and
  // /mnt/data/inner, which the tmpfs on /mnt/data hides.
  EXPECT_EQ(disks.GetAvailableDrives(), expected);
}

TEST(DriveList, EachDesktopDriveHasItsKindAndLabel) {
  MountTableDiskInfo disks = DesktopDisks();
  for (const DriveCase& drive : kDesktopDrives) {
    SCOPED_TRACE(drive.mountPoint);
    disks.SetDisk(drive.mountPoint);
    EXPECT_EQ(disks.Disk(), drive.mountPoint);
    EXPECT_EQ(disks.DriveType(), drive.kind);
    EXPECT_EQ(disks.VolumeLabel(), drive.label);
  }
}

TEST(DriveList, DrivesThatAreNotInTheTableAreSelectedAsNoDrive) {
  MountTableDiskInfo disks = DesktopDisks();
  for (const std::string drive : {"/mnt/data/inner", "/proc", "/nowhere", ""}) {
    SCOPED_TRACE(drive);
    disks.SetDisk(drive);
    EXPECT_EQ(disks.Disk(), drive);
    EXPECT_EQ(disks.DriveType(), dtNoDrive);
    EXPECT_EQ(disks.VolumeLabel(), "");
  }
}

TEST(DriveList, FinalSlashOfTheSelectedDriveIsIgnored) {
  MountTableDiskInfo disks = DesktopDisks();
  disks.SetDisk("/home/");
  EXPECT_EQ(disks.Disk(), "/home");
  EXPECT_EQ(disks.DriveType(), dtFixed);
  EXPECT_EQ(disks.VolumeLabel(), "home");
  disks.SetDisk("/");
  EXPECT_EQ(disks.Disk(), "/");
  EXPECT_EQ(disks.DriveType(), dtFixed);
}

TEST(DriveList, UnreadableTableFailsTheListButNotTheSelection) {
  MountTableDiskInfo disks = DesktopDisks(PAARVINDER_TEST_DATA "/no-such.mountinfo");
  EXPECT_THROW(disks.GetAvailableDrives(), MountTableError);
  EXPECT_NO_THROW(disks.SetDisk("/"));
  EXPECT_EQ(disks.Disk(), "/");
  EXPECT_EQ(disks.DriveType(), dtNoDrive);
  EXPECT_EQ(disks.VolumeLabel(), "");
}

TEST(DriveList, TableIsReadAfreshByEveryCall) {
  const std::filesystem::path table =
      std::filesystem::temp_directory_path() / ("paarvinder-drives-" + std::to_string(::getpid()) + ".mountinfo");
  const auto write = [&](const std::string& lines) { std::ofstream(table) << lines; };
  MountTableDiskInfo disks = DesktopDisks(table.string());

  write("22 1 8:2 / / rw - ext4 /dev/sda2 rw\n");
  EXPECT_EQ(disks.GetAvailableDrives(), std::vector<std::string>{"/"});
  disks.SetDisk("/media/anna/STICK");
  EXPECT_EQ(disks.DriveType(), dtNoDrive);

  write("22 1 8:2 / / rw - ext4 /dev/sda2 rw\n38 22 8:17 / /media/anna/STICK rw - vfat /dev/sdb1 rw\n");
  EXPECT_EQ(disks.GetAvailableDrives(), (std::vector<std::string>{"/", "/media/anna/STICK"}));
  disks.SetDisk("/media/anna/STICK");
  EXPECT_EQ(disks.DriveType(), dtFloppy);
  std::filesystem::remove(table);
}

TEST(DriveList, RootFolderEndsWithOneSlash) {
  EXPECT_EQ(RootFolder("/"), "/");
  EXPECT_EQ(RootFolder("/home"), "/home/");
  EXPECT_EQ(RootFolder("/mnt/old backup"), "/mnt/old backup/");
}

struct KindCase {
  const char* what;
  MountEntry entry;
  DeviceFacts device;
  bool reachable;
  TdcDriveType kind;
};

MountEntry Mount(std::string fsType, std::string source, std::string root = "/", std::string subvolume = "") {
  MountEntry entry;
  entry.mountPoint = "/mnt/x";
  entry.fsType = std::move(fsType);
  entry.source = std::move(source);
  entry.root = std::move(root);
  entry.subvolume = std::move(subvolume);
  return entry;
}

const DeviceFacts kDisk = {.name = "sda1"};
const DeviceFacts kStick = {.name = "sdb1", .removable = true, .usbOrMmc = true};
const DeviceFacts kUsbDisk = {.name = "sdc1", .usbOrMmc = true};
const DeviceFacts kLoop = {.name = "loop0", .loop = true};
const DeviceFacts kOptical = {.name = "sr0", .removable = true};

TEST(DriveKind, RulesApplyInTheirOrder) {
  MountEntry libmountNetwork = Mount("fuse.curlftpfs", "curlftpfs#ftp://host/");
  libmountNetwork.networkFs = true;
  const std::vector<KindCase> cases = {
      {"bind mount of a fixed disk", Mount("ext4", "/dev/sda1", "/home/anna"), kDisk, true, dtVirtual},
      {"bind mount of a disc", Mount("iso9660", "/dev/sr0", "/docs"), kOptical, true, dtVirtual},
      {"bind mount of a stick", Mount("vfat", "/dev/sdb1", "/photos"), kStick, true, dtVirtual},
      {"bind mount of a network share", Mount("nfs", "nas:/data", "/sub"), {}, false, dtVirtual},
      {"disc image on a loop device", Mount("iso9660", "/dev/loop0"), kLoop, true, dtCDROM},
      {"udf disc", Mount("udf", "/dev/sr0"), kOptical, true, dtCDROM},
      {"optical device by its source", Mount("auto", "/dev/sr1"), {}, true, dtCDROM},
      {"optical device by its name", Mount("auto", "/dev/cdrom"), kOptical, true, dtCDROM},
      {"unreachable disc", Mount("iso9660", "/dev/sr0"), kOptical, false, dtCDROM},
      {"squashfs on a loop device", Mount("squashfs", "/dev/loop0"), kLoop, true, dtVirtual},
      {"ext4 image on a loop device", Mount("ext4", "/dev/loop0"), kLoop, false, dtVirtual},
      {"removable stick", Mount("vfat", "/dev/sdb1"), kStick, true, dtFloppy},
      {"unreachable stick", Mount("vfat", "/dev/sdb1"), kStick, false, dtFloppy},
      {"USB disk that is not removable", Mount("ext4", "/dev/sdc1"), kUsbDisk, true, dtFloppy},
      {"unreachable fixed disk", Mount("ext4", "/dev/sda1"), kDisk, false, dtNoDrive},
      {"unreachable network share", Mount("cifs", "//server/share"), {}, false, dtNoDrive},
      {"nfs", Mount("nfs", "nas:/data"), {}, true, dtNetwork},
      {"smb3", Mount("smb3", "//server/share"), {}, true, dtNetwork},
      {"ceph", Mount("ceph", "10.0.0.1:/"), {}, true, dtNetwork},
      {"9p", Mount("9p", "hostshare"), {}, true, dtNetwork},
      {"network by libmount", libmountNetwork, {}, true, dtNetwork},
      {"tmpfs", Mount("tmpfs", "tmpfs"), {}, true, dtRAM},
      {"ramfs", Mount("ramfs", "none"), {}, true, dtRAM},
      {"ext4 on an internal disk", Mount("ext4", "/dev/sda1"), kDisk, true, dtFixed},
      {"vfat on an internal disk", Mount("vfat", "/dev/nvme0n1p1"), {.name = "nvme0n1p1"}, true, dtFixed},
      {"btrfs subvolume", Mount("btrfs", "/dev/sda1", "/@home", "/@home"), kDisk, true, dtFixed},
      {"btrfs folder of a subvolume", Mount("btrfs", "/dev/sda1", "/@home/anna", "/@home"), kDisk, true, dtVirtual},
      {"btrfs subvolume of a similar name", Mount("btrfs", "/dev/sda1", "/@homes", "/@home"), kDisk, true, dtVirtual},
      {"overlay", Mount("overlay", "overlay"), {}, true, dtUnknown},
      {"other FUSE", Mount("fuse.rclone", "remote:"), {}, true, dtUnknown},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(DriveKind(c.entry, c.device, c.reachable), c.kind) << c.what;
  }
}

}  // namespace
}  // namespace paarvinder
