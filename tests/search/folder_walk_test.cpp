// The folder walk on temporary trees: what it reports, in which order, what it
// passes over, and that it gets to the end of any tree with every handle
// given back.

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "SearchFixtures.h"
#include "TempTree.h"
#include "search/SearchRun.h"
#include "search/SearchTerm.h"

namespace paarvinder {
namespace {

using test::FakeWindow;
using test::FixtureDiskInfo;
using test::PlayedSound;
using test::RecordingSoundSink;
using test::ScriptedClock;
using test::TempTree;

std::string HitLine(const std::string& path, std::uint64_t size) {
  return "\t" + path + " gevonden! (" + std::to_string(size) + " bytes)";
}

// The names of a folder in the file system's own order, "." and ".." left out.
std::vector<std::string> ListingOrder(const std::string& folder) {
  std::vector<std::string> names;
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return names;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(listing);
  return names;
}

std::size_t OpenHandleCount() {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator{}));
}

class FolderWalkTest : public ::testing::Test {
 protected:
  int Walk(const std::string& entryText) { return WalkFrom(entryText, tree.Root()); }
  int WalkFrom(const std::string& entryText, const std::string& folder) {
    run.ZoekNaam = NormaliseTerm(entryText);
    return run.ZoekInMap(folder);
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const ReportLine& line : report.Lines()) lines.push_back(line.text);
    return lines;
  }

  TempTree tree;
  Report report;
  RecordingSoundSink sounds{report};
  FakeWindow window;
  FixtureDiskInfo disk{{}};
  ScriptedClock clock{{LocalDateTime{}}};
  SearchRun run{report, disk, sounds, window, clock, RegionalSettings{}};
};

// A tree as a list of what to make in it.
struct Make {
  enum Kind { File, Folder, Link, Sparse } kind;
  std::string path;
  std::uint64_t size = 0;
  std::string target = "";
};

struct WalkCase {
  std::string name;
  std::vector<Make> tree;
  std::string entryText;
  std::vector<std::pair<std::string, std::uint64_t>> hits;  // relative path and size, in any order
};

TEST_F(FolderWalkTest, ReportsWhatMatchesAndNothingElse) {
  const WalkCase cases[] = {
      {"a hit in the root folder", {{Make::File, "foto.jpg", 512}}, "foto.jpg", {{"foto.jpg", 512}}},
      {"a file of zero bytes", {{Make::File, "a/Foto.JPG", 0}}, "foto.jpg", {{"a/Foto.JPG", 0}}},
      {"a file of 5 GiB", {{Make::Sparse, "big/foto.iso", 5368709120ULL}}, "foto", {{"big/foto.iso", 5368709120ULL}}},
      {"a folder whose name matches is no hit; its files are compared",
       {{Make::File, "FOTO.JPG/readme.txt", 1}, {Make::File, "FOTO.JPG/foto.jpg.bak", 3}, {Make::Folder, "foto.jpg2"}},
       "foto.jpg",
       {{"FOTO.JPG/foto.jpg.bak", 3}}},
      {"a folder path holding the term does not make a hit",
       {{Make::File, "foto.jpg.d/other.txt", 1}},
       "foto.jpg",
       {}},
      {"a hit in a folder ends it: its subfolder is not searched",
       {{Make::File, "a/foto.jpg", 5}, {Make::File, "a/b/foto.jpg", 6}},
       "foto.jpg",
       {{"a/foto.jpg", 5}}},
      {"hits in sibling folders are all reported",
       {{Make::File, "a/foto1", 1}, {Make::File, "b/foto2", 2}, {Make::File, "b/c/foto3", 3}, {Make::File, "d/e/foto4", 4}},
       "FOTO",
       {{"a/foto1", 1}, {"b/foto2", 2}, {"d/e/foto4", 4}}},
      {"an empty term matches nothing", {{Make::File, "foto.jpg", 1}, {Make::File, "a/b", 1}}, "C:\\Data\\", {}},
      {"wildcards mean nothing", {{Make::File, "foto.jpg", 1}}, "*.jpg", {}},
      {"a leading space is part of the term",
       {{Make::File, "a/foto.jpg", 1}, {Make::File, "b/oude foto.jpg", 2}},
       " foto",
       {{"b/oude foto.jpg", 2}}},
      {"hidden files and folders are found like any other",
       {{Make::File, ".verborgen/.foto", 7}},
       "foto",
       {{".verborgen/.foto", 7}}},
      {"a link to a file is compared, with the size of the file",
       {{Make::File, "echt/data.bin", 1234}, {Make::Link, "koppel/foto-link", 0, "../echt/data.bin"}},
       "foto",
       {{"koppel/foto-link", 1234}}},
      {"a link that leads nowhere is compared, with its own size",
       {{Make::Link, "foto-weg", 0, "nergens/heen"}},
       "foto",
       {{"foto-weg", 12}}},
      {"a link to a folder is neither compared nor entered",
       {{Make::File, "doel/diep.txt", 9}, {Make::Link, "diep-map", 0, "doel"}, {Make::Link, "a/diep-terug", 0, "../doel"}},
       "diep",
       {{"doel/diep.txt", 9}}},
      {"link loops end: links to folders are not entered, a cycle of links leads nowhere",
       {{Make::Link, "lus/foto-omhoog", 0, ".."},
        {Make::Link, "lus/foto-zelf", 0, "."},
        {Make::Link, "lus/foto-kring", 0, "ander"},
        {Make::Link, "lus/ander", 0, "foto-kring"}},
       "foto",
       {{"lus/foto-kring", 5}}},
      {"names with a line break, backslashes and bytes that are no UTF-8",
       {{Make::File, "n/regel\nfoto", 1}, {Make::File, "b/x\\foto\\y", 2}, {Make::File, "u/\xff\xfe" "foto\x80", 3}},
       "foto",
       {{"n/regel\nfoto", 1}, {"b/x\\foto\\y", 2}, {"u/\xff\xfe" "foto\x80", 3}}},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree caseTree;
    for (const Make& make : c.tree) {
      switch (make.kind) {
        case Make::File: caseTree.File(make.path, make.size); break;
        case Make::Folder: caseTree.Folder(make.path); break;
        case Make::Link: caseTree.Link(make.path, make.target); break;
        case Make::Sparse: caseTree.SparseFile(make.path, make.size); break;
      }
    }
    report.Clear();
    sounds.played.clear();
    run.Gevonden = false;

    EXPECT_EQ(WalkFrom(c.entryText, caseTree.Root()), 0);

    std::vector<std::string> expected;
    for (const auto& [path, size] : c.hits) expected.push_back(HitLine(caseTree.Path(path), size));
    std::vector<std::string> lines = Lines();
    std::sort(expected.begin(), expected.end());
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(run.Gevonden, !c.hits.empty());
    EXPECT_EQ(sounds.played.size(), c.hits.size());
  }
}

TEST_F(FolderWalkTest, GoesDepthFirstInListingOrderWithOneHitSoundAfterEachHitLine) {
  for (const char* folder : {"p", "q", "r", "s"}) {
    tree.File(std::string(folder) + "/x/foto-" + folder, 1);
    tree.File(std::string(folder) + "/x/y/foto-deeper", 1);
  }
  tree.File("leeg/niets.txt", 1);

  EXPECT_EQ(Walk("foto"), 0);

  std::vector<std::string> expected;
  for (const std::string& folder : ListingOrder(tree.Root())) {
    if (folder == "leeg") continue;
    expected.push_back(HitLine(tree.Path(folder + "/x/foto-" + folder), 1));
  }
  EXPECT_EQ(Lines(), expected);
  ASSERT_EQ(sounds.played.size(), 4u);
  for (std::size_t i = 0; i < sounds.played.size(); ++i) {
    EXPECT_EQ(sounds.played[i], (PlayedSound{SoundName::Hebbes, true, i + 1})) << "sound " << i;
  }
  // Events are processed once before each subfolder entered: the root's five,
  // then each x (one per p..s), and each y is never reached.
  EXPECT_EQ(window.messageRounds, 5 + 4);
}

TEST_F(FolderWalkTest, TwoMatchingFilesInOneFolderGiveTheFirstListed) {
  for (const char* name : {"foto-1.jpg", "foto-2.jpg", "foto-3.jpg", "niets.txt"}) tree.File(name, 3);
  EXPECT_EQ(Walk("FOTO"), 0);
  std::string first;
  for (const std::string& name : ListingOrder(tree.Root())) {
    if (name != "niets.txt") {
      first = name;
      break;
    }
  }
  EXPECT_EQ(Lines(), std::vector<std::string>{HitLine(tree.Path(first), 3)});
}

TEST_F(FolderWalkTest, TheTermIsTakenAsItIsAtEachComparison) {
  tree.File("a/alfa.txt", 1);
  tree.File("a/beta.txt", 2);
  window.onMessages = [this] { run.ZoekNaam = NormaliseTerm("beta"); };
  EXPECT_EQ(Walk("alfa"), 0);
  EXPECT_EQ(Lines(), std::vector<std::string>{HitLine(tree.Path("a/beta.txt"), 2)});
}

TEST_F(FolderWalkTest, AStopRequestIsSeenAtTheFirstEntryOfTheNextFolderListed) {
  tree.File("a/foto1", 1);
  tree.File("b/foto2", 1);
  tree.File("c/foto3", 1);
  TempTree elsewhere;

  struct StopCase {
    std::string name;
    bool removeTheNextFolder;  // the folder entered right after the request cannot be listed
    int result;
  };
  const StopCase cases[] = {
      {"a request before a subfolder ends the walk there", false, 1},
      {"a request before each folder that cannot be listed is not seen", true, 0},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    report.Clear();
    window.messageRounds = 0;
    run.Onderbreken = 0;
    window.onMessages = [&] {
      run.Onderbreken = 1;
      if (!c.removeTheNextFolder) return;
      // Events come before each subfolder, so every subfolder goes before it is entered.
      for (const std::string& name : ListingOrder(tree.Root())) {
        if (std::filesystem::exists(tree.Path(name))) {
          std::filesystem::rename(tree.Path(name), elsewhere.Path(name));
          break;
        }
      }
    };
    EXPECT_EQ(Walk("foto"), c.result);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(window.messageRounds, c.removeTheNextFolder ? 3 : 1);
  }
}

TEST_F(FolderWalkTest, AFolderThatCannotBeListedYieldsNothingAndIgnoresTheStopRequest) {
  tree.File("dicht/foto-binnen", 1);
  tree.File("open/foto-buiten", 2);
  ASSERT_EQ(chmod(tree.Root().c_str(), 0755), 0);
  ASSERT_EQ(chmod(tree.Path("dicht").c_str(), 0), 0);
  // Root reads every folder whatever its mode; the walk is then made as an
  // ordinary user, whose rights the mode does stop.
  struct UserScope {
    bool switched = geteuid() == 0;
    UserScope() {
      if (switched && seteuid(65534) != 0) throw std::runtime_error("seteuid");
    }
    ~UserScope() {
      if (switched && seteuid(0) != 0) std::abort();
    }
  };
  std::unique_ptr<UserScope> user;
  ASSERT_NO_THROW(user = std::make_unique<UserScope>());
  if (geteuid() == 0) GTEST_SKIP() << "cannot leave root";
  if (access(tree.Root().c_str(), R_OK | X_OK) != 0) GTEST_SKIP() << "the temporary folder is not open to others";

  const int walked = Walk("foto");
  run.Onderbreken = 1;
  const int walkedWhileStopping = WalkFrom("foto", tree.Path("dicht/"));
  user.reset();

  EXPECT_EQ(walked, 0);
  EXPECT_EQ(Lines(), std::vector<std::string>{HitLine(tree.Path("open/foto-buiten"), 2)});
  EXPECT_EQ(walkedWhileStopping, 0);
  chmod(tree.Path("dicht").c_str(), 0755);
}

TEST_F(FolderWalkTest, AMissingFolderYieldsNothing) {
  run.Onderbreken = 1;
  EXPECT_EQ(WalkFrom("foto", tree.Path("bestaat-niet/")), 0);
  EXPECT_TRUE(Lines().empty());
}

TEST_F(FolderWalkTest, StaysOnTheFileSystemItStartsOn) {
  tree.Folder("schijf/ander");
  // A mount namespace of the test's own, so that nothing outside sees the mount.
  if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    GTEST_SKIP() << "no mounts allowed here";
  }
  ASSERT_EQ(mount("tmpfs", tree.Path("schijf/ander").c_str(), "tmpfs", 0, nullptr), 0);
  struct Unmount {
    std::string point;
    ~Unmount() { umount2(point.c_str(), MNT_DETACH); }
  } unmount{tree.Path("schijf/ander")};
  tree.File("schijf/ander/foto-daar", 1);

  EXPECT_EQ(WalkFrom("foto", tree.Path("schijf/")), 0);
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(window.messageRounds, 1);  // the mount point is a subfolder all the same

  EXPECT_EQ(WalkFrom("foto", tree.Path("schijf/ander/")), 0);
  EXPECT_EQ(Lines(), std::vector<std::string>{HitLine(tree.Path("schijf/ander/foto-daar"), 1)});
}

TEST_F(FolderWalkTest, WalksATreeDeeperThanTheOpenFileLimitWithPathsLongerThanPathMax) {
  constexpr int kDepth = 3000;
  // In memory where there is a RAM disk: removing thousands of folders from a
  // disk can take seconds.
  TempTree deepTree(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "");
  // Side folders along the way, each with a hit. One listed after the way
  // down is reached only once its folder has been opened again.
  std::vector<std::string> sides;
  std::string level;
  const std::string deepest = deepTree.Chain("", "d", kDepth, [&](int fd, int depth) {
    level += "d/";
    if (depth % 150 != 0 || depth == kDepth) return;
    ASSERT_EQ(mkdirat(fd, "zij", 0755), 0);
    const int side = openat(fd, "zij", O_RDONLY | O_DIRECTORY);
    const int file = openat(side, "foto-zij", O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(write(file, "22 bytes of content...", 22), 22);
    close(file);
    close(side);
    sides.push_back(level + "zij/foto-zij");
  });
  deepTree.File(deepest + "foto-onderaan", 11);

  struct rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  struct rlimit lowered = saved;
  lowered.rlim_cur = std::min<rlim_t>(256, saved.rlim_cur);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
  const std::size_t handlesBefore = OpenHandleCount();
  const int walked = WalkFrom("foto", deepTree.Root());
  const std::size_t handlesAfter = OpenHandleCount();
  setrlimit(RLIMIT_NOFILE, &saved);

  EXPECT_EQ(walked, 0);
  EXPECT_EQ(handlesAfter, handlesBefore);
  std::vector<std::string> expected{HitLine(deepTree.Path(deepest + "foto-onderaan"), 11)};
  for (const std::string& side : sides) expected.push_back(HitLine(deepTree.Path(side), 22));
  std::vector<std::string> lines = Lines();
  std::sort(expected.begin(), expected.end());
  std::sort(lines.begin(), lines.end());
  // Compared whole; the paths are too long to be worth printing.
  EXPECT_TRUE(lines == expected) << lines.size() << " hit lines, " << expected.size() << " expected";
  EXPECT_GT(deepTree.Path(deepest).size(), static_cast<std::size_t>(PATH_MAX));
}

TEST_F(FolderWalkTest, GivesEveryHandleBackWhenItEndsInAnException) {
  const std::string deepest = tree.Chain("", "d", 200);
  tree.File(deepest + "foto", 1);
  tree.Folder(deepest + "nog-dieper");

  Report tinyReport(10);
  SearchRun tinyRun{tinyReport, disk, sounds, window, clock, RegionalSettings{}};
  const std::size_t handlesBefore = OpenHandleCount();

  window.onMessages = [&] {
    if (window.messageRounds == 150) throw std::runtime_error("handler failed");
  };
  run.ZoekNaam = "GEEN";
  EXPECT_THROW(run.ZoekInMap(tree.Root()), std::runtime_error);
  EXPECT_EQ(OpenHandleCount(), handlesBefore);

  window.onMessages = nullptr;
  tinyRun.ZoekNaam = "FOTO";
  try {
    tinyRun.ZoekInMap(tree.Root());
    ADD_FAILURE() << "the hit line fitted a report of 10 characters";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
  EXPECT_EQ(OpenHandleCount(), handlesBefore);
  EXPECT_TRUE(sounds.played.empty());
}

}  // namespace
}  // namespace paarvinder
