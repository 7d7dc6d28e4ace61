// The speed bar.
#pragma once

struct Form1;

void HScroll1_Change(Form1& f);
