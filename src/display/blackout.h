// The blackout window behind the show.
#pragma once

struct Form1;

void chkBlackOut_Click(Form1& f);

namespace form3 {
void Form_Load(Form1& f);
}
