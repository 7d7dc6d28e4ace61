// The blackout window behind the show.
#pragma once

struct Form1;

void chkBlackOut_Click(Form1& f);

namespace form3 {
void Form_Load(Form1& f);
// Esc on the black: where a desktop lets the black come in front of the program's windows, the way
// back to them.
void Form_Escape(Form1& f);
}
