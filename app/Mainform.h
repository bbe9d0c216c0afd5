#pragma once
// TfMain, the program's one window: the toolbar, the results page with the
// live report, the info page and the status bar, and the handlers that tie
// them to a search run.
//
// A click that waits while a run is still on the stack. The walk lets
// events through once per folder, so after "Onderbreek" the buttons read
// "Zoek" and "Resultaten" again while the interrupted run is still on its way
// out. A click on either that arrives then is held, not run nested: the old
// run finishes exactly as it would have, and the held click is carried out
// from the main loop once the old run has returned (the latest click wins).
// Starting a run inside the old one would reset the stop request and let
// the old walk carry on; loading a file would be overwritten by the old run's
// trailer and save. "Stop" and the close button drop a held click.
//
// "Stop" and the close button end the program once control is back in the
// main loop: during a run the close is put off until the run has returned.

#include <functional>
#include <string>

#include <QMainWindow>
#include <QStringList>

#include "platform/Clock.h"
#include "platform/DiskInfo.h"
#include "platform/RegionalSettings.h"
#include "platform/Sound.h"
#include "report/Report.h"
#include "search/SearchHost.h"
#include "search/SearchRun.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolBar;

namespace paarvinder {

class BusyRing;
class HintDisplay;
class ReportView;
class ResultsDialog;
class StatusPanels;
class ToolbarButton;

// What the window takes from the machine; tests put fixtures in.
struct MainformPlatform {
  DiskInfo& diskInfo;
  SoundSink& sounds;
  const Clock& clock;
  RegionalSettings settings;
  std::function<std::string()> programFolder;  // where ProgMap comes from
};

class TfMain final : public QMainWindow, private SearchHost {
 public:
  static constexpr int kClientWidth = 874;
  static constexpr int kClientHeight = 610;
  static constexpr int kMarkPanelWidth = 150;

  // `commandLine` as the program got it, its own name first.
  TfMain(MainformPlatform platform, QStringList commandLine, QWidget* parent = nullptr);
  ~TfMain() override;

  // The components, named as in the layout.
  QToolBar* ToolBar;
  ToolbarButton* tbStop;
  ToolbarButton* tbZoek;
  ToolbarButton* tbResult;
  ToolbarButton* tbInfo;
  QStackedWidget* PageControl;
  QWidget* TabBegin;
  QWidget* TabInfo;
  QLabel* lZoek;
  BusyRing* Progress;
  ReportView* Rich;
  ReportView* RichInfo;
  StatusPanels* Stat;
  QGroupBox* gbZoek;
  QLineEdit* eZoek;
  ResultsDialog* OpenDialog;

  // The handlers. None lets an exception out: it is shown in the error box.
  void FormShow();
  void FormResize();
  void StatMouseMove();
  void tbStopClick();
  void tbZoekClick();
  void tbResultClick();
  void tbInfoClick();
  void eZoekChange();
  // Enter arrives as '\r'; setting `key` to 0 swallows it.
  void eZoekKeyPress(char& key);

  // The search run with the fields it shares with the window (ZoekNaam,
  // Onderbreken, Gevonden, ProgMap), and the two reports.
  SearchRun& Search() { return run_; }
  Report& RichReport() { return richReport_; }
  Report& RichInfoReport() { return infoReport_; }
  // Is a search run on the stack (its start branch not yet returned)?
  bool RunActive() const { return runActive_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class HeldClick { None, Zoek, Resultaten };

  // SearchHost
  std::string ZoekCaption() const override;
  void SetZoekCaption(const std::string& caption) override;
  void SetResultVisible(bool visible) override;
  void SetProgressVisible(bool visible) override;
  void ShowResultsPage() override;
  void FocusReport() override;
  void PostScrollCaret() override;
  void ProcessMessages() override;

  void BuildToolBar();
  void BuildResultsPage();
  void BuildInfoPage();
  void BuildStatusBar();
  void Hold(HeldClick click);
  void RunReturned();

  Report richReport_;
  Report infoReport_;
  MainformPlatform platform_;
  QStringList commandLine_;
  SearchRun run_;
  HintDisplay* hints_ = nullptr;
  bool runActive_ = false;  // a second start is held, so runs never nest
  bool formShown_ = false;
  bool closeAfterRun_ = false;
  HeldClick held_ = HeldClick::None;
};

}  // namespace paarvinder
