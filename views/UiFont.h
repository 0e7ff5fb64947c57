#pragma once

#include <QFont>

// The system's screen font ("MS UI Gothic", or the Japanese fonts found here) sized so that
// its character cell, ascent plus descent, is cellHeight pixels; 0 or less gives the
// platform's default size.
QFont uiFont(int cellHeight);
