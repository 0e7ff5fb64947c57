#pragma once

#include <QDialog>

// The about box: the program's name and version, and what it is for.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
