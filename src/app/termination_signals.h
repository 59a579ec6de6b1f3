#pragma once

class QWidget;

// SIGTERM and SIGINT close the window as the user would, so the program ends cleanly when the
// desktop session or a terminal asks it to.
void CloseOnTerminationSignals(QWidget& window);
