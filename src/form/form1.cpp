// Binds the main window's members to the platform's windows and controls by name.
#include "form/form1.h"

Form1::Form1(platform::Ui& ui)
    : Me(ui.window("Form1")),
      HScroll1(ui.scrollBar("HScroll1")),
      cmdGo(ui.commandButton("cmdGo")),
      Dir1(ui.dirList("Dir1")),
      Drive1(ui.driveList("Drive1")),
      Text1(ui.textBox("Text1")),
      File1(ui.fileList("File1")),
      cmdExit(ui.commandButton("cmdExit")),
      Timer1(ui.timer("Timer1")),
      Picture1(ui.pictureBox("Picture1")),
      cmdResetRandomCycle(ui.commandButton("cmdResetRandomCycle")),
      chkRandomPictures(ui.checkBox("chkRandomPictures")),
      chkBlackOut(ui.checkBox("chkBlackOut")),
      chkReSize(ui.checkBox("chkReSize")),
      chkUpperRight(ui.checkBox("chkUpperRight")),
      chkLowerRight(ui.checkBox("chkLowerRight")),
      chkRandomize(ui.checkBox("chkRandomize")),
      Label3(ui.label("Label3")),
      Label2(ui.label("Label2")),
      Label1(ui.label("Label1")),
      Form2(ui.window("Form2")),
      Form3(ui.window("Form3")),
      Screen(ui.screen()),
      Pictures(ui.pictures()),
      MsgBox(ui.messageBox()),
      Rnd(ui.random()),
      App(ui.program()),
      Session(ui.session()),
      Log(ui.failureLog())
{
}
