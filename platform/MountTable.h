#pragma once
// The kernel's mount table, and which of its entries are drives.

#include <stdexcept>
#include <string>
#include <vector>

namespace paarvinder {

inline const std::string kMountTablePath = "/proc/self/mountinfo";

// One line of a mountinfo table, with its escapes decoded.
struct MountEntry {
  int id = 0;
  int parentId = 0;
  unsigned major = 0;  // st_dev of the file system; 0 for one without a device
  unsigned minor = 0;
  std::string root;        // the folder of the file system that is mounted ("/" for all of it)
  std::string mountPoint;
  std::string fsType;
  std::string source;
  std::string subvolume;   // btrfs: the subvolume named by the mount, else empty
  bool networkFs = false;  // libmount counts fsType as a network file system
};

class MountTableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Every entry of a mountinfo file, in its order. Lines that cannot be parsed
// are skipped; a file that cannot be read throws MountTableError.
std::vector<MountEntry> ReadMountTable(const std::string& path);

// The drives of a table: of the file systems stacked on one mount point only the
// top one, none that an over-mount hides, no pseudo file system; ordered by the
// bytes of their mount points, so "/" comes first.
std::vector<MountEntry> DrivesOf(const std::vector<MountEntry>& table);

}  // namespace paarvinder
