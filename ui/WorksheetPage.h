#pragma once

#include <QCoreApplication>
#include <QSizeF>
#include <QStringList>

#include <functional>
#include <vector>

class QFont;
class QPainter;

// A printed worksheet, written from the top down on a page of 1000 x 1414 units (the shape of
// A4) that is scaled to the painter's viewport, so it looks the same on every printer; fonts are
// sized in those units too.
class WorksheetPage {
    Q_DECLARE_TR_FUNCTIONS(WorksheetPage)

public:
    explicit WorksheetPage(QPainter& painter);
    ~WorksheetPage();
    WorksheetPage(const WorksheetPage&) = delete;
    WorksheetPage& operator=(const WorksheetPage&) = delete;

    // The title and a line for the student's name and the date.
    void heading(const QString& title);
    void paragraph(const QString& text, int pixels = 18, bool bold = false, double after = 10);
    // A framed picture of the full width, painted at the origin into `size`.
    void picture(double height, const std::function<void(QPainter&, QSizeF)>& paint);
    // A table whose first column holds the row names and the others right-aligned numbers; the
    // first row is the bold header.
    void table(const std::vector<QStringList>& rows);
    // Numbered questions under a heading, each with two lines for the answer.
    void questions(const QStringList& texts);

private:
    QPainter& m_painter;
    double m_y = 40;
};
