#pragma once

#include <QString>

class QFrame;
class QLabel;

// What a counter shows, simulated or real: the lamp that flashes with the counts and the large
// number of counts.
namespace counterdisplay {

QFrame* lamp(const QString& objectName);
void showLamp(QFrame* lamp, bool lit);
QLabel* counts(const QString& objectName, const QString& description);

} // namespace counterdisplay
