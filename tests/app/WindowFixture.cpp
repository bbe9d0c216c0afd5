#include "WindowFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "app/BusyRing.h"
#include "app/ToolbarButton.h"
#include "report/DateTexts.h"
#include "report/ResultsFile.h"

namespace paarvinder::test {

namespace {

// The window tests run without a display unless told otherwise.
const bool kOffscreen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qputenv("QT_QPA_PLATFORM", "offscreen");

std::vector<FixtureDrive> DrivesOf(const TempTree& tree) {
  for (const char* file : {"a/docs/brief.doc", "a/docs/notes.txt", "a/fotos/foto.jpg", "b/one/other.txt",
                           "b/two/brief.doc", "c/x/brief.doc", "c/y/y.txt"}) {
    tree.File(file, 7);
  }
  tree.Folder("prog");
  return {{tree.Path("a"), dtFixed, "DATA"}, {tree.Path("b"), dtFixed, ""}, {tree.Path("c"), dtNetwork, "NAS"}};
}

}  // namespace

LocalDateTime FixedMoment() { return {{2026, 12, 11}, {14, 5, 9, 0}}; }

WindowFixture::WindowFixture(QStringList commandLine)
    : progMap(tree.Path("prog/")), fixtureDisks(DrivesOf(tree)) {
  window = std::make_unique<TfMain>(
      MainformPlatform{disks, sounds, clock, RegionalSettings{}, [folder = progMap] { return folder; }},
      std::move(commandLine));
  disks.onSetDisk = [this](const std::string& selected) {
    const auto action = atWalkOf_.find(selected);
    if (action != atWalkOf_.end() && action->second) QTimer::singleShot(0, action->second);
  };
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::Show() {
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void WindowFixture::Type(const QString& text) {
  for (const QChar character : text) {
    // Qt Test maps only ASCII characters to keys.
    if (character.unicode() < 128) {
      QTest::keyClick(window->eZoek, character.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, window->eZoek, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
  }
}

std::string WindowFixture::ResultsFile() const {
  return progMap + ResultsFileName(RegionalSettings{}, FixedMoment().date);
}

std::vector<std::string> WindowFixture::Lines() const {
  std::vector<std::string> lines;
  for (const ReportLine& line : window->RichReport().Lines()) lines.push_back(line.text);
  return lines;
}

void WhenModal(std::function<void(QWidget*)> handle) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, handle = std::move(handle)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    handle(modal);
  });
  poll->start(10);
}

std::vector<std::string> CompleteRunLines(const WindowFixture& fixture) {
  const RegionalSettings settings;
  return {"",
          "\tHet bestand waarnaar gezocht wordt: 'BRIEF.DOC'",
          "",
          "\tWe zoeken op de harde schijf " + fixture.Drive("a") + "/  (DATA)",
          "\t" + fixture.Drive("a") + "/docs/brief.doc gevonden! (7 bytes)",
          "",
          "\tWe zoeken op de harde schijf " + fixture.Drive("b") + "/  ()",
          "\t" + fixture.Drive("b") + "/two/brief.doc gevonden! (7 bytes)",
          "",
          "\tWe zoeken op de netwerk schijf " + fixture.Drive("c") + "/  (NAS)",
          "\t" + fixture.Drive("c") + "/x/brief.doc gevonden! (7 bytes)",
          "",
          "\tThat's all folks...(" + DateTimeText(settings, FixedMoment()) + ")",
          "\tHoe lang gezocht? " + LongTimeText(settings, TimeOfDay{}),
          ""};
}

QString State(const TfMain& window) {
  QStringList parts;
  for (const ToolbarButton* button : {window.tbStop, window.tbZoek, window.tbResult, window.tbInfo}) {
    parts << (button->Shown() ? button->Caption() : "(" + button->Caption() + ")");
  }
  parts << (window.PageControl->currentWidget() == window.TabBegin ? "TabBegin" : "TabInfo");
  parts << (window.Progress->isVisible() ? "ring" : "-");
  return parts.join(" | ");
}

}  // namespace paarvinder::test
