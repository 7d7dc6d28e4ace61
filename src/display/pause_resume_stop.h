// Clicks on the two picture surfaces pause and resume the show; double clicks stop it.
#pragma once

struct Form1;

void Picture1_Click(Form1& f);
void Picture1_DblClick(Form1& f);

namespace form2 {
void Form_Click(Form1& f);
void Form_DblClick(Form1& f);
}  // namespace form2
