#include "platform/FolderChain.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>

namespace paarvinder {

namespace {

constexpr unsigned kWanted = STATX_TYPE | STATX_INO | STATX_MNT_ID;
constexpr int kFolderOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

FolderIdentity IdentityOf(const struct statx& info) {
  const std::uint64_t mount =
      (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : makedev(info.stx_dev_major, info.stx_dev_minor);
  return FolderIdentity{mount, info.stx_ino};
}

bool IdentityOfHandle(int fd, FolderIdentity& identity) {
  struct statx info;
  if (statx(fd, "", AT_EMPTY_PATH, kWanted, &info) != 0) return false;
  identity = IdentityOf(info);
  return true;
}

bool IsFolder(int fd, const FolderIdentity& expected) {
  FolderIdentity identity;
  return IdentityOfHandle(fd, identity) && identity == expected;
}

int OpenRefusingMounts(int parentFd, const char* name) {
  struct open_how how {};
  how.flags = kFolderOpenFlags;
  how.resolve = RESOLVE_NO_XDEV;
  return static_cast<int>(syscall(SYS_openat2, parentFd, name, &how, sizeof how));
}

}  // namespace

std::size_t FolderChain::DefaultHandleBudget() {
  // A quarter of the limit leaves the rest of the program (and a walk nested
  // in this one) its handles.
  constexpr std::size_t kMost = 64;
  struct rlimit limit;
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kMost;
  return std::clamp<std::size_t>(limit.rlim_cur / 4, 2, kMost);
}

FolderChain::Opening FolderChain::DefaultOpening() {
  static const Opening opening = [] {
    const int fd = OpenRefusingMounts(AT_FDCWD, "/");
    if (fd < 0) return Opening::CheckedAfter;
    close(fd);
    return Opening::RefusingMounts;
  }();
  return opening;
}

FolderChain::FolderChain(std::size_t handleBudget, Opening opening)
    : budget_(std::max<std::size_t>(handleBudget, 2)), opening_(opening) {}

FolderChain::~FolderChain() {
  for (Level& level : levels_) Close(level);
}

void FolderChain::Close(Level& level) {
  if (level.fd < 0) return;
  close(level.fd);
  level.fd = -1;
  --openHandles_;
}

bool FolderChain::Start(const std::string& folderPath) {
  const int fd = open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  FolderIdentity identity;
  if (!IdentityOfHandle(fd, identity)) {
    close(fd);
    return false;
  }
  levels_.push_back(Level{fd, identity, folderPath.size()});
  ++openHandles_;
  path_ = folderPath;
  return true;
}

bool FolderChain::Enter(const char* name) {
  const int parentFd = levels_.back().fd;
  if (parentFd < 0) return false;
  // Looked at by name first: a mount point is recognised without being opened,
  // which would set off an automount.
  struct statx info;
  if (statx(parentFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kWanted, &info) != 0) return false;
  const FolderIdentity identity = IdentityOf(info);
  if (!S_ISDIR(info.stx_mode) || identity.mount != levels_.front().identity.mount) return false;
  const int fd = OpenSubfolder(parentFd, name, identity);
  if (fd < 0) return false;
  path_.append(name).push_back('/');
  levels_.push_back(Level{fd, identity, path_.size()});
  ++openHandles_;
  GiveUpHandlesOverBudget();
  return true;
}

int FolderChain::OpenSubfolder(int parentFd, const char* name, const FolderIdentity& identity) const {
  // The name may have come to stand for a mount point since it was looked at.
  if (opening_ == Opening::RefusingMounts) return OpenRefusingMounts(parentFd, name);
  const int fd = openat(parentFd, name, kFolderOpenFlags);
  if (fd >= 0 && !IsFolder(fd, identity)) {
    close(fd);
    return -1;
  }
  return fd;
}

void FolderChain::GiveUpHandlesOverBudget() {
  // The budget is at least two, so the deepest folder is never the oldest open
  // one after the start folder.
  while (openHandles_ > budget_) {
    while (levels_[oldestMaybeOpen_].fd < 0) ++oldestMaybeOpen_;
    Close(levels_[oldestMaybeOpen_]);
  }
}

void FolderChain::Leave() {
  Level child = levels_.back();
  levels_.pop_back();
  path_.resize(levels_.back().pathLength);
  const std::size_t index = levels_.size() - 1;
  oldestMaybeOpen_ = std::min(oldestMaybeOpen_, levels_.size());
  Level& parent = levels_.back();
  if (parent.fd < 0) {
    parent.fd = OpenAgain(index, child.fd);
    if (parent.fd >= 0) {
      ++openHandles_;
      oldestMaybeOpen_ = std::min(oldestMaybeOpen_, index);
    }
  }
  Close(child);
}

int FolderChain::OpenAgain(std::size_t index, int childFd) const {
  if (childFd >= 0) {
    const int fd = openat(childFd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
      if (IsFolder(fd, levels_[index].identity)) return fd;
      close(fd);
    }
  }
  return OpenDownFromNearestOpen(index);
}

int FolderChain::OpenDownFromNearestOpen(std::size_t index) const {
  std::size_t from = index;
  while (levels_[from - 1].fd < 0) --from;  // the start folder is always open
  int fd = levels_[from - 1].fd;
  for (std::size_t i = from; i <= index; ++i) {
    const std::size_t nameStart = levels_[i - 1].pathLength;
    const std::string name = path_.substr(nameStart, levels_[i].pathLength - nameStart - 1);
    const int next = openat(fd, name.c_str(), kFolderOpenFlags);
    if (i > from) close(fd);
    if (next < 0) return -1;
    if (!IsFolder(next, levels_[i].identity)) {
      close(next);
      return -1;
    }
    fd = next;
  }
  return fd;
}

}  // namespace paarvinder
