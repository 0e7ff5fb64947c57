#pragma once

#include <functional>

#include <QDialog>
#include <QMessageBox>

#include "document/DocumentHost.h"

class QLineEdit;
class QRadioButton;

// The options: the slideshow interval (1 to 100 seconds) and the browse mode. OK checks the
// interval and, when it is not acceptable, says why and stays open with the text selected.
class COptionDlg : public QDialog {
    Q_OBJECT

public:
    explicit COptionDlg(QWidget* parent = nullptr);

    // Fills the controls; an interval out of range is shown as it is.
    void setValues(const OptionValues& values);
    // What the controls hold: the browse mode -1 when no button is checked.
    OptionChoice values() const;

    QLineEdit& intervalField() const { return *interval; }
    QRadioButton& modeButton(int mode) const { return mode == 0 ? *allPhotos : *byNode; }

    // How a message is shown; replaceable for tests.
    std::function<void(const QString& text, QMessageBox::Icon icon)> showMessage;

    void accept() override;

private:
    // Whether the field holds an interval that can be taken; if not, a message says why.
    bool checkInterval();

    QLineEdit* interval;
    QRadioButton* allPhotos;
    QRadioButton* byNode;
};
