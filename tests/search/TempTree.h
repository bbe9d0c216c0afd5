#pragma once
// A temporary folder tree for the walk's tests, built and removed through
// handles relative to their folder, so that trees deeper than the open-file
// limit and paths longer than PATH_MAX are no problem either way.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace paarvinder::test {

class TempTree {
 public:
  // Under `base`, or under $TMPDIR or /tmp when it is empty.
  explicit TempTree(const std::string& base = "");
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The tree's root folder, ending in "/".
  const std::string& Root() const { return root_; }
  std::string Path(std::string_view relative) const { return root_ + std::string(relative); }

  // Relative paths; missing folders on the way are made.
  void Folder(std::string_view relative) const;
  void File(std::string_view relative, std::size_t size = 0) const;
  void SparseFile(std::string_view relative, std::uint64_t size) const;
  void Link(std::string_view relative, const std::string& target) const;

  // A chain of `depth` folders named `name` below `relative`, made one handle
  // at a time; `atLevel`, when given, is called with each new folder's handle
  // and depth to add to it. Returns the deepest folder's path relative to the
  // root, with a final "/".
  std::string Chain(std::string_view relative, const std::string& name, int depth,
                    const std::function<void(int fd, int depth)>& atLevel = {}) const;

 private:
  std::string root_;
};

// Removes a folder and everything in it, holding two handles at most.
void RemoveTree(const std::string& path);

}  // namespace paarvinder::test
