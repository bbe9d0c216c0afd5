#pragma once
// A search run: both branches of the search button, the drive sweep and the
// folder walk, with the fields that the window shares with them.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/DiskInfo.h"
#include "platform/RegionalSettings.h"
#include "platform/Sound.h"
#include "report/Report.h"
#include "search/SearchHost.h"

namespace paarvinder {

class FolderChain;
class FolderListing;
class SubfolderStack;
enum class FolderVisit;

class SearchRun {
 public:
  SearchRun(Report& rich, DiskInfo& diskInfo, SoundSink& sounds, SearchHost& host, const Clock& clock,
            RegionalSettings settings);

  // The click on tbZoek (and Enter in the entry): the caption decides between
  // starting a run and interrupting the running one.
  void tbZoekClick();

  // The walk of one folder, a path ending in "/": 1 for a stop request, else 0.
  int ZoekInMap(const std::string& folder);

  // Shared with the window.
  std::string ZoekNaam;         // the normalised search term
  std::int32_t Onderbreken = 0; // the stop request, 0 or 1
  bool Gevonden = false;        // the drive being searched has had a hit
  std::string ProgMap;          // the results folder, ending in "/"

 private:
  void StartRun();
  void InterruptRun();
  void ZoekSchijven();
  // Saves the report as the results file of the current day in ProgMap.
  void SaveResults();

  // The files pass of the chain's deepest folder. It ends the folder at a hit
  // or without a listing; otherwise its subfolders go on the stack.
  FolderVisit SearchFiles(FolderChain& chain, FolderListing& listing, SubfolderStack& subfolders);
  void ReportHit(const std::string& folder, std::string_view name, std::uint64_t size);

  Report& Rich;
  DiskInfo& diskInfo_;
  SoundSink& sounds_;
  SearchHost& host_;
  const Clock& clock_;
  RegionalSettings settings_;
};

}  // namespace paarvinder
