#pragma once
// The subfolder names that each folder on the walk's current path still has
// to walk, level after level in one buffer: a folder's names cost their bytes
// and nothing per name, and go when the folder is done.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace paarvinder {

class SubfolderStack {
 public:
  void BeginLevel() { levels_.push_back(Level{names_.size(), names_.size()}); }
  // Adds a name to the deepest level.
  void Add(std::string_view name) {
    names_.append(name);
    names_.push_back('\0');
  }
  // Ends the deepest level, its names with it.
  void DropLevel() {
    names_.resize(levels_.back().begin);
    levels_.pop_back();
  }
  bool Empty() const { return levels_.empty(); }

  // The deepest level's next name, or nullptr when it has none left. The
  // pointer holds until the next Add.
  const char* Next() {
    std::size_t& next = levels_.back().next;
    if (next == names_.size()) return nullptr;
    const char* name = names_.data() + next;
    next += std::strlen(name) + 1;
    return name;
  }

 private:
  // The deepest level's names run to the end of the buffer, so a level needs
  // no end of its own.
  struct Level {
    std::size_t begin;
    std::size_t next;
  };
  std::string names_;
  std::vector<Level> levels_;
};

}  // namespace paarvinder
