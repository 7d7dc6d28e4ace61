// The Go button.
#pragma once

struct Form1;

void cmdGo_Click(Form1& f);
