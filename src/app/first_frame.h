#pragma once

class QWidget;

// For measuring start-up: when OMBRIX_QUIT_AFTER_FIRST_FRAME is set, the viewer writes
// "first frame N ms after main" to standard error as soon as the drawing area has been painted
// once, and quits.
void QuitAfterFirstFrameIfAsked(QWidget& drawing_area);
