#pragma once
// The order in which the folder walk meets folders, kept in one place so that
// whatever must meet the same folders as a search (the sweep bench counts
// them) cannot drift from it: depth first, a folder's subfolders one by one,
// each to its end before the next.

#include "platform/FolderChain.h"
#include "search/SubfolderStack.h"

namespace paarvinder {

// What the visit of a folder asks for next.
enum class FolderVisit {
  Stop,     // end the whole walk
  Done,     // this folder is finished; its subfolders are not walked
  Descend,  // walk the subfolders the visit put in a new level of the stack
};

// Visits the chain's start folder and then, depth first, every subfolder that
// a visit asks for; `visit` looks at the chain's deepest folder. `beforeEnter`
// runs before each subfolder is entered, also for one that cannot be.
// True when a visit stopped the walk.
template <typename Visit, typename BeforeEnter>
bool WalkFolderTree(FolderChain& chain, SubfolderStack& subfolders, Visit visit, BeforeEnter beforeEnter) {
  FolderVisit next = visit();
  if (next != FolderVisit::Descend) return next == FolderVisit::Stop;
  // One level of `subfolders` per folder of the chain still being walked.
  while (!subfolders.Empty()) {
    const char* name = subfolders.Next();
    if (name == nullptr) {
      subfolders.DropLevel();
      if (!subfolders.Empty()) chain.Leave();
      continue;
    }
    beforeEnter();
    if (!chain.Enter(name)) continue;
    next = visit();
    if (next == FolderVisit::Stop) return true;
    if (next == FolderVisit::Done) chain.Leave();
  }
  return false;
}

}  // namespace paarvinder
