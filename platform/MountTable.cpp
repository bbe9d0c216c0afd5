#include "platform/MountTable.h"

#include <libmount/libmount.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include <sys/sysmacros.h>

namespace paarvinder {
namespace {

struct TableDeleter {
  void operator()(libmnt_table* table) const { mnt_unref_table(table); }
};
struct IterDeleter {
  void operator()(libmnt_iter* iter) const { mnt_free_iter(iter); }
};

std::string Text(const char* text) { return text ? text : ""; }

std::string Subvolume(libmnt_fs* fs) {
  char* value = nullptr;
  size_t size = 0;
  if (mnt_fs_get_option(fs, "subvol", &value, &size) != 0 || value == nullptr) return {};
  return std::string(value, size);
}

MountEntry EntryOf(libmnt_fs* fs) {
  MountEntry entry;
  entry.id = mnt_fs_get_id(fs);
  entry.parentId = mnt_fs_get_parent_id(fs);
  const dev_t device = mnt_fs_get_devno(fs);
  entry.major = major(device);
  entry.minor = minor(device);
  entry.root = Text(mnt_fs_get_root(fs));
  entry.mountPoint = Text(mnt_fs_get_target(fs));
  entry.fsType = Text(mnt_fs_get_fstype(fs));
  entry.source = Text(mnt_fs_get_source(fs));
  entry.subvolume = Subvolume(fs);
  entry.networkFs = mnt_fs_is_netfs(fs) == 1;
  return entry;
}

// libmount's own pseudo test also counts tmpfs, ramfs, overlay and some FUSE
// file systems; those are drives here, so the list is ours.
constexpr std::string_view kPseudoFileSystems[] = {
    "anon_inodefs", "apparmorfs", "autofs",     "bdev",       "binder",      "binfmt_misc", "bpf",
    "cgroup",       "cgroup2",    "configfs",   "cpuset",     "debugfs",     "devfs",       "devpts",
    "devtmpfs",     "efivarfs",   "fusectl",    "hugetlbfs",  "mqueue",      "nfsd",        "nsfs",
    "pipefs",       "proc",       "pstore",     "resctrl",    "rootfs",      "rpc_pipefs",  "securityfs",
    "selinuxfs",    "smackfs",    "sockfs",     "swap",       "sysfs",       "tracefs",
};

// Kernel-internal file systems and swap: mounted, but nothing to search.
bool IsPseudoFileSystem(std::string_view fsType) {
  for (std::string_view pseudo : kPseudoFileSystems) {
    if (fsType == pseudo) return true;
  }
  return false;
}

class Visibility {
 public:
  explicit Visibility(const std::vector<MountEntry>& table) : table_(table) {
    for (size_t i = 0; i < table.size(); ++i) byId_[table[i].id] = i;
    for (const MountEntry& entry : table) {
      const MountEntry* parent = Parent(entry);
      if (parent && parent->mountPoint == entry.mountPoint) covered_.insert(parent->id);
    }
  }

  // On top of its mount point, and every mount it is reached through is too.
  bool Visible(const MountEntry& entry) const { return !Covered(entry) && Reachable(entry); }

 private:
  bool Covered(const MountEntry& entry) const { return covered_.count(entry.id) != 0; }

  const MountEntry* Parent(const MountEntry& entry) const {
    const auto found = byId_.find(entry.parentId);
    if (found == byId_.end()) return nullptr;
    const MountEntry* parent = &table_[found->second];
    return parent->id == entry.id ? nullptr : parent;
  }

  // A mount stacked on the same point as its parent is reached where the parent
  // is; any other needs a parent that is on top of its own point. The bound on
  // the steps guards against a table whose parent links loop.
  bool Reachable(const MountEntry& entry) const {
    const MountEntry* current = &entry;
    for (size_t steps = 0; steps <= table_.size(); ++steps) {
      const MountEntry* parent = Parent(*current);
      if (!parent) return true;
      if (parent->mountPoint != current->mountPoint && Covered(*parent)) return false;
      current = parent;
    }
    return false;
  }

  const std::vector<MountEntry>& table_;
  std::unordered_map<int, size_t> byId_;
  std::unordered_set<int> covered_;
};

}  // namespace

std::vector<MountEntry> ReadMountTable(const std::string& path) {
  std::unique_ptr<libmnt_table, TableDeleter> table(mnt_new_table());
  if (!table) throw MountTableError("Cannot read the mount table " + path + ": out of memory");
  const int rc = mnt_table_parse_file(table.get(), path.c_str());
  if (rc != 0) {
    throw MountTableError("Cannot read the mount table " + path + ": " + std::strerror(rc < 0 ? -rc : EINVAL));
  }
  std::unique_ptr<libmnt_iter, IterDeleter> iter(mnt_new_iter(MNT_ITER_FORWARD));
  if (!iter) throw MountTableError("Cannot read the mount table " + path + ": out of memory");
  std::vector<MountEntry> entries;
  libmnt_fs* fs = nullptr;
  while (mnt_table_next_fs(table.get(), iter.get(), &fs) == 0) entries.push_back(EntryOf(fs));
  return entries;
}

std::vector<MountEntry> DrivesOf(const std::vector<MountEntry>& table) {
  const Visibility visibility(table);
  // std::string orders by unsigned bytes; a later entry on the same point wins.
  std::map<std::string, const MountEntry*> byMountPoint;
  for (const MountEntry& entry : table) {
    if (visibility.Visible(entry)) byMountPoint[entry.mountPoint] = &entry;
  }
  std::vector<MountEntry> drives;
  for (const auto& [mountPoint, entry] : byMountPoint) {
    if (!IsPseudoFileSystem(entry->fsType)) drives.push_back(*entry);
  }
  return drives;
}

}  // namespace paarvinder
