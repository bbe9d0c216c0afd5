// Whole search runs without a window, on temporary trees taken as drives: the
// report line by line with its formats, the saves, the sounds, the button
// states, and what clicks nested in the walk do to all of them.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "SearchFixtures.h"
#include "TempTree.h"
#include "report/ResultsFile.h"
#include "search/SearchRun.h"
#include "search/SearchTerm.h"

namespace paarvinder {
namespace {

using test::DescribeLines;
using test::DriveBeingWalked;
using test::FakeWindow;
using test::FixtureDiskInfo;
using test::FixtureDrive;
using test::PlayedSound;
using test::RecordingSoundSink;
using test::ScriptedClock;
using test::TempTree;

const std::string kFixed = "\tWe zoeken op de harde schijf ";
const std::string kNetwork = "\tWe zoeken op de netwerk schijf ";
const std::string kRam = "\tWe zoeken op de ramdisk ";
const std::string kVirtual = "\tWe zoeken op de virtuele disk ";
const std::string kDrive = "\tWe zoeken in drive ";

const LocalDateTime kNovember9{{2011, 11, 9}, {13, 5, 9, 0}};
const std::string kNovember9Text = "9-11-2011 13:05:09";
const std::string kResultsName = "Zoekresultaten(9-11-2011).rtf";

RegionalSettings DutchSettings() {
  RegionalSettings settings;
  settings.shortDatePattern = "d-M-yyyy";
  settings.dateSeparator = "-";
  settings.hourLeadingZero = false;
  settings.twelveHourClock = false;
  settings.timeSeparator = ":";
  return settings;
}

// A report as DescribeLines gives it, written down part by part.
class Expected {
 public:
  Expected& Header(const std::string& term) {
    return Plain("").Line("R", "\tHet bestand waarnaar gezocht wordt: '" + term + "'");
  }
  Expected& Drive(const std::string& kindText, const std::string& root, const std::string& label) {
    return Plain("").Line("B", kindText + root + "  (" + label + ")");
  }
  Expected& Hit(const std::string& path, std::uint64_t size) {
    return Plain("\t" + path + " gevonden! (" + std::to_string(size) + " bytes)");
  }
  Expected& Nothing() { return Plain("\tNiets gevonden..."); }
  Expected& Interrupted() { return Plain("\tHet zoeken werd onderbroken..."); }
  Expected& Trailer(const std::string& dateTime, const std::string& duration) {
    return Plain("")
        .Line("R", "\tThat's all folks...(" + dateTime + ")")
        .Line("R", "\tHoe lang gezocht? " + duration)
        .Plain("");
  }
  Expected& Plain(const std::string& text) { return Line("-", text); }

  std::vector<std::string> lines;

 private:
  Expected& Line(const std::string& format, const std::string& text) {
    lines.push_back(format + "|" + text);
    return *this;
  }
};

// Everything a run reaches, around one SearchRun.
struct Rig {
  Rig(std::vector<FixtureDrive> drives, const std::string& progMap,
      std::vector<LocalDateTime> times = {kNovember9}, std::int64_t textLimit = Report::kDefaultTextLimit)
      : report(textLimit), disk(std::move(drives)), clock(std::move(times)) {
    run.ProgMap = progMap;
  }
  void Search(const std::string& entryText) {
    run.ZoekNaam = NormaliseTerm(entryText);
    run.tbZoekClick();
  }

  Report report;
  FixtureDiskInfo disk;
  RecordingSoundSink sounds{report};
  FakeWindow window;
  ScriptedClock clock;
  SearchRun run{report, disk, sounds, window, clock, DutchSettings()};
};

std::vector<std::string> SavedLines(const std::string& fileName) {
  Report saved;
  LoadReport(saved, fileName);
  return DescribeLines(saved);
}

class SearchRunTest : public ::testing::Test {
 protected:
  std::string Drive(const std::string& name) const { return tree.Path("drives/" + name); }
  std::string Root(const std::string& name) const { return Drive(name) + "/"; }
  std::string ResultsFile() const { return tree.Path("uitvoer/" + kResultsName); }

  SearchRunTest() { tree.Folder("uitvoer"); }

  TempTree tree;
  const std::string results = tree.Path("uitvoer/");
};

TEST_F(SearchRunTest, ARunReportsEveryDriveAndEndsWithTrailerSaveSoundAndTheSystemDrive) {
  tree.File("drives/c/docs/foto.jpg", 512);
  tree.File("drives/c/foto.jpg-map/leesmij.txt", 1);
  tree.File("drives/d/x/y.txt", 1);
  tree.File("drives/e/FOTO.JPG", 0);
  tree.File("drives/e/sub/foto.jpg", 1);
  Rig rig({{Drive("c"), dtFixed, "Systeem"}, {Drive("d"), dtNetwork, ""}, {Drive("e"), dtRAM, "RAM"}}, results);
  rig.run.Onderbreken = 1;  // left from an earlier stop request
  struct During {
    std::string caption;
    bool result = true;
    bool progress = false;
    int stop = -1;
  } during;
  rig.window.onMessages = [&] {
    if (!during.caption.empty()) return;
    during = {rig.window.caption, rig.window.resultVisible, rig.window.progressVisible, rig.run.Onderbreken};
  };

  rig.Search("C:\\Data\\foto.jpg");

  const std::vector<std::string> expected = Expected()
                                                .Header("FOTO.JPG")
                                                .Drive(kFixed, Root("c"), "Systeem")
                                                .Hit(Root("c") + "docs/foto.jpg", 512)
                                                .Drive(kNetwork, Root("d"), "")
                                                .Nothing()
                                                .Drive(kRam, Root("e"), "RAM")
                                                .Hit(Root("e") + "FOTO.JPG", 0)
                                                .Trailer(kNovember9Text, "0:00:00")
                                                .lines;
  EXPECT_EQ(DescribeLines(rig.report), expected);
  EXPECT_EQ(SavedLines(ResultsFile()), expected);

  EXPECT_EQ(during.caption, "Onderbreek");
  EXPECT_FALSE(during.result);
  EXPECT_TRUE(during.progress);
  EXPECT_EQ(during.stop, 0);
  EXPECT_EQ(rig.window.caption, "Zoek");
  EXPECT_TRUE(rig.window.resultVisible);
  EXPECT_FALSE(rig.window.progressVisible);
  EXPECT_EQ(rig.window.resultsPageShown, 1);
  EXPECT_EQ(rig.window.reportFocused, 1);
  EXPECT_EQ(rig.window.scrollsPosted, 3);
  EXPECT_EQ(rig.run.Onderbreken, 0);
  EXPECT_EQ(rig.disk.selections, (std::vector<std::string>{Drive("c"), Drive("d"), Drive("e"), "/"}));
  EXPECT_EQ(rig.disk.Disk(), "/");
  // One hit sound per hit, waited for, each just after its line; the end
  // sound once, not waited for, after the whole report.
  EXPECT_EQ(rig.sounds.played, (std::vector<PlayedSound>{{SoundName::Hebbes, true, 5},
                                                          {SoundName::Hebbes, true, 11},
                                                          {SoundName::Stop, false, expected.size()}}));
}

TEST_F(SearchRunTest, EachKindHasItsHeadingAndFloppiesAndOpticalDrivesArePassedOver) {
  for (const char* name : {"a", "c", "h", "r", "s", "u"}) tree.Folder("drives/" + std::string(name));
  Rig rig({{Drive("a"), dtFloppy, "STICK"},
           {Drive("c"), dtFixed, "Systeem"},
           {Drive("d"), dtCDROM, "CD"},
           {Drive("h"), dtRAM, "snel"},
           {Drive("n"), dtNetwork, ""},  // disconnected: it cannot be read
           {Drive("r"), dtVirtual, "map"},
           {Drive("s"), dtUnknown, "?"},
           {Drive("u"), dtNoDrive, ""},
           {Drive("x"), static_cast<TdcDriveType>(9), ""}},  // a kind it does not know
          results);

  rig.Search("foto");

  EXPECT_EQ(DescribeLines(rig.report), Expected()
                                           .Header("FOTO")
                                           .Drive(kFixed, Root("c"), "Systeem")
                                           .Nothing()
                                           .Drive(kRam, Root("h"), "snel")
                                           .Nothing()
                                           .Drive(kNetwork, Root("n"), "")
                                           .Nothing()
                                           .Drive(kVirtual, Root("r"), "map")
                                           .Nothing()
                                           .Drive(kDrive, Root("s"), "?")
                                           .Nothing()
                                           .Drive(kDrive, Root("u"), "")
                                           .Nothing()
                                           .Drive(kDrive, Root("x"), "")
                                           .Nothing()
                                           .Trailer(kNovember9Text, "0:00:00")
                                           .lines);
  EXPECT_EQ(rig.disk.selections.size(), 10u);  // every drive, and the system drive at the end
  EXPECT_FALSE(rig.run.Gevonden);
}

TEST_F(SearchRunTest, OnlyFloppyAndOpticalDrivesGiveHeaderAndTrailerAlone) {
  tree.File("drives/a/foto", 1);
  Rig rig({{Drive("a"), dtFloppy, "STICK"}, {Drive("d"), dtCDROM, "CD"}}, results);
  rig.Search("foto");
  const std::vector<std::string> expected = Expected().Header("FOTO").Trailer(kNovember9Text, "0:00:00").lines;
  EXPECT_EQ(DescribeLines(rig.report), expected);
  EXPECT_EQ(SavedLines(ResultsFile()), expected);
  EXPECT_EQ(rig.window.scrollsPosted, 0);
  EXPECT_EQ(rig.window.messageRounds, 0);
  EXPECT_EQ(rig.sounds.played, (std::vector<PlayedSound>{{SoundName::Stop, false, expected.size()}}));
}

TEST_F(SearchRunTest, ADriveWhoseSelectionFailsIsHandledAsTheDriveSelectedBefore) {
  tree.File("drives/c/foto", 7);
  Rig rig({{Drive("c"), dtFixed, "C"}, {Drive("d"), dtNetwork, "D", true}}, results);
  rig.Search("foto");
  EXPECT_EQ(DescribeLines(rig.report), Expected()
                                           .Header("FOTO")
                                           .Drive(kFixed, Root("c"), "C")
                                           .Hit(Root("c") + "foto", 7)
                                           .Drive(kFixed, Root("c"), "C")
                                           .Hit(Root("c") + "foto", 7)
                                           .Trailer(kNovember9Text, "0:00:00")
                                           .lines);
}

class InterruptTest : public SearchRunTest {
 protected:
  InterruptTest() {
    tree.File("drives/c/foto-c", 3);
    tree.File("drives/d/a/b/foto-d", 4);
    tree.File("drives/e/foto-e", 5);
  }
  std::vector<FixtureDrive> ThreeDrives() const {
    return {{Drive("c"), dtFixed, "C"}, {Drive("d"), dtFixed, "D"}, {Drive("e"), dtFixed, "E"}};
  }
};

TEST_F(InterruptTest, TheButtonDuringTheSecondOfThreeDrivesEndsTheSweepAndSavesTwice) {
  Rig rig(ThreeDrives(), results);
  std::vector<std::string> savedAtTheClick;
  bool fileBeforeTheClick = true;
  rig.window.onMessages = [&] {
    if (DriveBeingWalked(rig.report) != Drive("d") || !savedAtTheClick.empty()) return;
    fileBeforeTheClick = std::filesystem::exists(ResultsFile());
    rig.run.tbZoekClick();
    savedAtTheClick = SavedLines(ResultsFile());
    EXPECT_EQ(rig.window.caption, "Zoek");
    EXPECT_TRUE(rig.window.resultVisible);
    EXPECT_TRUE(rig.window.progressVisible);
    EXPECT_EQ(rig.run.Onderbreken, 1);
  };

  rig.Search("foto");

  Expected sofar;
  sofar.Header("FOTO").Drive(kFixed, Root("c"), "C").Hit(Root("c") + "foto-c", 3).Drive(kFixed, Root("d"), "D").Plain("");
  EXPECT_FALSE(fileBeforeTheClick);
  EXPECT_EQ(savedAtTheClick, sofar.lines);
  const std::vector<std::string> expected = sofar.Interrupted().Trailer(kNovember9Text, "0:00:00").lines;
  EXPECT_EQ(DescribeLines(rig.report), expected);
  EXPECT_EQ(SavedLines(ResultsFile()), expected);
  EXPECT_EQ(rig.disk.selections, (std::vector<std::string>{Drive("c"), Drive("d"), "/"}));
  EXPECT_EQ(rig.window.resultsPageShown, 2);
  EXPECT_EQ(rig.window.caption, "Zoek");
  EXPECT_FALSE(rig.window.progressVisible);
  EXPECT_EQ(rig.run.Onderbreken, 1);
  EXPECT_EQ(rig.sounds.played, (std::vector<PlayedSound>{{SoundName::Hebbes, true, 5},
                                                          {SoundName::Stop, false, expected.size()}}));
}

TEST_F(InterruptTest, AStopRequestFromStopEndsTheSweepWithoutTheButtonsLineAndSavesOnce) {
  Rig rig(ThreeDrives(), results);
  bool fileAtTheRequest = true;
  rig.window.onMessages = [&] {
    if (DriveBeingWalked(rig.report) != Drive("d")) return;
    rig.run.Onderbreken = 1;
    fileAtTheRequest = std::filesystem::exists(ResultsFile());
  };

  rig.Search("foto");

  const std::vector<std::string> expected = Expected()
                                                .Header("FOTO")
                                                .Drive(kFixed, Root("c"), "C")
                                                .Hit(Root("c") + "foto-c", 3)
                                                .Drive(kFixed, Root("d"), "D")
                                                .Interrupted()
                                                .Trailer(kNovember9Text, "0:00:00")
                                                .lines;
  EXPECT_EQ(DescribeLines(rig.report), expected);
  EXPECT_FALSE(fileAtTheRequest);
  EXPECT_EQ(SavedLines(ResultsFile()), expected);
  EXPECT_EQ(rig.window.messageRounds, 1);
  EXPECT_EQ(rig.run.Onderbreken, 1);  // kept after the run
}

TEST_F(InterruptTest, AClickAfterTheInterruptStartsARunNestedInTheWalkAndTheOuterOneGoesOn) {
  Rig rig(ThreeDrives(), results);
  int clicks = 0;
  rig.window.onMessages = [&] {
    if (DriveBeingWalked(rig.report) != Drive("d") || clicks > 0) return;
    clicks = 2;
    rig.run.tbZoekClick();  // "Onderbreek": the interrupt
    rig.run.tbZoekClick();  // "Zoek" again: a new run, inside this one
  };

  rig.Search("foto");

  // The nested run clears the report and runs to its end; the outer walk
  // then finds its stop request cleared and goes on where it was.
  EXPECT_EQ(DescribeLines(rig.report), Expected()
                                           .Header("FOTO")
                                           .Drive(kFixed, Root("c"), "C")
                                           .Hit(Root("c") + "foto-c", 3)
                                           .Drive(kFixed, Root("d"), "D")
                                           .Hit(Root("d") + "a/b/foto-d", 4)
                                           .Drive(kFixed, Root("e"), "E")
                                           .Hit(Root("e") + "foto-e", 5)
                                           .Trailer(kNovember9Text, "0:00:00")
                                           .Hit(Root("d") + "a/b/foto-d", 4)
                                           .Drive(kFixed, Root("e"), "E")
                                           .Hit(Root("e") + "foto-e", 5)
                                           .Trailer(kNovember9Text, "0:00:00")
                                           .lines);
  EXPECT_EQ(rig.disk.selections, (std::vector<std::string>{Drive("c"), Drive("d"), Drive("c"), Drive("d"),
                                                           Drive("e"), "/", Drive("e"), "/"}));
  EXPECT_EQ(rig.window.caption, "Zoek");
  EXPECT_EQ(rig.sounds.played.size(), 8u);  // 1 + 3 + 1 hits, and two ends
}

TEST_F(SearchRunTest, AStopRequestTheWalkOfADriveDoesNotSeeTakesEffectAtTheNextListedDrive) {
  struct UnseenCase {
    std::string name;
    std::vector<std::string> drives;  // "c" loses its only subfolder while the request is made
    bool interrupted;
  };
  const UnseenCase cases[] = {
      {"the next drive ends at once", {"c", "d", "e"}, true},
      {"a drive that cannot be listed does not see it either", {"c", "missing", "e"}, true},
      {"no drive follows: the sweep ends as usual", {"c"}, false},
  };
  for (const UnseenCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree caseTree;
    caseTree.Folder("c/weg");
    caseTree.File("d/foto", 1);
    caseTree.File("e/foto", 1);
    std::vector<FixtureDrive> drives;
    for (const std::string& name : c.drives) drives.push_back({caseTree.Path(name), dtFixed, name});
    Rig rig(drives, results);
    rig.window.onMessages = [&] {
      rig.run.Onderbreken = 1;
      std::filesystem::remove(caseTree.Path("c/weg"));
    };

    rig.Search("foto");

    Expected expected;
    expected.Header("FOTO").Drive(kFixed, caseTree.Path("c/"), "c").Nothing();
    if (c.drives.size() > 1) {
      if (c.drives[1] == "missing") expected.Drive(kFixed, caseTree.Path("missing/"), "missing").Nothing();
      const std::string& seeing = c.drives[1] == "missing" ? c.drives[2] : c.drives[1];
      expected.Drive(kFixed, caseTree.Path(seeing + "/"), seeing);
    }
    if (c.interrupted) expected.Interrupted();
    expected.Trailer(kNovember9Text, "0:00:00");
    EXPECT_EQ(DescribeLines(rig.report), expected.lines);
    EXPECT_EQ(rig.run.Onderbreken, 1);
  }
}

TEST_F(SearchRunTest, AChangedTermCountsFromTheNextComparisonOn) {
  tree.File("drives/c/gamma-c.txt", 1);
  tree.File("drives/c/sub/alfa.txt", 2);
  tree.File("drives/c/sub/gamma-sub.txt", 3);
  tree.File("drives/d/gamma-d.txt", 4);
  Rig rig({{Drive("c"), dtFixed, "C"}, {Drive("d"), dtFixed, "D"}}, results);
  rig.window.onMessages = [&] { rig.run.ZoekNaam = NormaliseTerm("gamma"); };
  rig.Search("alfa");
  EXPECT_EQ(DescribeLines(rig.report), Expected()
                                           .Header("ALFA")
                                           .Drive(kFixed, Root("c"), "C")
                                           .Hit(Root("c") + "sub/gamma-sub.txt", 3)
                                           .Drive(kFixed, Root("d"), "D")
                                           .Hit(Root("d") + "gamma-d.txt", 4)
                                           .Trailer(kNovember9Text, "0:00:00")
                                           .lines);
}

TEST_F(SearchRunTest, AnEmptyTermWalksEverythingAndFindsNothing) {
  tree.File("drives/c/a", 1);
  tree.File("drives/c/sub/b", 1);
  Rig rig({{Drive("c"), dtFixed, "C"}}, results);
  rig.Search("C:\\Data\\");
  EXPECT_EQ(DescribeLines(rig.report),
            Expected().Header("").Drive(kFixed, Root("c"), "C").Nothing().Trailer(kNovember9Text, "0:00:00").lines);
  EXPECT_EQ(rig.window.messageRounds, 1);
}

TEST_F(SearchRunTest, TheDurationIsTheTimeOfTheSweepAndTheFileIsNamedForTheDayOfTheSave) {
  struct ClockCase {
    std::string name;
    std::vector<LocalDateTime> reads;  // start, end, trailer date-time, save
    std::string duration;
    std::string dateTime;
    std::string fileName;
  };
  const CivilDate ninth{2011, 11, 9};
  const CivilDate tenth{2011, 11, 10};
  const ClockCase cases[] = {
      {"shorter than a second", {{ninth, {13, 5, 9, 0}}, {ninth, {13, 5, 9, 999}}}, "0:00:00", kNovember9Text,
       kResultsName},
      {"milliseconds do not round", {{ninth, {13, 5, 9, 100}}, {ninth, {13, 7, 10, 50}}}, "0:02:00", "9-11-2011 13:07:10",
       kResultsName},
      {"hours", {{ninth, {9, 0, 0, 0}}, {ninth, {11, 30, 15, 0}}}, "2:30:15", "9-11-2011 11:30:15", kResultsName},
      {"across midnight a day is added",
       {{ninth, {23, 59, 50, 0}}, {tenth, {0, 0, 5, 0}}},
       "0:00:15",
       "10-11-2011 0:00:05",
       "Zoekresultaten(10-11-2011).rtf"},
      {"ending at midnight exactly", {{ninth, {23, 59, 59, 0}}, {tenth, {0, 0, 0, 0}}}, "0:00:01", "10-11-2011",
       "Zoekresultaten(10-11-2011).rtf"},
      {"the day changes before the save",
       {{ninth, {23, 59, 58, 0}}, {ninth, {23, 59, 59, 0}}, {ninth, {23, 59, 59, 500}}, {tenth, {0, 0, 0, 100}}},
       "0:00:01",
       "9-11-2011 23:59:59",
       "Zoekresultaten(10-11-2011).rtf"},
  };
  for (const ClockCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree caseResults;
    Rig rig({}, caseResults.Root(), c.reads);
    rig.Search("foto");
    const std::vector<std::string> expected = Expected().Header("FOTO").Trailer(c.dateTime, c.duration).lines;
    EXPECT_EQ(DescribeLines(rig.report), expected);
    EXPECT_TRUE(std::filesystem::exists(caseResults.Path(c.fileName)));
  }
}

TEST_F(SearchRunTest, AFailureEndsTheRunAtItsStepAndTheNextClickTakesTheInterruptBranch) {
  tree.File("bestand", 1);
  tree.File("drives/c/foto-met-een-lange-naam", 1);
  struct FailureCase {
    std::string name;
    std::string progMap;
    std::int64_t textLimit;
    std::string message;
    bool progressVisible;  // the ring is hidden only once the sweep is over
  };
  const FailureCase cases[] = {
      {"the results file cannot be created", tree.Path("bestand/"), Report::kDefaultTextLimit,
       "Cannot create file " + tree.Path("bestand/") + kResultsName, false},
      {"the report takes no more lines", results, 60, "RichEdit line insertion error", true},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig({{Drive("c"), dtFixed, "C"}}, c.progMap, {kNovember9}, c.textLimit);
    try {
      rig.Search("foto");
      ADD_FAILURE() << "the run did not fail";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), c.message);
    }
    EXPECT_EQ(rig.window.caption, "Onderbreek");
    EXPECT_FALSE(rig.window.resultVisible);
    EXPECT_EQ(rig.window.progressVisible, c.progressVisible);
    EXPECT_EQ(rig.disk.selections, std::vector<std::string>{Drive("c")});
    EXPECT_TRUE(std::none_of(rig.sounds.played.begin(), rig.sounds.played.end(),
                             [](const PlayedSound& sound) { return sound.name == SoundName::Stop; }));
    EXPECT_FALSE(std::filesystem::exists(ResultsFile()));
  }
}

TEST_F(SearchRunTest, AfterAFailedSaveTheNextClickInterruptsTheRunThatIsNoMore) {
  tree.File("bestand", 1);
  tree.Folder("drives/c");
  Rig rig({{Drive("c"), dtFixed, "C"}}, tree.Path("bestand/"));
  EXPECT_THROW(rig.Search("foto"), std::runtime_error);
  const std::vector<std::string> before = DescribeLines(rig.report);

  rig.run.ProgMap = results;  // the folder can be written to again
  rig.run.tbZoekClick();

  std::vector<std::string> after = before;
  after.push_back("-|");
  EXPECT_EQ(DescribeLines(rig.report), after);
  EXPECT_EQ(SavedLines(ResultsFile()), after);
  EXPECT_EQ(rig.window.caption, "Zoek");
  EXPECT_TRUE(rig.window.resultVisible);
  EXPECT_FALSE(rig.window.progressVisible);
  EXPECT_EQ(rig.run.Onderbreken, 1);
  EXPECT_EQ(rig.disk.selections, std::vector<std::string>{Drive("c")});
}

}  // namespace
}  // namespace paarvinder
