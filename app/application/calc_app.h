#pragma once
// Start-up and exit of the desktop program.

class QApplication;

// Names under which QSettings keeps everything: organization "Vantor", application
// "Calculator".
void SetApplicationIdentity(QApplication& application);

// Runs the program; returns the process's exit code.
int RunCalculatorApplication(int argc, char** argv);
