#include "TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace paarvinder::test {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("test tree: " + what); }

// Opens (making it when missing) the folder `name` of `parentFd`, and closes
// the parent.
int DescendInto(int parentFd, const std::string& name) {
  if (mkdirat(parentFd, name.c_str(), 0755) != 0 && errno != EEXIST) Fail("mkdir " + name);
  const int fd = openat(parentFd, name.c_str(), kFolderFlags);
  close(parentFd);
  if (fd < 0) Fail("open " + name);
  return fd;
}

// The handle of the folder that holds `relative`'s last part, and that part.
std::pair<int, std::string> OpenParentOf(const std::string& root, std::string_view relative) {
  int fd = open(root.c_str(), kFolderFlags);
  if (fd < 0) Fail("open " + root);
  std::size_t from = 0;
  for (std::size_t slash; (slash = relative.find('/', from)) != std::string_view::npos; from = slash + 1) {
    if (slash > from) fd = DescendInto(fd, std::string(relative.substr(from, slash - from)));
  }
  return {fd, std::string(relative.substr(from))};
}

// The name of a subfolder of `fd`, or "" when it has none left; removes every
// other entry on the way.
std::string EmptyAllButFolders(int fd) {
  DIR* listing = fdopendir(dup(fd));
  if (listing == nullptr) Fail("list");
  std::string folder;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info;
    if (fstatat(fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) {
      folder = name;
      break;
    }
    unlinkat(fd, name.c_str(), 0);
  }
  closedir(listing);
  return folder;
}

}  // namespace

TempTree::TempTree(const std::string& base) {
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string folder = !base.empty() ? base : tmpdir && *tmpdir ? tmpdir : "/tmp";
  std::string pattern = folder + "/paarvinder-search.XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) Fail("mkdtemp");
  root_ = pattern + "/";
}

TempTree::~TempTree() { RemoveTree(root_); }

void TempTree::Folder(std::string_view relative) const {
  auto [fd, name] = OpenParentOf(root_, relative);
  if (!name.empty()) fd = DescendInto(fd, name);
  close(fd);
}

void TempTree::File(std::string_view relative, std::size_t size) const {
  auto [fd, name] = OpenParentOf(root_, relative);
  const int file = openat(fd, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  close(fd);
  if (file < 0) Fail("create " + name);
  const std::string content(size, 'x');
  const bool written = write(file, content.data(), content.size()) == static_cast<ssize_t>(content.size());
  close(file);
  if (!written) Fail("write " + name);
}

void TempTree::SparseFile(std::string_view relative, std::uint64_t size) const {
  auto [fd, name] = OpenParentOf(root_, relative);
  const int file = openat(fd, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  close(fd);
  if (file < 0) Fail("create " + name);
  const bool sized = ftruncate(file, static_cast<off_t>(size)) == 0;
  close(file);
  if (!sized) Fail("truncate " + name);
}

void TempTree::Link(std::string_view relative, const std::string& target) const {
  auto [fd, name] = OpenParentOf(root_, relative);
  const bool made = symlinkat(target.c_str(), fd, name.c_str()) == 0;
  close(fd);
  if (!made) Fail("symlink " + name);
}

std::string TempTree::Chain(std::string_view relative, const std::string& name, int depth,
                            const std::function<void(int fd, int depth)>& atLevel) const {
  std::string start(relative);
  if (!start.empty() && start.back() != '/') start += '/';
  int fd = OpenParentOf(root_, start).first;  // `start` ends in "/": its folder itself
  std::string deepest = start;
  deepest.reserve(start.size() + (name.size() + 1) * static_cast<std::size_t>(depth));
  for (int level = 0; level < depth; ++level) {
    fd = DescendInto(fd, name);
    deepest.append(name).push_back('/');
    if (atLevel) atLevel(fd, level + 1);
  }
  close(fd);
  return deepest;
}

void RemoveTree(const std::string& path) {
  int fd = open(path.c_str(), kFolderFlags);
  if (fd < 0) return;
  std::vector<std::string> names;  // from `path` down to the folder of fd
  for (;;) {
    const std::string folder = EmptyAllButFolders(fd);
    if (!folder.empty()) {
      int child = openat(fd, folder.c_str(), kFolderFlags);
      if (child < 0 && fchmodat(fd, folder.c_str(), 0755, 0) == 0) child = openat(fd, folder.c_str(), kFolderFlags);
      if (child < 0) {
        unlinkat(fd, folder.c_str(), AT_REMOVEDIR);  // unreadable: try it as it is
        if (faccessat(fd, folder.c_str(), F_OK, AT_SYMLINK_NOFOLLOW) == 0) break;
        continue;
      }
      close(fd);
      fd = child;
      names.push_back(folder);
      continue;
    }
    if (names.empty()) break;
    const int parent = openat(fd, "..", kFolderFlags);
    close(fd);
    if (parent < 0) return;
    unlinkat(parent, names.back().c_str(), AT_REMOVEDIR);
    names.pop_back();
    fd = parent;
  }
  close(fd);
  rmdir(path.c_str());
}

}  // namespace paarvinder::test
