#pragma once

#include <QTranslator>

// The texts of Qt's print dialog that Qt's Japanese translation leaves in English (the
// double-sided options, the page-range field, the conflict and range messages). Installed
// before Qt's translation, it is asked only for what that one lacks.
class PrintDialogTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};
