// The drive, folder and file lists, the start-number box and the Reset Random Cycle button.
#pragma once

struct Form1;

void Drive1_Change(Form1& f);
void Dir1_Change(Form1& f);
void File1_PathChange(Form1& f);
void File1_Click(Form1& f);
void cmdResetRandomCycle_Click(Form1& f);
void Text1_GotFocus(Form1& f);
void Text1_LostFocus(Form1& f);
void Text1_Change(Form1& f);
