#include "WorksheetPage.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

constexpr QSizeF kPage(1000, 1414);
constexpr double kLeft = 60;
constexpr double kWidth = 880;

QFont pageFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

WorksheetPage::WorksheetPage(QPainter& painter)
    : m_painter(painter)
{
    const QRect area = painter.viewport();
    const double scale = std::min(area.width() / kPage.width(), area.height() / kPage.height());
    painter.save();
    painter.translate(area.center() - QPointF(kPage.width() * scale / 2, kPage.height() * scale / 2));
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
}

WorksheetPage::~WorksheetPage()
{
    m_painter.restore();
}

void WorksheetPage::heading(const QString& title)
{
    paragraph(title, 34, true, 6);
    paragraph(tr("Name: ______________________________     Date: ________________"), 18, false, 16);
}

void WorksheetPage::paragraph(const QString& text, int pixels, bool bold, double after)
{
    m_painter.setFont(pageFont(pixels, bold));
    const QRectF box = m_painter.boundingRect(QRectF(kLeft, m_y, kWidth, 1000), Qt::TextWordWrap, text);
    m_painter.drawText(box, Qt::TextWordWrap, text);
    m_y = box.bottom() + after;
}

void WorksheetPage::picture(double height, const std::function<void(QPainter&, QSizeF)>& paint)
{
    const QRectF box(kLeft, m_y, kWidth, height);
    m_painter.save();
    m_painter.translate(box.topLeft());
    paint(m_painter, box.size());
    m_painter.restore();
    m_painter.setPen(QColor(160, 160, 160));
    m_painter.drawRect(box);
    m_painter.setPen(Qt::black);
    m_y = box.bottom() + 20;
}

void WorksheetPage::table(const std::vector<QStringList>& rows)
{
    const double rowHeight = 26;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const QStringList& cells = rows[row];
        const auto columns = static_cast<double>(std::max<qsizetype>(cells.size() - 1, 1));
        const double nameWidth = cells.size() > 1 ? 490 : kWidth;
        const double cellWidth = (kWidth - nameWidth - 10) / columns;
        m_painter.setFont(pageFont(17, row == 0));
        for (qsizetype column = 0; column < cells.size(); ++column) {
            const QRectF box = column == 0 ? QRectF(kLeft, m_y, nameWidth, rowHeight)
                                           : QRectF(kLeft + nameWidth + 10 + cellWidth * static_cast<double>(column - 1), m_y, cellWidth, rowHeight);
            m_painter.drawText(box, Qt::AlignVCenter | (column == 0 ? Qt::AlignLeft : Qt::AlignRight), cells[column]);
        }
        m_y += rowHeight;
        m_painter.setPen(QColor(200, 200, 200));
        m_painter.drawLine(QPointF(kLeft, m_y), QPointF(kLeft + kWidth, m_y));
        m_painter.setPen(Qt::black);
    }
    m_y += 8;
}

void WorksheetPage::questions(const QStringList& texts)
{
    paragraph(tr("Questions"), 22, true, 8);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        paragraph(QStringLiteral("%1. %2").arg(i + 1).arg(texts[i]), 18, false, 8);
        m_painter.setPen(QColor(170, 170, 170));
        for (int line = 0; line < 2; ++line) {
            m_y += 30;
            m_painter.drawLine(QPointF(kLeft, m_y), QPointF(kLeft + kWidth, m_y));
        }
        m_painter.setPen(Qt::black);
        m_y += 18;
    }
}
