// Whether a show is running, as the desktop needs to know it: the picture changing, nobody at the panel.
#pragma once

struct Form1;

// Tells the session whether the show now runs; called after every event the program handles.
void updateShowRunning(Form1& f);
