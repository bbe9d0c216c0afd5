// The window's parts on their own: the report view following its report, the
// busy ring, the error box's text and the results dialog's file filter.

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "app/BusyRing.h"
#include "app/ErrorBox.h"
#include "app/ReportView.h"
#include "app/ResultsDialog.h"
#include "report/MarkedBlock.h"

namespace paarvinder {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  PaintCounter(QWidget* widget, int& paints) : paints_(paints) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return false;
  }

 private:
  int& paints_;
};

class WindowPartsTest : public QObject {
  Q_OBJECT

 private:
  static QTextCharFormat FormatAt(const ReportView& view, int block, int offset) {
    const QTextBlock textBlock = view.document()->findBlockByNumber(block);
    QTextCursor cursor(textBlock);
    cursor.setPosition(textBlock.position() + offset + 1);
    return cursor.charFormat();
  }
  // A small view on screen, following `report`.
  static bool ShowFollowing(ReportView& view, Report& report) {
    view.resize(300, 120);
    view.Follow(report);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
  }
  static QStringList Blocks(const ReportView& view) {
    QStringList blocks;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
      blocks << block.text();
    }
    return blocks;
  }

 private slots:
  void viewShowsEachLineAsItIsAppended() {
    Report report;
    ReportView view;
    view.Follow(report);
    QCOMPARE(Blocks(view), QStringList{QString()});
    report.Add("");
    report.Add("\teen");
    QCOMPARE(Blocks(view), (QStringList{"", "\teen", ""}));
    report.Add("twee");
    QCOMPARE(Blocks(view), (QStringList{"", "\teen", "twee", ""}));
  }

  void viewShowsTheFormatsOfMarkedBlocks() {
    Report report;
    ReportView view;
    view.Follow(report);
    report.Add("voor");
    MarkedBlock header(report);
    report.Add("rood");
    report.Add("en vet");
    header.Format(BlockTreatment::RedBold);
    MarkedBlock heading(report);
    report.Add("vet");
    heading.Format(BlockTreatment::Bold);
    report.Add("na");

    const auto check = [&](int block, bool hasColour, QColor colour, bool bold) {
      const QTextCharFormat format = FormatAt(view, block, 0);
      QCOMPARE(format.hasProperty(QTextFormat::ForegroundBrush), hasColour);
      if (hasColour) QCOMPARE(format.foreground().color(), colour);
      QCOMPARE(format.fontWeight() == QFont::Bold, bold);
    };
    check(0, false, {}, false);
    check(1, true, QColor(255, 0, 0), true);
    check(2, true, QColor(255, 0, 0), true);
    check(3, false, {}, true);
    check(4, false, {}, false);

    // A rebuild (a reopened file) shows the same.
    report.Replace(std::vector<ReportLine>(report.Lines()));
    check(1, true, QColor(255, 0, 0), true);
    check(3, false, {}, true);
    check(4, false, {}, false);
  }

  void viewShowsColoursGivenAsBlueGreenRed() {
    Report report;
    ReportView view;
    view.Follow(report);
    report.Add("kleur");
    report.SetSelStart(0);
    report.SetSelLength(report.GetTextLen());
    report.SetSelColor(0x00804020);  // blue 0x80, green 0x40, red 0x20
    QCOMPARE(FormatAt(view, 0, 2).foreground().color(), QColor(0x20, 0x40, 0x80));
  }

  void viewShowsBadBytesAndTheReportKeepsThem() {
    Report report;
    ReportView view;
    view.Follow(report);
    const std::string bytes = "\t/data/caf\xe9/x\xff.doc";
    report.Add(bytes);
    QCOMPARE(Blocks(view).first(), QString::fromUtf8("\t/data/caf\uFFFD/x\uFFFD.doc"));
    QCOMPARE(report.Line(0).text, bytes);
  }

  void viewFollowsClearAndReplace() {
    Report report;
    ReportView view;
    report.Add("er al");
    view.Follow(report);
    QCOMPARE(Blocks(view), (QStringList{"er al", ""}));
    report.Clear();
    QCOMPARE(Blocks(view), QStringList{QString()});
    std::vector<ReportLine> lines(2);
    lines[0].text = "geopend";
    lines[1].text = "bestand";
    lines[1].runs = {{0, {clRed, fsBold | fsItalic}}};
    report.Replace(std::move(lines));
    QCOMPARE(Blocks(view), (QStringList{"geopend", "bestand", ""}));
    QVERIFY(FormatAt(view, 1, 0).fontItalic());
    QVERIFY(!FormatAt(view, 0, 0).fontItalic());
  }

  void scrollRequestBringsTheEndIntoView() {
    Report report;
    ReportView view;
    QVERIFY(ShowFollowing(view, report));
    for (int i = 0; i < 200; ++i) report.Add("regel " + std::to_string(i));
    QCoreApplication::processEvents();
    QCOMPARE(view.verticalScrollBar()->value(), 0);
    view.ScrollCaretToEnd();
    QCOMPARE(view.textCursor().position(), view.document()->characterCount() - 1);
    QVERIFY(view.verticalScrollBar()->value() > 0);
    QVERIFY(view.viewport()->rect().contains(view.cursorRect()));
  }

  // Repaints are held back while lines pour in; the view must never stay
  // frozen: once lines stop coming it paints the last of them.
  void viewPaintsTheLastLineOnceLinesStopComing() {
    Report report;
    ReportView view;
    QVERIFY(ShowFollowing(view, report));
    int paintsAfterLastLine = 0;
    PaintCounter counter(view.viewport(), paintsAfterLastLine);
    for (int i = 0; i < 100; ++i) {
      paintsAfterLastLine = 0;
      report.Add("regel " + std::to_string(i));
      QCoreApplication::processEvents();
    }
    QTRY_VERIFY(paintsAfterLastLine > 0);
    QVERIFY(view.updatesEnabled());
  }

  void busyRingStepsOnlyWhileShown() {
    QWidget page;
    page.resize(200, 100);
    BusyRing ring(&page);
    ring.setGeometry(10, 10, 129, 67);
    ring.hide();
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(!ring.Stepping());
    ring.show();
    QVERIFY(ring.Stepping());
    const int first = ring.Step();
    QTRY_VERIFY(ring.Step() != first);
    page.hide();  // the page goes, the ring with it
    QVERIFY(!ring.Stepping());
    page.show();
    QVERIFY(ring.Stepping());
    ring.hide();
    QVERIFY(!ring.Stepping());
  }

  void errorBoxText_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << QByteArray("Cannot open file /x/y.rtf") << "Cannot open file /x/y.rtf.";
    QTest::newRow("full stop") << QByteArray("Klaar.") << "Klaar.";
    QTest::newRow("ellipsis") << QByteArray("Bezig...") << "Bezig...";
    QTest::newRow("bracket sorts before") << QByteArray("(x)") << "(x)";
    QTest::newRow("comma sorts before") << QByteArray("a,") << "a,";
    QTest::newRow("hyphen sorts before") << QByteArray("a-") << "a-";
    QTest::newRow("slash sorts after") << QByteArray("/map/") << "/map/.";
    QTest::newRow("digit") << QByteArray("fout 5") << "fout 5.";
    QTest::newRow("last byte of a UTF-8 letter") << QByteArray("caf\xc3\xa9") << QString::fromUtf8("café.");
    QTest::newRow("empty") << QByteArray() << QString();
  }
  void errorBoxText() {
    QFETCH(QByteArray, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message.toStdString()), shown);
  }

  void resultsFileNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::newRow("saved") << "Zoekresultaten(11-12-2026).rtf" << true;
    QTest::newRow("lower case") << "zoekresultaten(9-11-2011).rtf" << true;
    QTest::newRow("upper case") << "ZOEKRESULTATEN(1).RTF" << true;
    QTest::newRow("nothing between") << "Zoekresultaten(.rtf" << true;
    QTest::newRow("no bracket") << "Zoekresultaten.rtf" << false;
    QTest::newRow("other extension") << "Zoekresultaten(1).txt" << false;
    QTest::newRow("more after the extension") << "Zoekresultaten(1).rtf.bak" << false;
    QTest::newRow("something before") << "oude Zoekresultaten(1).rtf" << false;
    QTest::newRow("other file") << "brief.rtf" << false;
  }
  void resultsFileNames() {
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QCOMPARE(IsResultsFileName(name), listed);
  }
};

}  // namespace paarvinder

QTEST_MAIN(paarvinder::WindowPartsTest)
#include "window_parts_test.moc"
