#pragma once

#include <QFont>

// The system's screen font ("MS UI Gothic", or the Japanese fonts found here) sized so that
// its character cell, ascent plus descent, is cellHeight pixels.
QFont uiFont(int cellHeight);
