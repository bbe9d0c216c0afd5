// Saving and reopening a results file, at three sizes of report: 100,000,
// 200,000 and 400,000 hit lines with a drive heading (bold) every 10,000 hits
// and a red, bold header and trailer, as a run writes them. Prints the best of
// three timings of SaveReport and LoadReport per size, the cost per line, and
// that cost as a ratio to the smallest size: near 1 when both are linear.
//
//   report_bench [FOLDER]   (default: a new folder under /tmp)

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "report/MarkedBlock.h"
#include "report/ResultsFile.h"

namespace {

using namespace paarvinder;

Report RunLikeReport(int hits) {
  Report report;
  MarkedBlock header(report);
  report.Add("Zoeken naar FILE");
  header.Format(BlockTreatment::RedBold);
  for (int i = 0; i < hits; ++i) {
    if (i % 10000 == 0) {
      MarkedBlock heading(report);
      report.Add("Vaste schijf /mnt/disk" + std::to_string(i / 10000) + "/ (data)");
      heading.Format(BlockTreatment::Bold);
    }
    report.Add("\t/some/path/file gevonden! (123 bytes)");
  }
  MarkedBlock trailer(report);
  report.Add("9-11-2011 13:05:09");
  report.Add("Zoektijd: 0:01:23");
  trailer.Format(BlockTreatment::RedBold);
  return report;
}

double BestSeconds(const std::function<void()>& work) {
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder;
  if (argc > 1) {
    folder = argv[1];
  } else {
    char pattern[] = "/tmp/report_bench-XXXXXX";
    if (!::mkdtemp(pattern)) return 1;
    folder = pattern;
  }
  const std::string name = folder + "/Zoekresultaten(9-11-2011).rtf";

  std::printf("%10s %10s %10s %10s %12s %12s %10s %10s\n", "hit lines", "file MB", "save ms", "load ms",
              "save ns/line", "load ns/line", "save ratio", "load ratio");
  double saveBase = 0, loadBase = 0;
  for (const int hits : {100000, 200000, 400000}) {
    const Report report = RunLikeReport(hits);
    const double save = BestSeconds([&] { SaveReport(report, name); });
    Report loaded;
    const double load = BestSeconds([&] { LoadReport(loaded, name); });
    if (loaded.GetTextLen() != report.GetTextLen()) {
      std::fprintf(stderr, "reopened report differs\n");
      return 1;
    }
    const double lines = static_cast<double>(report.LineCount());
    const double saveNs = save * 1e9 / lines, loadNs = load * 1e9 / lines;
    if (saveBase == 0) saveBase = saveNs, loadBase = loadNs;
    std::printf("%10d %10.1f %10.1f %10.1f %12.1f %12.1f %10.2f %10.2f\n", hits,
                static_cast<double>(std::filesystem::file_size(name)) / 1e6, save * 1e3, load * 1e3, saveNs, loadNs,
                saveNs / saveBase, loadNs / loadBase);
  }
  if (argc <= 1) std::filesystem::remove_all(folder);
  return 0;
}
