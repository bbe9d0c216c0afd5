// The folder walk ZoekInMap: the files of a folder first, to its first hit;
// without a hit, its subfolders one by one, with pending events processed
// before each.
//
// On Linux:
// - A folder is read once and the read kept for both passes: the order and the
//   entries are those of two listings in the file system's order, at the cost
//   of one.
// - The stop request is looked at before every entry of the read, "." and ".."
//   included, so every folder that can be listed looks at it at least once.
// - The walk is a loop over an explicit stack rather than a recursion, so the
//   depth of a tree is bounded by memory only; handles are held relative to
//   the parent (FolderChain).
// - Symbolic links are never entered. A link that leads to a folder counts as
//   a folder: its name is not compared. Any other link is compared like a
//   file. Where a link leads is looked at only once its name has matched.
// - The walk stays on the file system of the folder it starts from. A
//   subfolder that is the mount point of another file system stays a
//   subfolder of the listing (events are processed before it as before any
//   other) but is not entered: it is passed over as a folder that cannot be
//   listed, and the stop request is not looked at there.

#include <string>

#include "platform/FolderChain.h"
#include "platform/FolderListing.h"
#include "search/FolderTreeWalk.h"
#include "search/SearchRun.h"
#include "search/SearchTerm.h"
#include "search/SubfolderStack.h"

namespace paarvinder {

int SearchRun::ZoekInMap(const std::string& folder) {
  FolderChain chain;
  // A folder that cannot be opened has no listing for either pass.
  if (!chain.Start(folder)) return 0;
  FolderListing listing;
  SubfolderStack subfolders;
  const bool stopped = WalkFolderTree(
      chain, subfolders, [&] { return SearchFiles(chain, listing, subfolders); }, [&] { host_.ProcessMessages(); });
  return stopped ? 1 : 0;
}

FolderVisit SearchRun::SearchFiles(FolderChain& chain, FolderListing& listing, SubfolderStack& subfolders) {
  const int folderFd = chain.Fd();
  if (!listing.Read(folderFd)) return FolderVisit::Done;
  subfolders.BeginLevel();
  for (const FolderEntry entry : listing) {
    if (Onderbreken == 1) return FolderVisit::Stop;
    if (entry.IsDotOrDotDot()) continue;
    const EntryKind kind = listing.KindOf(entry);
    if (kind == EntryKind::Folder) {
      subfolders.Add(entry.Name());
      continue;
    }
    if (!Matches(entry.Name(), ZoekNaam)) continue;
    const HitLookup hit = LookUpHit(folderFd, entry.name);
    if (kind == EntryKind::Link && hit.leadsToFolder) continue;
    subfolders.DropLevel();
    ReportHit(chain.Path(), entry.Name(), hit.size);
    return FolderVisit::Done;
  }
  return FolderVisit::Descend;
}

void SearchRun::ReportHit(const std::string& folder, std::string_view name, std::uint64_t size) {
  std::string line;
  line.reserve(folder.size() + name.size() + 40);
  line.append("\t").append(folder).append(name).append(" gevonden! (").append(std::to_string(size)).append(" bytes)");
  Rich.Add(line);
  Gevonden = true;
  sounds_.PlaySync(SoundName::Hebbes);
}

}  // namespace paarvinder
