// TfMain when no search runs: start-up, the layout, the entry and its Enter
// key, the toolbar's states, the status bar hints, the info page and the
// "Resultaten" dialog.

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>

#include "WindowFixture.h"
#include "app/BusyRing.h"
#include "app/ReportView.h"
#include "app/StatusPanels.h"
#include "app/ToolbarButton.h"
#include "report/ResultsFile.h"

namespace paarvinder {

using test::State;
using test::WhenModal;
using test::WindowFixture;

namespace {

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) ? std::string(buffer) + "/" : std::string();
}

QStringList ListedNames(QFileDialog& dialog) {
  auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  QStringList names;
  for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
    names << list->model()->index(row, 0, list->rootIndex()).data().toString();
  }
  names.sort();
  return names;
}

}  // namespace

class MainformTest : public QObject {
  Q_OBJECT

 private slots:
  void startUp_data() {
    QTest::addColumn<QStringList>("commandLine");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("zoekNaam");
    QTest::addColumn<bool>("zoekShown");
    QTest::newRow("no argument") << QStringList{"paarvinder"} << "" << QByteArray() << false;
    QTest::newRow("empty first argument") << QStringList{"paarvinder", ""} << "" << QByteArray() << false;
    QTest::newRow("path with a space") << QStringList{"paarvinder", "/home/jan/Mijn documenten/brief.doc"}
                                       << "/home/jan/Mijn documenten/brief.doc" << QByteArray("BRIEF.DOC") << true;
    QTest::newRow("Windows path with a space") << QStringList{"paarvinder", "C:\\Mijn documenten\\brief.doc"}
                                               << "C:\\Mijn documenten\\brief.doc" << QByteArray("BRIEF.DOC") << true;
    QTest::newRow("ends in a backslash") << QStringList{"paarvinder", "C:\\Data\\"} << "C:\\Data\\" << QByteArray()
                                         << true;
    QTest::newRow("two arguments") << QStringList{"paarvinder", "brief.doc", "tweede.txt"} << "brief.doc"
                                   << QByteArray("BRIEF.DOC") << true;
  }
  void startUp() {
    QFETCH(QStringList, commandLine);
    QFETCH(QString, entry);
    QFETCH(QByteArray, zoekNaam);
    QFETCH(bool, zoekShown);
    QVERIFY(chdir("/") == 0);
    WindowFixture fixture(commandLine);
    fixture.window->RichReport().Add("Rich");  // what the layout would have shown
    fixture.Show();
    TfMain& window = *fixture.window;

    QCOMPARE(window.eZoek->text(), entry);
    QCOMPARE(window.Search().ZoekNaam, zoekNaam.toStdString());
    QCOMPARE(window.tbZoek->Shown(), zoekShown);
    QCOMPARE(window.tbZoek->Caption(), QString("Zoek"));
    QCOMPARE(State(window).remove("(Zoek)").remove("Zoek"), QString("Stop |  | Resultaten | Info | TabBegin | -"));
    QCOMPARE(window.RichReport().LineCount(), std::size_t{0});
    QVERIFY(window.Rich->document()->isEmpty());
    QCOMPARE(fixture.fixtureDisks.selections, std::vector<std::string>{"/"});
    QCOMPARE(window.Search().ProgMap, fixture.progMap);
    QCOMPARE(CurrentFolder(), fixture.progMap);
    QCOMPARE(window.focusWidget(), window.eZoek);
    QCOMPARE(window.Stat->Panel(0)->width(), 724);
    QCOMPARE(window.Stat->Panel(1)->width(), 150);
    QCOMPARE(window.Stat->Panel(1)->text(), QString::fromUtf8("© Mirtelo"));
  }

  void layout() {
    WindowFixture fixture({"paarvinder", "brief.doc"});
    fixture.Show();
    TfMain& window = *fixture.window;
    const auto inWindow = [&window](const QWidget* widget) {
      return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    };

    QCOMPARE(window.windowTitle(), QString("Paarvinder"));
    QCOMPARE(window.size(), QSize(874, 610));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // Centred, give or take the frame that the platform puts round it.
    QVERIFY((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength() <= 4);
    QCOMPARE(QFontInfo(window.font()).pixelSize(), 16);
    QCOMPARE(window.font().family(), QString("Arial"));
    QCOMPARE(QFontInfo(window.lZoek->font()).pixelSize(), 27);

    QCOMPARE(inWindow(window.ToolBar), QRect(0, 0, 874, 75));
    QCOMPARE(inWindow(window.PageControl), QRect(0, 75, 874, 509));
    QCOMPARE(inWindow(window.Stat), QRect(0, 584, 874, 26));
    QCOMPARE(inWindow(window.Stat->Panel(0)), QRect(0, 584, 724, 26));
    QCOMPARE(inWindow(window.Stat->Panel(1)), QRect(724, 584, 150, 26));
    QCOMPARE(inWindow(window.lZoek), QRect(280, 100, 396, 32));
    QCOMPARE(inWindow(window.Progress), QRect(704, 83, 129, 67));
    QCOMPARE(inWindow(window.Rich), QRect(32, 155, 809, 377));
    QCOMPARE(inWindow(window.gbZoek), QRect(32, 75, 233, 65));
    QCOMPARE(inWindow(window.eZoek), QRect(48, 99, 201, 26));
    QCOMPARE(window.Rich->lineWrapMode(), QTextEdit::NoWrap);
    QVERIFY(window.Rich->isReadOnly());
    QCOMPARE(window.RichInfo->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(window.RichInfo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(window.RichInfo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(window.RichInfo->isReadOnly());

    // The buttons side by side; "Stop" and "Zoek" as wide as their pictures
    // need, the other two 80, all 73 high.
    const ToolbarButton* buttons[] = {window.tbStop, window.tbZoek, window.tbResult, window.tbInfo};
    const int widths[] = {55, 55, 80, 80};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(buttons[i]->size(), QSize(widths[i], 73));
      QCOMPARE(buttons[i]->cursor().shape(), Qt::PointingHandCursor);
      if (i > 0) QCOMPARE(buttons[i]->x(), buttons[i - 1]->x() + buttons[i - 1]->width());
    }
    QVERIFY(window.tbStop->x() <= 1);
  }

  void hiddenButtonsCloseUpAndOnderbreekWidens() {
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    const auto follows = [](const QWidget* right, const QWidget* left) {
      return right->x() == left->x() + left->width();
    };
    QTRY_VERIFY(follows(window.tbResult, window.tbStop));
    fixture.Type("br");
    QTRY_VERIFY(follows(window.tbResult, window.tbZoek));
    QVERIFY(follows(window.tbZoek, window.tbStop));
    window.tbZoek->SetCaption("Onderbreek");
    QTRY_VERIFY(follows(window.tbResult, window.tbZoek));
    QVERIFY(window.tbZoek->width() > 55);
    QVERIFY(window.tbZoek->width() >= window.tbZoek->fontMetrics().horizontalAdvance("Onderbreek"));
    QVERIFY(follows(window.tbInfo, window.tbResult));
  }

  void enterKey_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("zoekShownBeforeEnter");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<QByteArray>("term");
    QTest::newRow("one character") << "b" << true << false << QByteArray("B");
    QTest::newRow("one character beyond ASCII") << QString::fromUtf8("é") << true << false << QByteArray("\xc3\xa9");
    QTest::newRow("two characters") << "br" << true << true << QByteArray("BR");
    QTest::newRow("term that normalises to empty") << "C:\\Data\\" << false << true << QByteArray();
  }
  void enterKey() {
    QFETCH(QString, typed);
    QFETCH(bool, zoekShownBeforeEnter);
    QFETCH(bool, runs);
    QFETCH(QByteArray, term);
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    fixture.Type(typed);
    QCOMPARE(window.Search().ZoekNaam, term.toStdString());
    QCOMPARE(window.tbZoek->Shown(), zoekShownBeforeEnter);

    QSignalSpy leftToEntry(window.eZoek, &QLineEdit::returnPressed);
    QTest::keyClick(window.eZoek, Qt::Key_Return);
    QCOMPARE(leftToEntry.count(), runs ? 0 : 1);
    QCOMPARE(window.tbZoek->Shown(), zoekShownBeforeEnter || runs);
    if (!runs) {
      QCOMPARE(window.RichReport().LineCount(), std::size_t{0});
      return;
    }
    const std::vector<std::string> lines = fixture.Lines();
    QCOMPARE(lines.at(1), "\tHet bestand waarnaar gezocht wordt: '" + term.toStdString() + "'");
    if (term.isEmpty()) {
      QCOMPARE(std::count(lines.begin(), lines.end(), "\tNiets gevonden..."), 3);
    }
    QCOMPARE(window.tbZoek->Caption(), QString("Zoek"));
    QVERIFY(std::filesystem::exists(fixture.ResultsFile()));
  }

  void keypadEnterStartsARunToo() {
    WindowFixture fixture;
    fixture.Show();
    fixture.Type("brief.doc");
    QTest::keyClick(fixture.window->eZoek, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(fixture.Lines(), test::CompleteRunLines(fixture));
  }

  void toolbarStates() {
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    struct Step {
      const char* what;
      std::function<void()> act;
      QString state;
    };
    const auto click = [](QWidget* button) { return [button] { QTest::mouseClick(button, Qt::LeftButton); }; };
    const auto cancelDialog = [&window, click] {
      WhenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
      click(window.tbResult)();
    };
    const Step steps[] = {
        {"started without a term", [] {}, "Stop | (Zoek) | Resultaten | Info | TabBegin | -"},
        {"a term typed", [&] { fixture.Type("brief.doc"); }, "Stop | Zoek | Resultaten | Info | TabBegin | -"},
        {"the entry emptied", [&] { window.eZoek->clear(); }, "Stop | (Zoek) | Resultaten | Info | TabBegin | -"},
        {"typed again", [&] { fixture.Type("brief.doc"); }, "Stop | Zoek | Resultaten | Info | TabBegin | -"},
        {"Info", click(window.tbInfo), "Stop | Zoek | Resultaten | Terug | TabInfo | -"},
        {"a run from the info page", click(window.tbZoek), "Stop | Zoek | Resultaten | Terug | TabBegin | -"},
        {"Terug on the results page", click(window.tbInfo), "Stop | Zoek | Resultaten | Info | TabBegin | -"},
        {"Info again", click(window.tbInfo), "Stop | Zoek | Resultaten | Terug | TabInfo | -"},
        {"Resultaten, cancelled", cancelDialog, "Stop | (Zoek) | Resultaten | Info | TabBegin | -"},
    };
    for (const Step& step : steps) {
      step.act();
      QVERIFY2(State(window) == step.state, qPrintable(QString(step.what) + ": " + State(window)));
    }
    QCOMPARE(fixture.Lines(), test::CompleteRunLines(fixture));  // the cancelled dialog left the report
    QCOMPARE(window.Search().Onderbreken, 1);
    QVERIFY(window.isVisible());
    QTest::mouseClick(window.tbStop, Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  void infoPageIsWrittenAnewEachTime() {
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    QTest::mouseClick(window.tbInfo, Qt::LeftButton);
    QCOMPARE(window.RichInfoReport().LineCount(), std::size_t{23});
    QCOMPARE(window.RichInfo->document()->blockCount(), 24);
    QCOMPARE(window.RichInfo->document()->findBlockByNumber(1).text(),
             QString("\tWanneer kan Paarvinder zinvol zijn?"));
    // Shown from the top, and all of it fits.
    QCOMPARE(window.RichInfo->verticalScrollBar()->value(), 0);
    const QTextBlock last = window.RichInfo->document()->findBlockByNumber(22);
    QCOMPARE(last.text(), QString("\tPlonkaert (Mirtelo)"));
    QVERIFY(window.RichInfo->document()->documentLayout()->blockBoundingRect(last).bottom() <=
            window.RichInfo->viewport()->height());
    QTest::mouseClick(window.tbInfo, Qt::LeftButton);
    QTest::mouseClick(window.tbInfo, Qt::LeftButton);
    QCOMPARE(window.RichInfoReport().LineCount(), std::size_t{23});
    QCOMPARE(window.PageControl->currentWidget(), window.TabInfo);
  }

  void hints() {
    WindowFixture fixture({"paarvinder", "brief.doc"});
    fixture.window->move(0, 0);  // the offscreen screen is smaller than the window
    fixture.Show();
    TfMain& window = *fixture.window;
    QLabel& panel = *window.Stat->Panel(0);
    const struct {
      QWidget* widget;
      QPoint at;
      QString hint;
    } cases[] = {
        {window.tbStop, {}, "Verlaat dit hulpprogramma..."},
        {window.lZoek, {}, ""},
        {window.tbZoek, {}, "Zoek naar eventuele dubbelgangers..."},
        {window.Rich->viewport(), {}, "Hier komen de resultaten van de zoekactie..."},
        {window.tbResult, {}, "Eerdere zoekresultaten..."},
        {window.gbZoek, {5, 5}, ""},
        {window.tbInfo, {}, "Informatie hoe dit programma gebruikt kan worden..."},
        {window.eZoek, {}, "Tik hier de naam van het bestand waarnaar gezocht gaat worden...."},
        {window.Stat, {100, 10}, "Bekijk andere Mirtelo-utilities op www.mirtelo.nl"},
        {window.TabBegin, {10, 470}, ""},
        {window.Stat->Panel(1), {20, 10}, "Bekijk andere Mirtelo-utilities op www.mirtelo.nl"},
        {window.ToolBar, {600, 30}, ""},
    };
    for (const auto& hover : cases) {
      QTest::mouseMove(hover.widget, hover.at.isNull() ? hover.widget->rect().center() : hover.at);
      QTRY_COMPARE(panel.text(), hover.hint);
    }
    QVERIFY(window.tbStop->toolTip().isEmpty());
  }

  void resultsDialogCancelled() {
    WindowFixture fixture({"paarvinder", "brief.doc"});
    fixture.Show();
    TfMain& window = *fixture.window;
    window.RichReport().Add("eerder rapport");
    QTest::mouseClick(window.tbInfo, Qt::LeftButton);
    QString title, folder, filter;
    WhenModal([&](QWidget* modal) {
      auto& dialog = *qobject_cast<QFileDialog*>(modal);
      title = dialog.windowTitle();
      folder = dialog.directory().absolutePath() + "/";
      filter = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
      dialog.reject();
    });
    QTest::mouseClick(window.tbResult, Qt::LeftButton);
    QCOMPARE(title, QString("Zoek eerdere zoekresultaten"));
    QCOMPARE(folder, QString::fromStdString(fixture.progMap));
    QCOMPARE(filter, QString("Zoekbestanden"));
    QCOMPARE(fixture.Lines(), std::vector<std::string>{"eerder rapport"});
    QCOMPARE(window.eZoek->text(), QString());
    QCOMPARE(State(window), QString("Stop | (Zoek) | Resultaten | Info | TabBegin | -"));
    QCOMPARE(window.Search().Onderbreken, 1);
  }

  void resultsDialogListsResultsFilesAndOpensTheChosenOne() {
    WindowFixture fixture;
    Report saved;
    saved.Add("");
    saved.Add("\tuit een eerder bestand");
    SaveReport(saved, fixture.progMap + "Zoekresultaten(11-12-2026).rtf");
    for (const char* other : {"zoekresultaten(1-1-2020).rtf", "ZOEKRESULTATEN(2).RTF", "andere.rtf",
                              "Zoekresultaten(3).txt"}) {
      fixture.tree.File(std::string("prog/") + other, 1);
    }
    fixture.tree.Folder("prog/map");
    fixture.Show();
    TfMain& window = *fixture.window;

    QStringList listed;
    WhenModal([&](QWidget* modal) {
      auto& dialog = *qobject_cast<QFileDialog*>(modal);
      for (int wait = 0; wait < 500 && ListedNames(dialog).size() < 4; ++wait) QTest::qWait(10);
      listed = ListedNames(dialog);
      auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QTest::keyClicks(name, "Zoekresultaten(11-12-2026).rtf");
      QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::mouseClick(window.tbResult, Qt::LeftButton);
    QCOMPARE(listed, (QStringList{"ZOEKRESULTATEN(2).RTF", "Zoekresultaten(11-12-2026).rtf", "map",
                                  "zoekresultaten(1-1-2020).rtf"}));
    QCOMPARE(fixture.Lines(), (std::vector<std::string>{"", "\tuit een eerder bestand"}));
    QCOMPARE(window.Rich->document()->findBlockByNumber(1).text(), QString("\tuit een eerder bestand"));

    // The next time the chosen name is offered again.
    QString offered, folder;
    WhenModal([&](QWidget* modal) {
      auto& dialog = *qobject_cast<QFileDialog*>(modal);
      offered = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
      folder = dialog.directory().absolutePath() + "/";
      dialog.reject();
    });
    QTest::mouseClick(window.tbResult, Qt::LeftButton);
    QCOMPARE(offered, QString("Zoekresultaten(11-12-2026).rtf"));
    QCOMPARE(folder, QString::fromStdString(fixture.progMap));
  }

  void resultsDialogLetsAMissingNameThrough() {
    WindowFixture fixture;
    fixture.Show();
    TfMain& window = *fixture.window;
    window.RichReport().Add("blijft staan");
    QString boxTitle, boxText;
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    WhenModal([&](QWidget* modal) {
      auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      WhenModal([&](QWidget* box) {
        auto& message = *qobject_cast<QMessageBox*>(box);
        boxTitle = message.windowTitle();
        boxText = message.text();
        boxIcon = message.icon();
        message.accept();
      });
      QTest::keyClicks(name, "bestaatniet");
      QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::mouseClick(window.tbResult, Qt::LeftButton);
    QCOMPARE(boxTitle, QString("Paarvinder"));
    QCOMPARE(boxText, QString::fromStdString("Cannot open file " + fixture.progMap + "bestaatniet.rtf."));
    QCOMPARE(boxIcon, QMessageBox::Critical);
    QCOMPARE(fixture.Lines(), std::vector<std::string>{"blijft staan"});
    QVERIFY(window.isVisible());
  }
};

}  // namespace paarvinder

QTEST_MAIN(paarvinder::MainformTest)
#include "mainform_test.moc"
