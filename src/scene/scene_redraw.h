#pragma once

// Clears the drawing area and draws every primitive, then every macro placement.
void RedrawAll();
