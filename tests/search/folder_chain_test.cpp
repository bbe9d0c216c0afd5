// The platform pieces under the walk: the kind and closer look of an entry,
// one read of a folder, and the chain of folders with its handle budget.

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempTree.h"
#include "platform/FolderChain.h"
#include "platform/FolderListing.h"

namespace paarvinder {
namespace {

using test::TempTree;

class Handle {
 public:
  explicit Handle(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~Handle() {
    if (fd_ >= 0) close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

ino_t InodeOf(int fd) {
  struct stat info;
  return fstat(fd, &info) == 0 ? info.st_ino : 0;
}

ino_t InodeOf(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(FolderEntries, KindComesFromTheListingAndFromAnLstatOnlyWhenItGivesNone) {
  TempTree tree;
  tree.Folder("map");
  tree.File("bestand", 1);
  tree.Link("koppel-naar-map", "map");
  tree.Link("koppel-nergens", "nergens");
  ASSERT_EQ(mkfifo(tree.Path("pijp").c_str(), 0644), 0);
  const Handle folder(tree.Root());

  struct KindCase {
    const char* name;
    unsigned char listedType;
    EntryKind kind;
  };
  const KindCase cases[] = {
      {"map", DT_DIR, EntryKind::Folder},
      {"bestand", DT_REG, EntryKind::Other},
      {"koppel-naar-map", DT_LNK, EntryKind::Link},
      {"pijp", DT_FIFO, EntryKind::Other},
      // A file system that gives no type: an lstat tells, and a link is a link.
      {"map", DT_UNKNOWN, EntryKind::Folder},
      {"bestand", DT_UNKNOWN, EntryKind::Other},
      {"koppel-naar-map", DT_UNKNOWN, EntryKind::Link},
      {"koppel-nergens", DT_UNKNOWN, EntryKind::Link},
      {"pijp", DT_UNKNOWN, EntryKind::Other},
      {"weg-sinds-de-lijst", DT_UNKNOWN, EntryKind::Other},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(KindOfEntry(folder.Get(), c.name, c.listedType), c.kind) << c.name << " listed as " << int{c.listedType};
  }
}

TEST(FolderEntries, ACloserLookFollowsLinksAndFallsBackToTheLinkAndThenToZero) {
  TempTree tree;
  tree.File("bestand", 1234);
  tree.Folder("map");
  tree.Link("naar-bestand", "bestand");
  tree.Link("naar-map", "map");
  tree.Link("nergens", "weg/en/zoek");
  tree.Link("kring-a", "kring-b");
  tree.Link("kring-b", "kring-a");
  const Handle folder(tree.Root());
  struct stat mapInfo;
  ASSERT_EQ(stat(tree.Path("map").c_str(), &mapInfo), 0);

  struct LookCase {
    const char* name;
    bool leadsToFolder;
    std::uint64_t size;
  };
  const LookCase cases[] = {
      {"bestand", false, 1234},
      {"naar-bestand", false, 1234},
      {"naar-map", true, static_cast<std::uint64_t>(mapInfo.st_size)},
      {"nergens", false, 11},  // the link itself: the length of what it names
      {"kring-a", false, 7},
      {"verdwenen", false, 0},  // gone since the listing: nothing left to ask
  };
  for (const LookCase& c : cases) {
    const HitLookup look = LookUpHit(folder.Get(), c.name);
    EXPECT_EQ(look.leadsToFolder, c.leadsToFolder) << c.name;
    EXPECT_EQ(look.size, c.size) << c.name;
  }
}

TEST(FolderListing, ReadsAFolderOnceWithEveryEntryInTheFileSystemsOrder) {
  TempTree tree;
  // Enough names for several reads of the kernel's records.
  for (int i = 0; i < 5000; ++i) tree.File("naam-met-enige-lengte-" + std::to_string(i));
  tree.Folder("map");

  std::vector<std::string> expected;
  DIR* listing = opendir(tree.Root().c_str());
  ASSERT_NE(listing, nullptr);
  while (const dirent* entry = readdir(listing)) expected.push_back(entry->d_name);
  closedir(listing);

  const Handle folder(tree.Root());
  FolderListing read;
  ASSERT_TRUE(read.Read(folder.Get()));
  std::vector<std::string> names;
  int folders = 0;
  for (const FolderEntry entry : read) {
    names.push_back(std::string(entry.Name()));
    if (read.KindOf(entry) == EntryKind::Folder && !entry.IsDotOrDotDot()) ++folders;
  }
  EXPECT_EQ(names, expected);  // "." and ".." included, as the kernel gives them
  EXPECT_EQ(folders, 1);

  // Both passes go over what was read: the folder may change meanwhile.
  std::filesystem::remove(tree.Path("naam-met-enige-lengte-7"));
  std::vector<std::string> again;
  for (const FolderEntry entry : read) again.push_back(std::string(entry.Name()));
  EXPECT_EQ(again, expected);

  FolderListing none;
  EXPECT_FALSE(none.Read(-1));
}

TEST(FolderChain, HoldsNoMoreHandlesThanItsBudgetAndFindsEveryFolderAgain) {
  TempTree tree;
  tree.Folder("a/b/c/d/e/f/g/h");
  for (std::size_t budget : {2u, 3u, 5u, 64u}) {
    SCOPED_TRACE("budget " + std::to_string(budget));
    FolderChain chain(budget, FolderChain::Opening::CheckedAfter);
    ASSERT_TRUE(chain.Start(tree.Root()));
    std::string relative;
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h"}) {
      ASSERT_TRUE(chain.Enter(name));
      relative += std::string(name) + "/";
      EXPECT_LE(chain.OpenHandles(), budget);
      EXPECT_EQ(chain.Path(), tree.Path(relative));
      EXPECT_EQ(InodeOf(chain.Fd()), InodeOf(tree.Path(relative)));
    }
    while (chain.Depth() > 1) {
      chain.Leave();
      relative.erase(relative.size() - 2);
      EXPECT_LE(chain.OpenHandles(), budget);
      EXPECT_EQ(chain.Path(), tree.Path(relative));
      EXPECT_EQ(InodeOf(chain.Fd()), InodeOf(tree.Path(relative)));
    }
  }
}

const FolderChain::Opening kOpenings[] = {FolderChain::Opening::RefusingMounts, FolderChain::Opening::CheckedAfter};

TEST(FolderChain, EntersFoldersOnlyAndNoMountPoint) {
  TempTree tree;
  tree.Folder("map/binnen");
  tree.Folder("aangekoppeld");
  tree.File("bestand");
  tree.Link("koppel", "map");
  // A mount namespace of the test's own, so that nothing outside sees the mount.
  const bool mounted = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                       mount("tmpfs", tree.Path("aangekoppeld").c_str(), "tmpfs", 0, nullptr) == 0;
  for (FolderChain::Opening opening : kOpenings) {
    SCOPED_TRACE(opening == FolderChain::Opening::RefusingMounts ? "openat2" : "openat");
    FolderChain chain(64, opening);
    ASSERT_TRUE(chain.Start(tree.Root()));
    for (const char* name : {"bestand", "koppel", "weg", "aangekoppeld"}) {
      if (std::string(name) == "aangekoppeld" && !mounted) continue;
      EXPECT_FALSE(chain.Enter(name)) << name;
      EXPECT_EQ(chain.Depth(), 1u);
      EXPECT_EQ(chain.Path(), tree.Root());
    }
    ASSERT_TRUE(chain.Enter("map"));
    ASSERT_TRUE(chain.Enter("binnen"));
    EXPECT_EQ(chain.Path(), tree.Path("map/binnen/"));
  }
  if (mounted) umount2(tree.Path("aangekoppeld").c_str(), MNT_DETACH);
  EXPECT_FALSE(FolderChain().Start(tree.Path("bestand/")));
  EXPECT_FALSE(FolderChain().Start(tree.Path("weg/")));
  if (!mounted) GTEST_SKIP() << "no mounts allowed here: the mount point was not tried";
}

// Down to a/b/c with a budget of two handles: only the start folder and c
// stay open, so going back up has to open b and a again.
class FolderChainDownToC : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.Folder("a/b/c");
    ASSERT_TRUE(chain.Start(tree.Root()));
    ASSERT_TRUE(chain.Enter("a"));
    ASSERT_TRUE(chain.Enter("b"));
    ASSERT_TRUE(chain.Enter("c"));
  }

  TempTree tree;
  TempTree elsewhere;
  FolderChain chain{2};
};

TEST_F(FolderChainDownToC, AFolderMovedAwayMeanwhileIsFoundAgainByNameFromAbove) {
  // c's ".." now leads elsewhere; b is still where its path says.
  std::filesystem::rename(tree.Path("a/b/c"), elsewhere.Path("c"));
  chain.Leave();
  EXPECT_EQ(chain.Path(), tree.Path("a/b/"));
  EXPECT_EQ(InodeOf(chain.Fd()), InodeOf(tree.Path("a/b")));
  chain.Leave();
  EXPECT_EQ(InodeOf(chain.Fd()), InodeOf(tree.Path("a")));
}

TEST_F(FolderChainDownToC, AFolderThatCannotBeFoundAgainIsLostAndItsParentIsNot) {
  std::filesystem::rename(tree.Path("a/b/c"), elsewhere.Path("c"));
  std::filesystem::rename(tree.Path("a/b"), elsewhere.Path("b"));
  tree.Folder("a/b");  // a stranger under the old name
  chain.Leave();
  EXPECT_EQ(chain.Fd(), -1);
  EXPECT_FALSE(chain.Enter("x"));
  chain.Leave();
  EXPECT_EQ(chain.Path(), tree.Path("a/"));
  EXPECT_EQ(InodeOf(chain.Fd()), InodeOf(tree.Path("a")));
  chain.Leave();
  EXPECT_EQ(chain.Path(), tree.Root());
}

}  // namespace
}  // namespace paarvinder
