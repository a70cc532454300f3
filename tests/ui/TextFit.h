#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

// Labels in their boxes, button captions across their buttons, a line of text in each field, the
// longest item of each drop-down beside its arrow: each control of `window` that would cut its own
// text is added to `misfits`.
inline void widgetTextsFit(QWidget* window, QStringList& misfits)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect box = label->contentsRect();
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(box, flags, label->text());
        if (needed.width() > box.width() || needed.height() > box.height())
            misfits.append(QStringLiteral("%1.%2 needs %3 x %4 in %5 x %6")
                               .arg(window->objectName(), label->objectName())
                               .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height()));
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 8; // the frame and a little air
        if (needed > button->width())
            misfits.append(QStringLiteral("%1.%2 needs %3 in %4").arg(window->objectName(), button->objectName()).arg(needed).arg(button->width()));
    }
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (field->fontMetrics().height() > field->contentsRect().height())
            misfits.append(field->objectName());
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        if (!box->isVisibleTo(window) || box->isEditable())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
        for (int i = 0; i < box->count(); ++i) {
            const int needed = box->fontMetrics().horizontalAdvance(box->itemText(i)) + (box->itemIcon(i).isNull() ? 0 : box->iconSize().width() + 4);
            if (needed > room)
                misfits.append(QStringLiteral("%1.%2 item \"%3\" needs %4 in %5")
                                   .arg(window->objectName(), box->objectName(), box->itemText(i)).arg(needed).arg(room));
        }
    }
}
