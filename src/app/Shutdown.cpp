// The drive check, the developer switch, the old menu panel and the shutdown
// that gives the desktop back.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm5.h"
#include "core/TForm7.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"
#include "sys/SystemInfo.h"

namespace game {

void TForm1::Button1Click() {
  const std::string& dir = cd2.Caption;
  const sys::DriveType type = game.setup.driveType ? game.setup.driveType(dir) : sys::driveType(dir);
  switch (type) {
    case sys::DriveType::Network:
      if (game.Form5->player.Caption == "user")
        reportFatal(
            "ERROR: Professor Kroxl darf nicht über Netzwerk aus gestartet werden. (nur im Developer-Modus)");
      break;
    case sys::DriveType::CdRom:
      reportFatal("ERROR: kroxl.exe darf nicht von CD ausgeführt werden!");
      break;
    case sys::DriveType::RamDisk:
      reportFatal("ERROR: Professor Kroxl darf nicht von einer RAM-Diskette ausgeführt werden!");
      break;
    case sys::DriveType::Other:
      break;
  }
}

void TForm1::sayDblClick() {
  game.Form5->player.Caption = "developer";
}

void TForm1::Button4Click() {
  game.Form5->Show();
}

void TForm1::Button5Click() {
  game.Form7->Show();
}

void TForm1::Button6Click() {
  Close();
}

void TForm1::FormClose() {
  showStartButton(true);
  const std::string temp = programPath("\\temp.bmp");
  if (sys::fileExists(temp)) sys::removeFile(sys::resolvePath(temp));
  const TForm2& f2 = *game.Form2;
  // Only the width is compared, as it always was.
  if (f2.reso.Left > 0 && game.desktop.screenWidth() != f2.reso.Left)
    switchDisplayMode(f2.reso.Left, f2.reso.Top);
}

}  // namespace game
