// Keeps the program's windows in front of its black backdrop, which covers every other program.
#pragma once

class QWidget;

namespace platform::qt {

// Before the backdrop is first shown: it stays out of the task list and the pager, the program's
// windows being there already.
void keepBackdropOutOfTaskList(QWidget* backdrop);

// While a backdrop is shown, each window of the program that is shown stands in front of it: each is
// made transient for the backdrop, which window managers and compositors keep above it also when the
// backdrop is clicked and raised, while other programs' windows stay below it. Without a window
// manager the order in which the windows were shown already does it.
void backdropShown(QWidget* backdrop);
void backdropGone(QWidget* backdrop);
void windowShown(QWidget* window);

}  // namespace platform::qt
