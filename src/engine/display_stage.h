// The tick's display stage: on Form1 at the picture's own size, or fitted onto Form2.
#pragma once

struct Form1;

namespace engine {

class ResumeNext;

void displayPicture(Form1& f, ResumeNext& rn);

}  // namespace engine
