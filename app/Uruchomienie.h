#pragma once
// The program entry from the communication dialog on: the dialog is made,
// the start-up query runs once, and the message loop runs until the main
// window is closed.

#include <functional>

namespace orbaklaw {

class TForm3;

// `petlaKomunikatow` runs the message loop and gives the exit code.
int UruchomPoOknieGlownym(TForm3& okno, const std::function<int()>& petlaKomunikatow);

} // namespace orbaklaw
