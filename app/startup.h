#pragma once

class QApplication;

// The whole program once its QApplication exists: sets it up, shows the menu and runs until
// the last window is unloaded or the program is ended. Returns the exit status.
int runQuizra(QApplication &app);
