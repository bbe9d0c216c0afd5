#pragma once
// TfMain on stand-ins: drives that are folders of a temporary tree, sounds
// that are only written down, a clock fixed at one moment, and ProgMap in the
// tree as well. Also what the window tests need to act nested in a walk and
// on a modal dialog.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QStringList>

#include "SearchFixtures.h"
#include "TempTree.h"
#include "app/Mainform.h"

class QWidget;

namespace paarvinder::test {

// A drive table that lets a test act when the sweep selects a drive.
class HookedDiskInfo final : public DiskInfo {
 public:
  explicit HookedDiskInfo(DiskInfo& inner) : inner_(inner) {}
  std::vector<std::string> GetAvailableDrives() override { return inner_.GetAvailableDrives(); }
  void SetDisk(const std::string& drive) override {
    inner_.SetDisk(drive);
    if (onSetDisk) onSetDisk(drive);
  }
  std::string Disk() const override { return inner_.Disk(); }
  TdcDriveType DriveType() const override { return inner_.DriveType(); }
  std::string VolumeLabel() const override { return inner_.VolumeLabel(); }

  std::function<void(const std::string& drive)> onSetDisk;

 private:
  DiskInfo& inner_;
};

// Every reading of the clock: 11 December 2026, 14:05:09.
LocalDateTime FixedMoment();

// Three drives a, b and c, each with two subfolders; only a/docs, b/two and
// c/x hold a brief.doc. ProgMap is the tree's prog/.
class WindowFixture {
 public:
  explicit WindowFixture(QStringList commandLine = {QStringLiteral("paarvinder")});
  ~WindowFixture();

  // Shows the window (FormShow runs) and waits until it is on screen.
  void Show();
  // `action` runs nested in the walk of drive `name` ("a", "b" or "c"), at
  // the first events the walk lets through there, in every run.
  void AtWalkOf(const std::string& name, std::function<void()> action) { atWalkOf_[Drive(name)] = std::move(action); }
  // Types into the entry as a user would.
  void Type(const QString& text);
  // The mount point of drive `name`.
  std::string Drive(const std::string& name) const { return tree.Path(name); }
  // The full name of the day's results file.
  std::string ResultsFile() const;
  // The report's texts, line by line.
  std::vector<std::string> Lines() const;

  TempTree tree;
  std::string progMap;
  FixtureDiskInfo fixtureDisks;
  HookedDiskInfo disks{fixtureDisks};
  Report soundReport;  // the recording sink wants one; the window keeps its own
  RecordingSoundSink sounds{soundReport};
  ScriptedClock clock{{FixedMoment()}};
  std::unique_ptr<TfMain> window;

 private:
  std::map<std::string, std::function<void()>> atWalkOf_;
};

// Calls `handle` with the next modal widget as soon as one is open, from
// inside its own event loop.
void WhenModal(std::function<void(QWidget*)> handle);

// The lines of a finished run over the fixture's three drives for the term
// BRIEF.DOC, in the report's order.
std::vector<std::string> CompleteRunLines(const WindowFixture& fixture);

// The toolbar and the pages as one line: a hidden button in brackets, the
// shown page, and whether the busy ring shows.
QString State(const TfMain& window);

}  // namespace paarvinder::test
