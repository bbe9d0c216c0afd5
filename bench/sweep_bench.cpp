// A real search run over one folder, taken as a fixed drive: no window, no
// sound. Prints the time of the run, and the folders and entries it walked
// (counted afterwards, in a pass of their own that is not timed).
//
//   sweep_bench ROOT TERM

#include <stdlib.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/DiskInfo.h"
#include "platform/FolderChain.h"
#include "platform/FolderListing.h"
#include "platform/Sound.h"
#include "report/Report.h"
#include "search/FolderTreeWalk.h"
#include "search/SearchHost.h"
#include "search/SearchRun.h"
#include "search/SearchTerm.h"
#include "search/SubfolderStack.h"

namespace {

using namespace paarvinder;

class OneFixedDrive final : public DiskInfo {
 public:
  explicit OneFixedDrive(std::string drive) : drive_(std::move(drive)) {}
  std::vector<std::string> GetAvailableDrives() override { return {drive_}; }
  void SetDisk(const std::string& drive) override { selected_ = drive; }
  std::string Disk() const override { return selected_; }
  TdcDriveType DriveType() const override { return selected_ == drive_ ? dtFixed : dtUnknown; }
  std::string VolumeLabel() const override { return ""; }

 private:
  std::string drive_;
  std::string selected_;
};

class SilentSink final : public SoundSink {
 public:
  void PlaySync(SoundName) override {}
  void PlayAsync(SoundName) override {}
};

class NoWindow final : public SearchHost {
 public:
  std::string ZoekCaption() const override { return caption_; }
  void SetZoekCaption(const std::string& caption) override { caption_ = caption; }
  void SetResultVisible(bool) override {}
  void SetProgressVisible(bool) override {}
  void ShowResultsPage() override {}
  void FocusReport() override {}
  void PostScrollCaret() override {}
  void ProcessMessages() override {}

 private:
  std::string caption_ = "Zoek";
};

struct TreeSize {
  long folders = 0;
  long entries = 0;
};

// The folders and entries a walk from `root` meets, with the walk's own rules
// (same file system, links not entered), counted without comparing names.
TreeSize CountTree(const std::string& root) {
  TreeSize size;
  FolderChain chain;
  if (!chain.Start(root)) return size;
  FolderListing listing;
  SubfolderStack subfolders;
  const auto count = [&] {
    ++size.folders;
    if (!listing.Read(chain.Fd())) return FolderVisit::Done;
    subfolders.BeginLevel();
    for (const FolderEntry entry : listing) {
      if (entry.IsDotOrDotDot()) continue;
      ++size.entries;
      if (listing.KindOf(entry) == EntryKind::Folder) subfolders.Add(entry.Name());
    }
    return FolderVisit::Descend;
  };
  WalkFolderTree(chain, subfolders, count, [] {});
  return size;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ROOT TERM\n", argv[0]);
    return 2;
  }
  const std::string root = RootFolder(argv[1]);

  char resultsTemplate[] = "/tmp/sweep_bench.XXXXXX";
  if (mkdtemp(resultsTemplate) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }

  Report report;
  OneFixedDrive disk(argv[1]);
  SilentSink sounds;
  NoWindow window;
  SystemClock clock;
  SearchRun run(report, disk, sounds, window, clock, RegionalSettings{});
  run.ProgMap = std::string(resultsTemplate) + "/";
  run.ZoekNaam = NormaliseTerm(argv[2]);

  const auto begin = std::chrono::steady_clock::now();
  run.tbZoekClick();
  const auto end = std::chrono::steady_clock::now();
  std::filesystem::remove_all(resultsTemplate);

  long hits = 0;
  for (const ReportLine& line : report.Lines()) hits += line.text.find(" gevonden! (") != std::string::npos;
  const TreeSize tree = CountTree(root);
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("time: %.6f s\nfolders: %ld\nentries: %ld\nhits: %ld\npeak memory: %ld KiB\n",
              std::chrono::duration<double>(end - begin).count(), tree.folders, tree.entries, hits,
              usage.ru_maxrss);
  return 0;
}
