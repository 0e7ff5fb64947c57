#pragma once

#include <QSize>

class QWidget;

// Resizes a dialog to wanted, or less where its screen is smaller (an 800 × 600 notebook or a
// projector), so that its buttons never lie off screen.
void resizeWithinScreen(QWidget& dialog, QSize wanted);
