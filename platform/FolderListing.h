#pragma once
// A folder's entries, read in one go with getdents64 and kept, so that the two
// passes of the walk cost one trip to the disk and still see the same entries
// in the same order. The raw records are kept as the kernel gives them: no
// allocation and no system call per entry.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace paarvinder {

// What the walk needs to know of an entry: a folder is walked, a link is never
// entered, everything else is a file to compare.
enum class EntryKind : std::uint8_t { Folder, Link, Other };

struct FolderEntry {
  const char* name;  // NUL-terminated
  unsigned char type;  // d_type
  std::string_view Name() const { return name; }
  bool IsDotOrDotDot() const { return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')); }
};

class FolderListing {
 public:
  class Iterator {
   public:
    Iterator(const char* at) : at_(at) {}
    FolderEntry operator*() const;
    Iterator& operator++();
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    const char* at_;
  };

  // Reads every entry of the open folder `folderFd`, "." and ".." included.
  // False when not one record can be read (the folder cannot be listed); a
  // listing that breaks off part-way keeps what it read.
  bool Read(int folderFd);

  Iterator begin() const { return Iterator(buffer_.data()); }
  Iterator end() const { return Iterator(buffer_.data() + used_); }

  // The kind of an entry of the folder last read: from d_type, with an lstat
  // only when the file system gives no type.
  EntryKind KindOf(const FolderEntry& entry) const;

 private:
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  int folderFd_ = -1;
};

// The kind of the entry `name` of the open folder `folderFd` with the d_type
// the listing gave it; DT_UNKNOWN costs an lstat, and an entry that has gone
// by then counts as a file.
EntryKind KindOfEntry(int folderFd, const char* name, unsigned char dType);

// A closer look at an entry whose name matched, relative to its folder.
struct HitLookup {
  bool leadsToFolder = false;  // the path leads to a folder (a link to one)
  std::uint64_t size = 0;
};

// The size follows a link; for a link that leads nowhere it is the link's own
// size; for an entry that has gone since the listing (the listing itself knows
// no size) it is 0.
HitLookup LookUpHit(int folderFd, const char* name);

}  // namespace paarvinder
