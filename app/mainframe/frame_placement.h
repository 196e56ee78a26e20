#pragma once
// The main window's placement kept in "GUI/Frame": the normal rectangle and whether it
// was maximized.

class QWidget;

// Places the window (default 930 x 550 centred, maximized) and brings a saved
// rectangle back onto the screen.
void RestoreFramePlacement(QWidget& window);
void SaveFramePlacement(const QWidget& window);
