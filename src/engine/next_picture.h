// The picture the next tick will load, worked out without touching a control, and the path and
// use it is loaded with.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/picture.h"
#include "state/show_state.h"

struct Form1;

namespace engine {

class ResumeNext;

// The folder, "/" unless the folder already ends in one, then the name as listed; empty when the
// name cannot be read.
std::string picturePath(Form1& f, ResumeNext& rn, const std::function<std::string()>& name);

// For the tick that runs next, as its options stand and as the tick reads them.
platform::PictureUse pictureUse(Form1& f);

// The path the next tick would load if it ran with state s, from File1's selection and the draws
// the random source will give next: no control is set and nothing of the program's state changes.
// Nothing when that tick would load no entry of the list or would end the random cycle.
std::optional<std::string> nextPicturePath(Form1& f, const state::ShowState& s);

}  // namespace engine
