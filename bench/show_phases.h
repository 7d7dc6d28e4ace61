// The parts of a show measured after its ticks: the real timer's punctuality, and Go after a rest.
#pragma once

#include <vector>

struct Form1;

namespace bench {

// Lets the program's own Timer1 run the show for ticks periods and returns, for each picture, how far
// in milliseconds from the end of its period it was painted; fewer if the show stopped.
std::vector<double> timerLateness(Form1& form, bool fitted, int ticks);

// Stops the show as a double click on the picture does, chooses another entry, lets the panel rest
// for a second and returns the milliseconds from the click on Go to its first picture painted.
double goAfterRest(Form1& form, bool fitted);

}  // namespace bench
