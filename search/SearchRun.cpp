// The search run: both branches of the search button and the drive sweep.
//
// On Linux there is no process error mode to set before a drive is selected:
// a drive that is not ready shows no system box here, its file system calls
// simply fail. The selection keeps its catch-all guard.

#include "search/SearchRun.h"

#include <string>
#include <utility>
#include <vector>

#include "report/DateTexts.h"
#include "report/MarkedBlock.h"
#include "report/ResultsFile.h"

namespace paarvinder {

namespace {

const std::string kZoek = "Zoek";
const std::string kOnderbreek = "Onderbreek";

std::string HeadingText(TdcDriveType kind) {
  switch (kind) {
    case dtFixed:
      return "\tWe zoeken op de harde schijf ";
    case dtNetwork:
      return "\tWe zoeken op de netwerk schijf ";
    case dtRAM:
      return "\tWe zoeken op de ramdisk ";
    case dtVirtual:
      return "\tWe zoeken op de virtuele disk ";
    default:
      return "\tWe zoeken in drive ";
  }
}

// The time between two times of day. A run that passes midnight ends at an
// earlier time of day than it began; a day is added then, so that it shows
// how long it really took (runs of a day or more are not told apart).
TimeOfDay Elapsed(const TimeOfDay& start, const TimeOfDay& end) {
  constexpr long kDay = 24L * 60 * 60 * 1000;
  const auto milliseconds = [](const TimeOfDay& t) {
    return ((t.hour * 60L + t.minute) * 60 + t.second) * 1000 + t.millisecond;
  };
  long elapsed = milliseconds(end) - milliseconds(start);
  if (elapsed < 0) elapsed += kDay;
  TimeOfDay result;
  result.millisecond = static_cast<int>(elapsed % 1000);
  result.second = static_cast<int>(elapsed / 1000 % 60);
  result.minute = static_cast<int>(elapsed / 60000 % 60);
  result.hour = static_cast<int>(elapsed / 3600000);
  return result;
}

}  // namespace

SearchRun::SearchRun(Report& rich, DiskInfo& diskInfo, SoundSink& sounds, SearchHost& host, const Clock& clock,
                     RegionalSettings settings)
    : Rich(rich), diskInfo_(diskInfo), sounds_(sounds), host_(host), clock_(clock), settings_(std::move(settings)) {}

void SearchRun::tbZoekClick() {
  host_.ShowResultsPage();
  if (host_.ZoekCaption() == kOnderbreek) {
    InterruptRun();
  } else {
    StartRun();
  }
}

void SearchRun::InterruptRun() {
  Onderbreken = 1;
  Rich.Add("");
  SaveResults();
  host_.SetZoekCaption(kZoek);
  host_.SetResultVisible(true);
}

void SearchRun::StartRun() {
  Onderbreken = 0;
  host_.SetZoekCaption(kOnderbreek);
  host_.SetResultVisible(false);
  Rich.Clear();
  host_.FocusReport();
  host_.SetProgressVisible(true);

  Rich.Add("");
  MarkedBlock header(Rich);
  const TimeOfDay start = clock_.Now().time;
  Rich.Add("\tHet bestand waarnaar gezocht wordt: '" + ZoekNaam + "'");
  header.Format(BlockTreatment::RedBold);

  ZoekSchijven();

  host_.SetProgressVisible(false);
  Rich.Add("");
  MarkedBlock trailer(Rich);
  const std::string duration = LongTimeText(settings_, Elapsed(start, clock_.Now().time));
  Rich.Add("\tThat's all folks...(" + DateTimeText(settings_, clock_.Now()) + ")");
  Rich.Add("\tHoe lang gezocht? " + duration);
  trailer.Format(BlockTreatment::RedBold);
  Rich.Add("");

  SaveResults();
  sounds_.PlayAsync(SoundName::Stop);
  host_.SetZoekCaption(kZoek);
  host_.SetResultVisible(true);
  diskInfo_.SetDisk(kSystemDrive);
}

void SearchRun::ZoekSchijven() {
  const std::vector<std::string> drives = diskInfo_.GetAvailableDrives();
  for (const std::string& drive : drives) {
    Gevonden = false;
    try {
      diskInfo_.SetDisk(drive);
    } catch (...) {
      // Whatever it was: the drive is handled as DiskInfo now describes it.
    }
    const TdcDriveType kind = diskInfo_.DriveType();
    if (kind == dtFloppy || kind == dtCDROM) continue;

    Rich.Add("");
    MarkedBlock heading(Rich);
    const std::string root = RootFolder(diskInfo_.Disk());
    Rich.Add(HeadingText(kind) + root + "  (" + diskInfo_.VolumeLabel() + ")");
    heading.Format(BlockTreatment::Bold);
    host_.PostScrollCaret();

    if (ZoekInMap(root) == 1) {
      Rich.Add("\tHet zoeken werd onderbroken...");
      return;
    }
    if (!Gevonden) Rich.Add("\tNiets gevonden...");
  }
}

void SearchRun::SaveResults() {
  SaveReport(Rich, ProgMap + ResultsFileName(settings_, clock_.Now().date));
}

}  // namespace paarvinder
