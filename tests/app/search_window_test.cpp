// Search runs in the real window, with clicks, keys and the close button
// arriving nested in the walk as they do when a user acts during a run.

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QWindow>

#include "WindowFixture.h"
#include "app/ReportView.h"
#include "app/StatusPanels.h"
#include "app/ToolbarButton.h"
#include "report/ResultsFile.h"

namespace paarvinder {

using test::CompleteRunLines;
using test::State;
using test::WhenModal;
using test::WindowFixture;

namespace {

// A run stopped in the walk of drive b: its lines up to b's heading, then
// what the stop leaves, then the trailer.
std::vector<std::string> StoppedAtB(const WindowFixture& fixture, bool withInterruptLine) {
  const std::vector<std::string> complete = CompleteRunLines(fixture);
  std::vector<std::string> lines(complete.begin(), complete.begin() + 7);
  if (withInterruptLine) lines.push_back("");
  lines.push_back("\tHet zoeken werd onderbroken...");
  lines.insert(lines.end(), complete.end() - 4, complete.end());
  return lines;
}

std::vector<std::string> FileLines(const std::string& fileName) {
  Report file;
  LoadReport(file, fileName);
  std::vector<std::string> lines;
  for (const ReportLine& line : file.Lines()) lines.push_back(line.text);
  return lines;
}

}  // namespace

class SearchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void interruptedByAClickOnOnderbreek() {
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    fixture.Type("brief.doc");
    QString running, finishing;
    std::vector<std::string> linesThen, savedThen;
    fixture.AtWalkOf("b", [&] {
      running = State(window);
      QTest::mouseClick(window.tbZoek, Qt::LeftButton);
      finishing = State(window);
      linesThen = fixture.Lines();
      savedThen = FileLines(fixture.ResultsFile());
    });
    QTest::mouseClick(window.tbZoek, Qt::LeftButton);

    QCOMPARE(running, QString("Stop | Onderbreek | (Resultaten) | Info | TabBegin | ring"));
    QCOMPARE(finishing, QString("Stop | Zoek | Resultaten | Info | TabBegin | ring"));
    QCOMPARE(linesThen.back(), std::string());
    QCOMPARE(savedThen, linesThen);  // the interrupt saved what there was
    QCOMPARE(fixture.Lines(), StoppedAtB(fixture, true));
    QCOMPARE(test::DescribeLines(window.RichReport()).at(1).substr(0, 2), std::string("R|"));
    QCOMPARE(test::DescribeLines(window.RichReport()).at(6).substr(0, 2), std::string("B|"));
    QCOMPARE(test::DescribeLines(window.RichReport()).at(10).substr(0, 2), std::string("R|"));
    QCOMPARE(FileLines(fixture.ResultsFile()), fixture.Lines());
    QCOMPARE(State(window), QString("Stop | Zoek | Resultaten | Info | TabBegin | -"));
    QCOMPARE(window.Search().Onderbreken, 1);
    QVERIFY(!window.RunActive());
    QCOMPARE(fixture.fixtureDisks.selections.back(), std::string("/"));
    // The view shows what the report holds.
    QCOMPARE(window.Rich->document()->blockCount(), static_cast<int>(fixture.Lines().size()) + 1);
  }

  // What the user does nested in the walks of drives a and b, and how the
  // run and the program end.
  void nestedEvents_data() {
    QTest::addColumn<QString>("atA");
    QTest::addColumn<QString>("atB");
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("programEnds");
    QTest::addColumn<int>("onderbreken");
    QTest::addColumn<QString>("stateAfter");
    QTest::newRow("Onderbreek") << "" << "Onderbreek" << "interrupted" << false << 1
                                << "Stop | Zoek | Resultaten | Info | TabBegin | -";
    QTest::newRow("Enter in the entry") << "" << "Enter" << "interrupted" << false << 1
                                        << "Stop | Zoek | Resultaten | Info | TabBegin | -";
    QTest::newRow("Stop") << "" << "Stop" << "stopped" << true << 1 << "";
    QTest::newRow("close button") << "" << "Close" << "complete" << true << 0 << "";
    QTest::newRow("close button, then Onderbreek") << "Close" << "Onderbreek" << "interrupted" << true << 1 << "";
    QTest::newRow("Info") << "" << "Info" << "complete" << false << 0
                          << "Stop | Zoek | Resultaten | Terug | TabInfo | -";
    QTest::newRow("Info, then Terug") << "Info" << "Info" << "complete" << false << 0
                                      << "Stop | Zoek | Resultaten | Info | TabBegin | -";
    QTest::newRow("the term emptied") << "" << "Empty" << "complete" << false << 0
                                      << "Stop | (Zoek) | Resultaten | Info | TabBegin | -";
  }
  void nestedEvents() {
    QFETCH(QString, atA);
    QFETCH(QString, atB);
    QFETCH(QString, report);
    QFETCH(bool, programEnds);
    QFETCH(int, onderbreken);
    QFETCH(QString, stateAfter);
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    fixture.Type("brief.doc");
    bool shownWhileRunning = true;
    const std::map<QString, std::function<void()>> actions = {
        {"Onderbreek", [&] { QTest::mouseClick(window.tbZoek, Qt::LeftButton); }},
        {"Enter", [&] { QTest::keyClick(window.eZoek, Qt::Key_Return); }},
        {"Stop", [&] { QTest::mouseClick(window.tbStop, Qt::LeftButton); }},
        {"Close", [&] { window.windowHandle()->close(); }},
        {"Info", [&] { QTest::mouseClick(window.tbInfo, Qt::LeftButton); }},
        {"Empty", [&] { window.eZoek->clear(); }},
    };
    const auto nested = [&](const QString& what) {
      return [&, action = actions.at(what)] {
        action();
        shownWhileRunning = shownWhileRunning && window.isVisible() && window.RunActive();
      };
    };
    if (!atA.isEmpty()) fixture.AtWalkOf("a", nested(atA));
    if (!atB.isEmpty()) fixture.AtWalkOf("b", nested(atB));

    QTest::mouseClick(window.tbZoek, Qt::LeftButton);

    QVERIFY(shownWhileRunning);
    std::vector<std::string> expected = CompleteRunLines(fixture);
    if (report == "interrupted") expected = StoppedAtB(fixture, true);
    if (report == "stopped") expected = StoppedAtB(fixture, false);
    if (atB == "Empty") {
      // b's folders and c were walked with the empty term.
      expected.at(7) = expected.at(10) = "\tNiets gevonden...";
    }
    QCOMPARE(fixture.Lines(), expected);
    QCOMPARE(FileLines(fixture.ResultsFile()), expected);
    QCOMPARE(fixture.sounds.played.back().name, SoundName::Stop);
    QCOMPARE(window.Search().Onderbreken, onderbreken);
    QCOMPARE(!window.isVisible(), programEnds);
    if (!programEnds) QCOMPARE(State(window), stateAfter);
  }

  // A click already waiting when the interrupted run unwinds arrives nested
  // in the old run: it is held until that run has returned.
  void clickWaitingWhileTheInterruptedRunUnwinds_data() {
    QTest::addColumn<QString>("waiting");
    QTest::addColumn<QString>("stop");  // when "Stop" is clicked, if at all
    QTest::newRow("a second Zoek") << "Zoek" << "";
    QTest::newRow("Resultaten") << "Resultaten" << "";
    QTest::newRow("a second Zoek, then Stop") << "Zoek" << "in the run";
    QTest::newRow("a second Zoek, then Stop before it is carried out") << "Zoek" << "after the run";
  }
  void clickWaitingWhileTheInterruptedRunUnwinds() {
    QFETCH(QString, waiting);
    QFETCH(QString, stop);
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    fixture.Type("brief.doc");
    std::vector<std::string> linesAfterWaitingClick;
    fixture.AtWalkOf("b", [&] {
      fixture.AtWalkOf("b", {});
      QTest::mouseClick(window.tbZoek, Qt::LeftButton);
      QTest::mouseClick(waiting == "Resultaten" ? window.tbResult : window.tbZoek, Qt::LeftButton);
      linesAfterWaitingClick = fixture.Lines();
      if (stop == "in the run") QTest::mouseClick(window.tbStop, Qt::LeftButton);
    });
    std::vector<std::string> linesWhenDialogOpened;
    if (waiting == "Resultaten") {
      WhenModal([&](QWidget* dialog) {
        linesWhenDialogOpened = fixture.Lines();
        static_cast<QDialog*>(dialog)->reject();
      });
    }

    QTest::mouseClick(window.tbZoek, Qt::LeftButton);
    // The held click waits for the main loop; "Stop" can come first.
    if (stop == "after the run") QTest::mouseClick(window.tbStop, Qt::LeftButton);

    const std::vector<std::string> interrupted = StoppedAtB(fixture, true);
    // Nothing ran nested: the report still ended with the interrupt's empty line.
    QCOMPARE(linesAfterWaitingClick, std::vector<std::string>(interrupted.begin(), interrupted.begin() + 8));
    // The old run finished exactly as an interrupted run does.
    QCOMPARE(fixture.Lines(), interrupted);
    QCOMPARE(FileLines(fixture.ResultsFile()), interrupted);
    if (!stop.isEmpty()) {
      QVERIFY(!window.isVisible());
      QTest::qWait(50);
      QCOMPARE(fixture.Lines(), interrupted);
    } else if (waiting == "Zoek") {
      QTRY_COMPARE(fixture.Lines(), CompleteRunLines(fixture));
      QCOMPARE(State(window), QString("Stop | Zoek | Resultaten | Info | TabBegin | -"));
    } else {
      QTRY_VERIFY(!linesWhenDialogOpened.empty());
      QCOMPARE(linesWhenDialogOpened, interrupted);
      QCOMPARE(fixture.Lines(), interrupted);
      QCOMPARE(State(window), QString("Stop | (Zoek) | Resultaten | Info | TabBegin | -"));
    }
  }

  void hintsStayWhileARunHoldsTheThread() {
    WindowFixture fixture({"paarvinder", "brief.doc"});
    fixture.window->move(0, 0);  // the offscreen screen is smaller than the window
    fixture.Show();
    TfMain& window = *fixture.window;
    QLabel& panel = *window.Stat->Panel(0);
    QTest::mouseMove(window.Rich->viewport());
    QTRY_COMPARE(panel.text(), QString("Hier komen de resultaten van de zoekactie..."));
    QString duringRun;
    fixture.AtWalkOf("b", [&] {
      QTest::mouseMove(window.tbStop);
      QTest::qWait(20);
      duringRun = panel.text();
    });
    window.tbZoekClick();
    QCOMPARE(duringRun, QString("Hier komen de resultaten van de zoekactie..."));
    QCOMPARE(panel.text(), QString("Verlaat dit hulpprogramma..."));
  }

  void failedSaveShowsTheErrorBox() {
    WindowFixture fixture({"paarvinder", "brief.doc"});
    QVERIFY(rmdir(fixture.progMap.c_str()) == 0);
    fixture.Show();
    TfMain& window = *fixture.window;
    QStringList boxes;
    const std::function<void(QWidget*)> takeBox = [&](QWidget* modal) {
      auto& box = *qobject_cast<QMessageBox*>(modal);
      boxes << box.windowTitle() + "|" + box.text() + "|" + QString::number(box.icon());
      box.accept();
    };
    const QString expected = "Paarvinder|Cannot create file " + QString::fromStdString(fixture.ResultsFile()) + ".|" +
                             QString::number(QMessageBox::Critical);

    WhenModal(takeBox);
    QTest::mouseClick(window.tbZoek, Qt::LeftButton);
    QCOMPARE(boxes, QStringList{expected});
    // The run stopped at the save: the trailer is there, the buttons still
    // read as in a run, the ring is gone.
    QCOMPARE(fixture.Lines(), CompleteRunLines(fixture));
    QCOMPARE(State(window), QString("Stop | Onderbreek | (Resultaten) | Info | TabBegin | -"));
    QVERIFY(!window.RunActive());
    QVERIFY(window.isVisible());

    // The next click takes the interrupt branch, which saves and sets the buttons back.
    QVERIFY(mkdir(fixture.progMap.c_str(), 0700) == 0);
    QTest::mouseClick(window.tbZoek, Qt::LeftButton);
    QCOMPARE(State(window), QString("Stop | Zoek | Resultaten | Info | TabBegin | -"));
    std::vector<std::string> saved = CompleteRunLines(fixture);
    saved.push_back("");
    QCOMPARE(FileLines(fixture.ResultsFile()), saved);
  }
};

}  // namespace paarvinder

QTEST_MAIN(paarvinder::SearchWindowTest)
#include "search_window_test.moc"
