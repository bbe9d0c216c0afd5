#pragma once
// The folders from a walk's start down to the folder being walked, each opened
// relative to its parent, so that neither the depth of a tree nor the length
// of its paths (beyond PATH_MAX) limits the walk.
//
// A deep tree would need more handles than a process may hold, so at most a
// budget of them stays open: the start folder and the deepest ones. A folder
// whose handle was given up is opened again when the walk comes back to it,
// through ".." of its child, or failing that down from the nearest open
// folder by name; either way it must be the same folder (device, inode) as
// before. A folder that cannot be found again (moved or removed meanwhile) is
// lost: the walk passes over what it had left in it.
//
// The chain stays on the start folder's file system: a subfolder that is the
// mount point of another one is not entered. Whether it is, is looked up by
// name without triggering an automount; the open then refuses to cross a
// mount point (openat2 RESOLVE_NO_XDEV), or where the kernel has no openat2,
// the opened handle is checked. Every handle is released by the destructor,
// whatever way the walk ends.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace paarvinder {

struct FolderIdentity {
  std::uint64_t mount = 0;  // the mount id; the device where the kernel has none
  std::uint64_t inode = 0;
  friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

class FolderChain {
 public:
  // How a subfolder is opened so that no mount point is crossed.
  enum class Opening {
    RefusingMounts,  // openat2 with RESOLVE_NO_XDEV: one system call
    CheckedAfter,    // openat, then the handle's mount and inode compared
  };

  // The budget of open handles, from the process's open-file limit.
  static std::size_t DefaultHandleBudget();
  // RefusingMounts where the kernel (and any filter in front of it) allows.
  static Opening DefaultOpening();

  explicit FolderChain(std::size_t handleBudget = DefaultHandleBudget(), Opening opening = DefaultOpening());
  ~FolderChain();
  FolderChain(const FolderChain&) = delete;
  FolderChain& operator=(const FolderChain&) = delete;

  // Opens the walk's start folder, a path ending in "/". False when it
  // cannot be opened.
  bool Start(const std::string& folderPath);

  // Opens the subfolder `name` of the deepest folder and makes it the
  // deepest. False, and the chain unchanged, when it cannot be opened, is no
  // folder (any more), or lies on another file system.
  bool Enter(const char* name);

  // Goes back to the parent of the deepest folder, opening it again when its
  // handle was given up. Not for the start folder.
  void Leave();

  // The deepest folder's handle; -1 when that folder was lost.
  int Fd() const { return levels_.back().fd; }
  // The deepest folder's path, ending in "/"; may be longer than PATH_MAX.
  const std::string& Path() const { return path_; }
  std::size_t Depth() const { return levels_.size(); }
  std::size_t OpenHandles() const { return openHandles_; }

 private:
  struct Level {
    int fd = -1;
    FolderIdentity identity;
    std::size_t pathLength = 0;  // of the path up to and including this folder's "/"
  };

  void GiveUpHandlesOverBudget();
  int OpenAgain(std::size_t index, int childFd) const;
  int OpenDownFromNearestOpen(std::size_t index) const;
  void Close(Level& level);

  int OpenSubfolder(int parentFd, const char* name, const FolderIdentity& identity) const;

  std::size_t budget_;
  Opening opening_;
  std::vector<Level> levels_;
  std::string path_;
  std::size_t openHandles_ = 0;
  std::size_t oldestMaybeOpen_ = 1;  // below it, only the start folder is open
};

}  // namespace paarvinder
