// Start-up: the application, the one window with the machine's drives,
// sound, clock and regional settings, and the event loop.

#include <clocale>
#include <exception>

#include <QApplication>
#include <QIcon>

#include "app/ErrorBox.h"
#include "app/Mainform.h"
#include "paarvinder/Version.h"
#include "platform/AlsaSoundSink.h"
#include "platform/Clock.h"
#include "platform/MountTableDiskInfo.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"

int main(int argc, char* argv[]) {
  using namespace paarvinder;
  // Dates and times follow the user's locale.
  std::setlocale(LC_ALL, "");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(version::kFileVersionText));
  QApplication::setOrganizationName(QString::fromUtf8(version::kCompanyName));
  // Lets the desktop match the window with its entry and icon.
  QApplication::setDesktopFileName(QString::fromUtf8(version::kAppId));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/paarvinder.png")));
  Guarded(nullptr, [&] {
    MountTableDiskInfo diskInfo;
    AlsaSoundSink sounds;
    SystemClock clock;
    TfMain fMain({diskInfo, sounds, clock, RegionalSettingsFromLocale(), ProgramFolder},
                 QApplication::arguments());
    fMain.show();
    QApplication::exec();
  });
  return 0;
}
