#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/SystemDriveFacts.h"

namespace paarvinder {
namespace {

namespace fs = std::filesystem;

// A small sysfs and by-label folder, shaped as the kernel and udev make them.
class FakeSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("paarvinder-sysfs-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    const std::string sata = "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda";
    const std::string stick = "devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb";
    const std::string usbDisk = "devices/pci0000:00/0000:00:14.0/usb2/2-2/2-2:1.0/host7/target7:0:0/7:0:0:0/block/sdc";
    const std::string card = "devices/platform/soc/fe340000.mmc/mmc_host/mmc0/mmc0:0001/block/mmcblk0";
    AddDisk(sata, "0", {"sda1", "sda2"});
    AddDisk(stick, "1", {"sdb1"});
    AddDisk(usbDisk, "0", {"sdc1"});
    AddDisk(card, "0", {"mmcblk0p1"});
    AddDisk("devices/virtual/block/loop1", "0", {});
    AddDisk("devices/virtual/block/dm-0", "0", {});
    AddDisk("devices/virtual/block/dm-1", "0", {});
    Link("devices/virtual/block/dm-0/slaves/sdb1", "../../../../../" + stick + "/sdb1");
    Link("devices/virtual/block/dm-1/slaves/sda2", "../../../../../" + sata + "/sda2");
    Link("dev/block/8:1", "../../" + sata + "/sda1");
    Link("dev/block/253:0", "../../devices/virtual/block/dm-0");
    fs::create_directories(root_ / "by-label");
    fs::create_symlink("../../sdb1", root_ / "by-label" / "My\\x20Stick");
    fs::create_symlink("../../sda1", root_ / "by-label" / "root");
    fs::create_symlink("../../dm-0", root_ / "by-label" / "caf\\xc3\\xa9");
  }
  void TearDown() override { fs::remove_all(root_); }

  SystemDriveFacts Facts() const {
    return SystemDriveFacts({.sysfs = (root_ / "sys").string(),
                             .labelLinks = (root_ / "by-label").string(),
                             .probeLabels = false});
  }

  fs::path root_;

 private:
  void AddDisk(const std::string& disk, const std::string& removable, const std::vector<std::string>& partitions) {
    const fs::path sys = root_ / "sys";
    fs::create_directories(sys / disk);
    std::ofstream(sys / disk / "removable") << removable << "\n";
    const std::string name = fs::path(disk).filename().string();
    Link("class/block/" + name, "../../" + disk);
    for (const std::string& partition : partitions) {
      fs::create_directories(sys / disk / partition);
      std::ofstream(sys / disk / partition / "partition") << "1\n";
      Link("class/block/" + partition, "../../" + disk + "/" + partition);
    }
  }
  void Link(const std::string& where, const std::string& target) {
    const fs::path link = root_ / "sys" / where;
    fs::create_directories(link.parent_path());
    fs::create_symlink(target, link);
  }
};

MountEntry OnSource(std::string source, unsigned major = 0, unsigned minor = 0) {
  MountEntry entry;
  entry.source = std::move(source);
  entry.major = major;
  entry.minor = minor;
  return entry;
}

struct DeviceCase {
  const char* what;
  MountEntry entry;
  DeviceFacts expected;
  std::string label;
};

TEST_F(FakeSystem, DevicesGiveTheirFactsAndLabels) {
  const std::vector<DeviceCase> cases = {
      {"internal partition", OnSource("/dev/sda1"), {.name = "sda1"}, "root"},
      {"partition of a removable USB stick", OnSource("/dev/sdb1"),
       {.name = "sdb1", .removable = true, .usbOrMmc = true}, "My Stick"},
      {"USB disk that is not removable", OnSource("/dev/sdc1"), {.name = "sdc1", .usbOrMmc = true}, ""},
      {"memory card", OnSource("/dev/mmcblk0p1"), {.name = "mmcblk0p1", .usbOrMmc = true}, ""},
      {"loop device", OnSource("/dev/loop1"), {.name = "loop1", .loop = true}, ""},
      {"mapped device on a stick, by its numbers", OnSource("/dev/mapper/paarvinder-test-secret", 253, 0),
       {.name = "dm-0", .removable = true, .usbOrMmc = true}, "caf\xc3\xa9"},
      {"mapped device on an internal disk", OnSource("/dev/dm-1"), {.name = "dm-1"}, ""},
      {"source that is no device node, by its numbers", OnSource("/dev/paarvinder-test-root", 8, 1),
       {.name = "sda1"}, "root"},
      {"device unknown to sysfs", OnSource("/dev/paarvinder-test-none", 9, 9), {}, ""},
      {"tmpfs", OnSource("tmpfs"), {}, ""},
      {"network share", OnSource("nas:/export"), {}, ""},
  };
  const SystemDriveFacts facts = Facts();
  for (const DeviceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const DeviceFacts device = facts.Device(c.entry);
    EXPECT_EQ(device.name, c.expected.name);
    EXPECT_EQ(device.removable, c.expected.removable);
    EXPECT_EQ(device.usbOrMmc, c.expected.usbOrMmc);
    EXPECT_EQ(device.loop, c.expected.loop);
    EXPECT_EQ(facts.VolumeLabel(device), c.label);
  }
}

TEST_F(FakeSystem, MissingSysfsAndLabelFolderGiveNoFacts) {
  const SystemDriveFacts facts({.sysfs = (root_ / "none").string(),
                                .labelLinks = (root_ / "none").string(),
                                .probeLabels = false});
  const DeviceFacts device = facts.Device(OnSource("/dev/sda1", 8, 1));
  EXPECT_EQ(device.name, "");
  EXPECT_EQ(facts.VolumeLabel({.name = "sda1"}), "");
}

TEST_F(FakeSystem, ReachableMeansAFolderThatExists) {
  const SystemDriveFacts facts = Facts();
  EXPECT_TRUE(facts.Reachable(root_.string()));
  EXPECT_FALSE(facts.Reachable((root_ / "absent").string()));
  EXPECT_FALSE(facts.Reachable((root_ / "sys/devices/virtual/block/loop1/removable").string()));
}

TEST(UdevNames, EscapesAreDecoded) {
  EXPECT_EQ(DecodeUdevName("My\\x20Stick"), "My Stick");
  EXPECT_EQ(DecodeUdevName("a\\x2fb"), "a/b");
  EXPECT_EQ(DecodeUdevName("caf\\xc3\\xa9"), "caf\xc3\xa9");
  EXPECT_EQ(DecodeUdevName("\\x41\\x42"), "AB");
  // Anything that is not a whole escape stays as it is.
  EXPECT_EQ(DecodeUdevName("end\\x2"), "end\\x2");
  EXPECT_EQ(DecodeUdevName("\\xZZ"), "\\xZZ");
  EXPECT_EQ(DecodeUdevName("back\\slash"), "back\\slash");
}

}  // namespace
}  // namespace paarvinder
