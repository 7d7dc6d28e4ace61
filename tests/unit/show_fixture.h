// The program started on the fake platform, as main starts it: Form1 built, wired and loaded.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake/fake_ui.h"
#include "form/form1.h"
#include "wiring.h"

class ShowTest : public ::testing::Test {
protected:
    ShowTest() : f(ui)
    {
        wireEvents(f);
        ui.window("Form1").show();
        ui.journal.clear();
    }

    // Opens the folder through the folder list, as the user does, with these entries listed, each a
    // readable picture of the given size.
    void openPictures(const std::string& folder, const std::vector<std::string>& names,
                      platform::Twips width = 6000, platform::Twips height = 4000)
    {
        for (const std::string& name : names)
            ui.pictures().add(folder + "/" + name, width, height);
        ui.folders[folder] = names;
        f.Dir1.setPath(folder);
    }

    // One interval of Timer1; nothing happens while it is disabled.
    void tick() { ui.timer("Timer1").fire(); }

    // Where the entry first stands in the journal; past its end when it is not there.
    std::size_t journalAt(const std::string& entry) const
    {
        return static_cast<std::size_t>(std::find(ui.journal.begin(), ui.journal.end(), entry) - ui.journal.begin());
    }

    std::string shownPicture() const
    {
        return f.Picture1.picture() ? static_cast<const fake::FakePicture&>(*f.Picture1.picture()).path : "";
    }

    // The seventeen controls that Go hides and a stop shows again.
    void expectPanel(bool visible)
    {
        for (const platform::Control* control : std::initializer_list<const platform::Control*>{
                 &f.HScroll1, &f.cmdGo, &f.Dir1, &f.Drive1, &f.Text1, &f.File1, &f.cmdExit, &f.cmdResetRandomCycle,
                 &f.chkRandomPictures, &f.chkBlackOut, &f.chkReSize, &f.chkUpperRight, &f.chkLowerRight,
                 &f.chkRandomize, &f.Label3, &f.Label2, &f.Label1})
            EXPECT_EQ(control->visible(), visible);
    }

    fake::FakeUi ui;
    Form1 f;
};

// The platform delivers the click of a double click first.
template <class Surface>
void doubleClick(Surface& surface)
{
    surface.Click.raise();
    surface.DblClick.raise();
}
