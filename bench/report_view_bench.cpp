// Appends 100,000 hit lines to the live report view in chunks of 10,000 and
// compares the time of the last chunk with that of the first: appending must
// not slow down as the report grows. Two passes: events let through after
// every line, as a run does when every folder has a hit (the view repaints
// as it goes), and after every 1,000 lines (the cost of the view alone).

#include <time.h>

#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>

#include "app/ReportView.h"
#include "report/MarkedBlock.h"
#include "report/Report.h"

namespace {

using namespace paarvinder;

constexpr int kChunks = 10;
constexpr int kChunkLines = 10000;

double ProcessMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::vector<double> AppendChunks(int linesPerEventPass) {
  Report report;
  ReportView view;
  view.resize(809, 377);
  view.setLineWrapMode(QTextEdit::NoWrap);
  view.Follow(report);
  view.show();
  QCoreApplication::processEvents();

  std::vector<double> chunkMs;
  for (int chunk = 0; chunk < kChunks; ++chunk) {
    const double start = ProcessMs();
    for (int i = 0; i < kChunkLines; ++i) {
      const int n = chunk * kChunkLines + i;
      if (i % 1000 == 0) {
        // A drive heading: a bold block and a scroll request, as the sweep writes it.
        report.Add("");
        MarkedBlock heading(report);
        report.Add("\tWe zoeken op de harde schijf /mnt/disk" + std::to_string(n) + "/  (DATA)");
        heading.Format(BlockTreatment::Bold);
        QMetaObject::invokeMethod(&view, [&view] { view.ScrollCaretToEnd(); }, Qt::QueuedConnection);
      }
      report.Add("\t/home/gebruiker/documenten/map" + std::to_string(n) + "/brief.doc gevonden! (" +
                 std::to_string(1000 + n) + " bytes)");
      if ((i + 1) % linesPerEventPass == 0) QCoreApplication::processEvents();
    }
    chunkMs.push_back(ProcessMs() - start);
  }
  report.SetObserver(nullptr);
  return chunkMs;
}

void Print(const char* pass, const std::vector<double>& chunkMs) {
  std::printf("%s\n", pass);
  for (int chunk = 0; chunk < kChunks; ++chunk) {
    std::printf("  lines %6d-%6d: %8.1f ms\n", chunk * kChunkLines + 1, (chunk + 1) * kChunkLines, chunkMs[chunk]);
  }
  std::printf("  per 10,000 lines: first %.1f ms, last %.1f ms, last/first = %.2f\n", chunkMs.front(),
              chunkMs.back(), chunkMs.back() / chunkMs.front());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Print("events after every line:", AppendChunks(1));
  Print("events after every 1,000 lines:", AppendChunks(1000));
  return 0;
}
