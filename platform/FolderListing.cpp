#include "platform/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstddef>

namespace paarvinder {

namespace {

// Room for the kernel to fill per call: a folder of a few hundred entries
// comes in one read (and the read that says "no more").
constexpr std::size_t kReadChunk = 64 * 1024;

const dirent64* RecordAt(const char* at) { return reinterpret_cast<const dirent64*>(at); }

}  // namespace

FolderEntry FolderListing::Iterator::operator*() const {
  const dirent64* record = RecordAt(at_);
  return FolderEntry{record->d_name, record->d_type};
}

FolderListing::Iterator& FolderListing::Iterator::operator++() {
  at_ += RecordAt(at_)->d_reclen;
  return *this;
}

bool FolderListing::Read(int folderFd) {
  folderFd_ = folderFd;
  used_ = 0;
  for (;;) {
    if (buffer_.size() - used_ < kReadChunk) buffer_.resize(std::max(2 * buffer_.size(), used_ + kReadChunk));
    const ssize_t got = getdents64(folderFd, buffer_.data() + used_, buffer_.size() - used_);
    if (got > 0) {
      used_ += static_cast<std::size_t>(got);
      continue;
    }
    return got == 0 || used_ > 0;
  }
}

EntryKind FolderListing::KindOf(const FolderEntry& entry) const {
  return KindOfEntry(folderFd_, entry.name, entry.type);
}

EntryKind KindOfEntry(int folderFd, const char* name, unsigned char dType) {
  switch (dType) {
    case DT_DIR:
      return EntryKind::Folder;
    case DT_LNK:
      return EntryKind::Link;
    case DT_UNKNOWN: {
      struct stat info;
      if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::Other;
      if (S_ISDIR(info.st_mode)) return EntryKind::Folder;
      if (S_ISLNK(info.st_mode)) return EntryKind::Link;
      return EntryKind::Other;
    }
    default:
      return EntryKind::Other;
  }
}

HitLookup LookUpHit(int folderFd, const char* name) {
  struct stat info;
  if (fstatat(folderFd, name, &info, 0) == 0) {
    return HitLookup{S_ISDIR(info.st_mode), static_cast<std::uint64_t>(info.st_size)};
  }
  if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
    return HitLookup{false, static_cast<std::uint64_t>(info.st_size)};
  }
  return HitLookup{};
}

}  // namespace paarvinder
