// Connects every control event of the program to its handler.
#pragma once

struct Form1;

void wireEvents(Form1& f);
