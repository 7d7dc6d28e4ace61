// The Go button, and the picture it will show first, decoded while the panel waits.
#pragma once

struct Form1;

void cmdGo_Click(Form1& f);

namespace panel {

// While the panel is open and no tick changes the picture, hints the picture Go would show first,
// at the use it would be shown at. Never throws.
void prepareGo(Form1& f);

}  // namespace panel
