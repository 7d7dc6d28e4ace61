// The main window as the handlers see it: its controls, the other two windows and the show state.
#pragma once

#include "platform/ui.h"
#include "state/show_state.h"

struct Form1 {
    explicit Form1(platform::Ui& ui);

    platform::Window& Me;
    platform::ScrollBar& HScroll1;
    platform::CommandButton& cmdGo;
    platform::DirList& Dir1;
    platform::DriveList& Drive1;
    platform::TextBox& Text1;
    platform::FileList& File1;
    platform::CommandButton& cmdExit;
    platform::Timer& Timer1;
    platform::PictureBox& Picture1;
    platform::CommandButton& cmdResetRandomCycle;
    platform::CheckBox& chkRandomPictures;
    platform::CheckBox& chkBlackOut;
    platform::CheckBox& chkReSize;
    platform::CheckBox& chkUpperRight;
    platform::CheckBox& chkLowerRight;
    platform::CheckBox& chkRandomize;
    platform::Label& Label3;
    platform::Label& Label2;
    platform::Label& Label1;

    // Loaded (created hidden) by the first operation on them.
    platform::Window& Form2;
    platform::Window& Form3;

    platform::Screen& Screen;
    platform::PictureLoader& Pictures;
    platform::MessageBox& MsgBox;
    platform::Random& Rnd;
    platform::Program& App;
    platform::Session& Session;
    platform::FailureLog& Log;

    state::ShowState state;
};
