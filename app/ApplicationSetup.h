#pragma once

class QCoreApplication;

// Names the program for its settings and --version, and makes Qt's own dialogs and buttons
// Japanese like the rest of the program (Qt's translations, from qt6-translations-l10n).
void setUpApplication(QCoreApplication& application);
