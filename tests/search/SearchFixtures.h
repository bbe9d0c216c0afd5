#pragma once
// Stand-ins for what a search run reaches outside the core: drives from a
// table, sounds that are only written down, a clock that reads from a script,
// and a window whose event processing can "click" in the middle of a walk.

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/DiskInfo.h"
#include "platform/Sound.h"
#include "report/Report.h"
#include "search/SearchHost.h"

namespace paarvinder::test {

struct FixtureDrive {
  std::string mountPoint;
  TdcDriveType kind = dtFixed;
  std::string label;
  bool selectionThrows = false;
};

class FixtureDiskInfo final : public DiskInfo {
 public:
  explicit FixtureDiskInfo(std::vector<FixtureDrive> drives) : drives_(std::move(drives)) {}

  std::vector<std::string> GetAvailableDrives() override {
    std::vector<std::string> points;
    for (const FixtureDrive& drive : drives_) points.push_back(drive.mountPoint);
    return points;
  }
  // A drive that throws keeps the drive selected before it.
  void SetDisk(const std::string& drive) override {
    selections.push_back(drive);
    const FixtureDrive* found = Find(drive);
    if (found && found->selectionThrows) throw std::runtime_error("drive not ready");
    selected_ = drive;
  }
  std::string Disk() const override { return selected_; }
  TdcDriveType DriveType() const override {
    const FixtureDrive* found = Find(selected_);
    return found ? found->kind : dtFixed;
  }
  std::string VolumeLabel() const override {
    const FixtureDrive* found = Find(selected_);
    return found ? found->label : "";
  }

  std::vector<std::string> selections;

 private:
  const FixtureDrive* Find(const std::string& drive) const {
    for (const FixtureDrive& candidate : drives_) {
      if (candidate.mountPoint == drive) return &candidate;
    }
    return nullptr;
  }

  std::vector<FixtureDrive> drives_;
  std::string selected_ = kSystemDrive;
};

struct PlayedSound {
  SoundName name;
  bool waited;                 // PlaySync
  std::size_t linesAtThatTime; // the report's line count when it played
  friend bool operator==(const PlayedSound&, const PlayedSound&) = default;
};

class RecordingSoundSink final : public SoundSink {
 public:
  explicit RecordingSoundSink(const Report& report) : report_(report) {}
  void PlaySync(SoundName name) override { played.push_back({name, true, report_.LineCount()}); }
  void PlayAsync(SoundName name) override { played.push_back({name, false, report_.LineCount()}); }

  std::vector<PlayedSound> played;

 private:
  const Report& report_;
};

// Gives the times of its script one by one and then keeps giving the last.
class ScriptedClock final : public Clock {
 public:
  explicit ScriptedClock(std::vector<LocalDateTime> script) : script_(std::move(script)) {}
  LocalDateTime Now() const override {
    const LocalDateTime now = script_[next_ < script_.size() ? next_ : script_.size() - 1];
    ++next_;
    return now;
  }

 private:
  std::vector<LocalDateTime> script_;
  mutable std::size_t next_ = 0;
};

class FakeWindow final : public SearchHost {
 public:
  std::string ZoekCaption() const override { return caption; }
  void SetZoekCaption(const std::string& text) override { caption = text; }
  void SetResultVisible(bool visible) override { resultVisible = visible; }
  void SetProgressVisible(bool visible) override { progressVisible = visible; }
  void ShowResultsPage() override { ++resultsPageShown; }
  void FocusReport() override { ++reportFocused; }
  void PostScrollCaret() override { ++scrollsPosted; }
  void ProcessMessages() override {
    ++messageRounds;
    if (onMessages) onMessages();
  }

  std::string caption = "Zoek";
  bool resultVisible = true;
  bool progressVisible = false;
  int resultsPageShown = 0;
  int reportFocused = 0;
  int scrollsPosted = 0;
  int messageRounds = 0;
  // What the user does while events are processed, nested in the walk.
  std::function<void()> onMessages;
};

// The report line by line as "<format>|<text>": "R" red and bold, "B" bold,
// "-" the default format, "?" anything else (a line whose characters differ).
std::vector<std::string> DescribeLines(const Report& report);

// The mount point of the drive whose heading the report shows last; "" before
// the first heading.
std::string DriveBeingWalked(const Report& report);

}  // namespace paarvinder::test
