#pragma once

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

// Lines of a delivery's text in a band of the window, never cut mid-line nor running out of
// the band: the font shrinks from its designed height until the lines fit the band's height
// (but not below a readable size), a line wider than the band ends in "…", and lines that still
// do not fit are left out with "…" after the last one shown. Whenever anything is shortened,
// the tooltip holds the whole text. Painted as plain text.
class FittedText : public QWidget {
    Q_OBJECT

public:
    explicit FittedText(QWidget* parent = nullptr);

    // Lines are separated by line breaks.
    void setText(const QString& text);
    void clear() { setText({}); }
    QString text() const { return whole; }
    // The cell height of the font when all lines fit; the band may make it smaller.
    void setDesignedFontHeight(int pixels);
    // What is painted, line by line.
    const QStringList& shownLines() const { return shown; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();
    int fittingFontHeight(int lineCount) const;
    QString elided(const QString& line, bool moreFollow, const QFontMetrics& metrics) const;

    QString whole;
    int designedFontHeight = 0;
    QStringList shown;
};
