// Start-up and exit of the main window.
#pragma once

struct Form1;

namespace form1 {
void Form_Load(Form1& f);
}

void cmdExit_Click(Form1& f);
