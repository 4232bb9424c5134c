#pragma once

// Qt warns at start-up about the session's runtime folder (XDG_RUNTIME_DIR
// not set, or open to other users), which this program never uses; on a
// command line those lines only hide the program's own. Installs a message
// handler, before the application object is made, that drops them together
// with Qt's debug and information lines; every other warning and error of
// Qt's still reaches the error stream as before.
void DropQtStartupNoise();
