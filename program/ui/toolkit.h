#pragma once
// The window toolkit of the process (GTK on the X11 display).

namespace ylcs {

// Opens the display; false when there is none (roles without windows still run).
bool InitToolkit(int* argc, char*** argv);
bool HasToolkit();

}  // namespace ylcs
