#include "app/Mainform.h"

#include <unistd.h>

#include <utility>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "app/BusyRing.h"
#include "app/ErrorBox.h"
#include "app/ReportView.h"
#include "app/ResultsDialog.h"
#include "app/StatusHints.h"
#include "app/StatusPanels.h"
#include "app/ToolbarButton.h"
#include "report/InfoText.h"
#include "report/ResultsFile.h"
#include "search/SearchTerm.h"

namespace paarvinder {

namespace {

const QString kZoek = QStringLiteral("Zoek");
const QString kOnderbreek = QStringLiteral("Onderbreek");
const QString kInfo = QStringLiteral("Info");
const QString kTerug = QStringLiteral("Terug");
const QString kMakersAddress = QStringLiteral("www.mirtelo.nl");

// The toolbar holds its buttons side by side with nothing between them and
// a one-pixel rim: 73-pixel buttons in a bar 75 high.
class ToolBarStyle final : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    switch (metric) {
      case PM_ToolBarItemSpacing:
      case PM_ToolBarItemMargin:
        return 0;
      case PM_ToolBarFrameWidth:
        return 1;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

QFont Arial(int pixelHeight) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  return font;
}

std::string ToBytes(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

TfMain::TfMain(MainformPlatform platform, QStringList commandLine, QWidget* parent)
    : QMainWindow(parent),
      platform_(std::move(platform)),
      commandLine_(std::move(commandLine)),
      run_(richReport_, platform_.diskInfo, platform_.sounds, *this, platform_.clock, platform_.settings) {
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setWindowIcon(QIcon(QStringLiteral(":/icons/window.png")));
  // A small fixed window with a close button only. It stays a normal window
  // rather than a tool window, so that it keeps its place in the task bar.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(Arial(16));
  setFixedSize(kClientWidth, kClientHeight);
  setContextMenuPolicy(Qt::NoContextMenu);

  BuildToolBar();
  PageControl = new QStackedWidget(this);
  setCentralWidget(PageControl);
  BuildResultsPage();
  BuildInfoPage();
  BuildStatusBar();
  OpenDialog = new ResultsDialog(this);

  Rich->Follow(richReport_);
  RichInfo->Follow(infoReport_);
  hints_ = new HintDisplay(*Stat->Panel(0), [this] { return RunActive(); }, this);

  if (QScreen* screen = this->screen()) {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  }
}

TfMain::~TfMain() {
  // The views go with the widgets, after the reports.
  richReport_.SetObserver(nullptr);
  infoReport_.SetObserver(nullptr);
}

void TfMain::BuildToolBar() {
  ToolBar = new QToolBar(QStringLiteral("ToolBar"), this);
  auto* style = new ToolBarStyle;
  style->setParent(ToolBar);
  ToolBar->setStyle(style);
  ToolBar->setMovable(false);
  ToolBar->setFloatable(false);
  ToolBar->toggleViewAction()->setEnabled(false);
  // A tool button on a bar paints its picture at the bar's size.
  ToolBar->setIconSize(QSize(ToolbarButton::kPictureSize, ToolbarButton::kPictureSize));
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  addToolBar(Qt::TopToolBarArea, ToolBar);

  using Width = ToolbarButton::Width;
  tbStop = new ToolbarButton(*ToolBar, QStringLiteral("Stop"), QIcon(QStringLiteral(":/icons/stop.png")),
                             Width::SizedToCaption);
  tbZoek = new ToolbarButton(*ToolBar, kZoek, QIcon(QStringLiteral(":/icons/zoek.png")), Width::SizedToCaption);
  tbResult = new ToolbarButton(*ToolBar, QStringLiteral("Resultaten"),
                               QIcon(QStringLiteral(":/icons/resultaten.png")), Width::Fixed);
  tbInfo = new ToolbarButton(*ToolBar, kInfo, QIcon(QStringLiteral(":/icons/info.png")), Width::Fixed);
  SetHint(*tbStop, QStringLiteral("Verlaat dit hulpprogramma..."));
  SetHint(*tbZoek, QStringLiteral("Zoek naar eventuele dubbelgangers..."));
  SetHint(*tbResult, QStringLiteral("Eerdere zoekresultaten..."));
  SetHint(*tbInfo, QStringLiteral("Informatie hoe dit programma gebruikt kan worden..."));

  connect(tbStop, &QToolButton::clicked, this, [this] { tbStopClick(); });
  connect(tbZoek, &QToolButton::clicked, this, [this] { tbZoekClick(); });
  connect(tbResult, &QToolButton::clicked, this, [this] { tbResultClick(); });
  connect(tbInfo, &QToolButton::clicked, this, [this] { tbInfoClick(); });
}

void TfMain::BuildResultsPage() {
  TabBegin = new QWidget;
  PageControl->addWidget(TabBegin);

  lZoek = new QLabel(QStringLiteral("Zijn er dubbelgangers te vinden?"), TabBegin);
  lZoek->setFont(Arial(27));
  lZoek->setGeometry(280, 25, 396, 32);

  Progress = new BusyRing(TabBegin);
  Progress->setGeometry(704, 8, 129, 67);

  Rich = new ReportView(TabBegin);
  Rich->setGeometry(32, 80, 809, 377);
  Rich->setLineWrapMode(QTextEdit::NoWrap);
  // Both scroll bars, each shown when the report needs it, as a rich edit does.
  Rich->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Rich->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetHint(*Rich, QStringLiteral("Hier komen de resultaten van de zoekactie..."));

  gbZoek = new QGroupBox(QStringLiteral("Zoek naar:"), TabBegin);
  gbZoek->setGeometry(32, 0, 233, 65);
  eZoek = new QLineEdit(gbZoek);
  eZoek->setGeometry(16, 24, 201, 26);
  SetHint(*eZoek, QStringLiteral("Tik hier de naam van het bestand waarnaar gezocht gaat worden...."));
  eZoek->installEventFilter(this);
  connect(eZoek, &QLineEdit::textChanged, this, [this] { eZoekChange(); });

  setTabOrder(Rich, eZoek);
}

void TfMain::BuildInfoPage() {
  TabInfo = new QWidget;
  PageControl->addWidget(TabInfo);
  RichInfo = new ReportView(TabInfo);
  RichInfo->setGeometry(24, 24, 817, 431);
  RichInfo->setLineWrapMode(QTextEdit::WidgetWidth);
  RichInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TfMain::BuildStatusBar() {
  Stat = new StatusPanels(this);
  setStatusBar(Stat);
  Stat->Panel(1)->setText(QStringLiteral("\u00A9 Mirtelo"));
  // A move over a panel reaches the bar too: the panels pass it on.
  Stat->installEventFilter(this);
}

// --- the window's own events ---------------------------------------------

void TfMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (std::exchange(formShown_, true)) return;
  FormShow();
}

void TfMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TfMain::closeEvent(QCloseEvent* event) {
  held_ = HeldClick::None;
  if (RunActive()) {
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == eZoek && event->type() == QEvent::KeyPress) {
    const auto* press = static_cast<QKeyEvent*>(event);
    const bool enter = press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter;
    if (enter) {
      char key = '\r';
      eZoekKeyPress(key);
      if (key == 0) return true;
    }
  } else if (watched == Stat && event->type() == QEvent::MouseMove) {
    StatMouseMove();
  }
  return QMainWindow::eventFilter(watched, event);
}

// --- handlers --------------------------------------------------------------

void TfMain::FormShow() {
  Guarded(this, [this] {
    const bool withArgument = commandLine_.size() > 1 && !commandLine_.at(1).isEmpty();
    if (withArgument) eZoek->setText(commandLine_.at(1));
    tbZoek->SetShown(withArgument);
    richReport_.Clear();
    Progress->hide();
    platform_.diskInfo.SetDisk(kSystemDrive);
    run_.ProgMap = platform_.programFolder();
    if (chdir(run_.ProgMap.c_str()) != 0) {
      // Ignored: ProgMap is used as computed.
    }
    // The pages are a stack without a tab row: there are no tabs to hide.
    PageControl->setCurrentWidget(TabBegin);
    FormResize();
    eZoek->setFocus();
  });
}

void TfMain::FormResize() {
  Guarded(this, [this] { Stat->SetFirstPanelWidth(width() - kMarkPanelWidth); });
}

void TfMain::StatMouseMove() {
  Guarded(this, [this] { SetHint(*Stat, QStringLiteral("Bekijk andere Mirtelo-utilities op ") + kMakersAddress); });
}

void TfMain::tbStopClick() {
  Guarded(this, [this] {
    run_.Onderbreken = 1;
    close();
  });
}

void TfMain::tbZoekClick() {
  const bool starts = tbZoek->Caption() != kOnderbreek;
  if (starts && RunActive()) {
    Hold(HeldClick::Zoek);
    return;
  }
  if (starts) runActive_ = true;
  Guarded(this, [this] { run_.tbZoekClick(); });
  if (starts) RunReturned();
}

void TfMain::tbResultClick() {
  if (RunActive()) {
    Hold(HeldClick::Resultaten);
    return;
  }
  Guarded(this, [this] {
    PageControl->setCurrentWidget(TabBegin);
    run_.Onderbreken = 1;
    tbZoek->SetCaption(kZoek);
    tbInfo->SetCaption(kInfo);
    eZoek->setText(QString());  // eZoekChange runs only when the entry held text
    const auto chosen = OpenDialog->Execute(QFile::decodeName(QByteArray::fromStdString(run_.ProgMap)));
    if (chosen) LoadReport(richReport_, QFile::encodeName(*chosen).toStdString());
  });
}

void TfMain::tbInfoClick() {
  Guarded(this, [this] {
    if (tbInfo->Caption() == kTerug) {
      PageControl->setCurrentWidget(TabBegin);
      tbInfo->SetCaption(kInfo);
      return;
    }
    VulInfo(infoReport_);
    PageControl->setCurrentWidget(TabInfo);
    tbInfo->SetCaption(kTerug);
  });
}

void TfMain::eZoekChange() {
  Guarded(this, [this] {
    run_.ZoekNaam = NormaliseTerm(ToBytes(eZoek->text()));
    tbZoek->SetShown(!run_.ZoekNaam.empty());
  });
}

void TfMain::eZoekKeyPress(char& key) {
  Guarded(this, [this, &key] {
    if (key != '\r') return;
    // Characters as typed, not bytes and not the normalised term.
    if (eZoek->text().toUcs4().size() < 2) return;
    key = 0;
    tbZoek->SetShown(true);
    tbZoekClick();
  });
}

// --- a run on the stack ----------------------------------------------------

void TfMain::Hold(HeldClick click) {
  if (!closeAfterRun_) held_ = click;
}

void TfMain::RunReturned() {
  runActive_ = false;
  hints_->Update();
  if (std::exchange(closeAfterRun_, false)) {
    close();
    return;
  }
  if (held_ == HeldClick::None) return;
  // Taken only when carried out: a "Stop" or close that the main loop
  // handles first still drops it.
  QTimer::singleShot(0, this, [this] {
    switch (std::exchange(held_, HeldClick::None)) {
      case HeldClick::Zoek:
        tbZoekClick();
        break;
      case HeldClick::Resultaten:
        tbResultClick();
        break;
      case HeldClick::None:
        break;
    }
  });
}

// --- SearchHost -----------------------------------------------------------

std::string TfMain::ZoekCaption() const { return ToBytes(tbZoek->Caption()); }

void TfMain::SetZoekCaption(const std::string& caption) { tbZoek->SetCaption(QString::fromStdString(caption)); }

void TfMain::SetResultVisible(bool visible) { tbResult->SetShown(visible); }

void TfMain::SetProgressVisible(bool visible) { Progress->setVisible(visible); }

void TfMain::ShowResultsPage() { PageControl->setCurrentWidget(TabBegin); }

void TfMain::FocusReport() { Rich->setFocus(); }

void TfMain::PostScrollCaret() {
  QMetaObject::invokeMethod(Rich, [view = Rich] { view->ScrollCaretToEnd(); }, Qt::QueuedConnection);
}

void TfMain::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace paarvinder
