#include "CounterDisplay.h"

#include "ui/Look.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

namespace counterdisplay {

QFrame* lamp(const QString& objectName)
{
    auto* frame = new QFrame;
    look::name(frame, objectName, QCoreApplication::translate("CountingLab", "Count lamp"));
    frame->setFixedSize(22, 22);
    showLamp(frame, false);
    return frame;
}

void showLamp(QFrame* lamp, bool lit)
{
    lamp->setStyleSheet(lit ? QStringLiteral("background: #ffb000; border: 2px solid #805000; border-radius: 11px;")
                            : QStringLiteral("background: #404040; border: 2px solid #202020; border-radius: 11px;"));
    lamp->setAccessibleDescription(lit ? QCoreApplication::translate("CountingLab", "lit") : QCoreApplication::translate("CountingLab", "dark"));
}

QLabel* counts(const QString& objectName, const QString& description)
{
    auto* label = new QLabel(QStringLiteral("0"));
    label->setObjectName(objectName);
    label->setAccessibleDescription(description);
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    label->setFont(big);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

} // namespace counterdisplay
