// The slide tick: shows the next picture of the show.
#pragma once

struct Form1;

void Timer1_Timer(Form1& f);
