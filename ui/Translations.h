#pragma once

class QCoreApplication;

// Shows the program in the first of the desktop's languages that it has a translation for, with
// Qt's own texts (the standard buttons of dialogs) in that language where Qt has them. English,
// the language of the texts in the code, is what stays when English comes first or no
// translation matches.
void installTranslations(QCoreApplication& app);
