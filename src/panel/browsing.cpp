// Browsing keeps the three lists chained, mFileIndex on the user's choice, and starts a new random
// cycle whenever the folder changes.
#include "panel/browsing.h"

#include <exception>
#include <optional>

#include "form/form1.h"
#include "panel/number_reader.h"

namespace {

const char* const kSystemDrive = "/";

}  // namespace

void Drive1_Change(Form1& f)
{
    bool& fallingBack = f.state.mDriveFallingBack;
    try {
        f.Dir1.setPath(f.Drive1.drive());
    } catch (const std::exception& failure) {
        f.Log.passedOver("drive list", failure.what());
        if (fallingBack)
            return;
        f.MsgBox.show("Drive " + f.Drive1.drive() + " is not ready", "ERROR");
        fallingBack = true;
        try {
            f.Drive1.setDrive(kSystemDrive);
        } catch (const std::exception& fallback) {
            f.Log.passedOver("drive list", fallback.what());
        }
        fallingBack = false;
    }
}

void Dir1_Change(Form1& f)
{
    f.File1.setPath(f.Dir1.path());
}

void File1_PathChange(Form1& f)
{
    state::clearRandomCycle(f.state);
}

void File1_Click(Form1& f)
{
    f.state.mFileIndex = f.File1.listIndex();
}

void cmdResetRandomCycle_Click(Form1& f)
{
    state::clearRandomCycle(f.state);
}

void Text1_GotFocus(Form1& f)
{
    f.state.mTextHasFocus = 1;
}

void Text1_LostFocus(Form1& f)
{
    f.state.mTextHasFocus = 0;
}

void Text1_Change(Form1& f)
{
    if (f.state.mTextHasFocus != 1)
        return;
    if (const std::optional<std::int32_t> index = panel::readTypedNumber(f.Text1.text()))
        f.state.mFileIndex = *index;
}
