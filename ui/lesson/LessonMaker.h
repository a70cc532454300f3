#pragma once

#include "model/lesson/Lesson.h"

#include <QStringList>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class Platform;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "Make lesson...": a lesson of one part, from the part's entries as they are, without editing any
// file by hand. The teacher rules the controls (open, locked, hidden, a range), writes the title,
// the introduction and the steps with their questions and expected answers, chooses the seed
// policy, the feedback and what a hand-in carries, previews the lesson as a student sees it, and
// saves it as a file, a link or a web page.
class LessonMaker : public QWidget {
    Q_OBJECT

public:
    // `setup` is the part's entries now; `controls` the names of the part's controls in its windows;
    // `webPage` the program's page a lesson can be built into, empty when this build has none.
    LessonMaker(decay::LessonPart part, std::vector<std::pair<std::string, std::string>> setup, const QStringList& controls,
                Platform& platform, const QString& webPage);

    // The maker edits `opened` instead of a new lesson: its identity, seed, rules, steps and policies,
    // its texts in every language (an edit replaces the user's language only) and what this version
    // does not know of it. The entries stay the part's as they stand.
    void edit(const decay::Lesson& opened);
    // The lesson as the window holds it now.
    decay::Lesson lesson() const;

    QLineEdit* txtTitle;
    QPlainTextEdit* txtIntroduction;
    QTableWidget* tblControls;
    QRadioButton* optShared;
    QRadioButton* optPerStudent;
    QCheckBox* chkFeedback;
    QCheckBox* chkHandInAnswers;
    QCheckBox* chkHandInData;
    QListWidget* lstSteps;
    QPushButton* cmdAddStep;
    QPushButton* cmdRemoveStep;
    QPlainTextEdit* txtStepText;
    QComboBox* cboQuestion;
    QLineEdit* txtUnit;
    QLineEdit* txtTolerance;
    QLineEdit* txtAbsolute;
    QPlainTextEdit* txtChoices;
    QComboBox* cboExpected;
    QLineEdit* txtExpected;
    QLineEdit* txtArguments;
    QLabel* lblQuantity;
    QPushButton* cmdPreview;
    QPushButton* cmdSaveLesson;
    QPushButton* cmdCopyLink;
    QLineEdit* txtLink;
    QPushButton* cmdSavePage;
    QLabel* lblWebPage;
    QPushButton* cmdCollect;
    QPushButton* cmdClose;

    void cmdAddStep_Click();
    void cmdRemoveStep_Click();
    void lstSteps_Change();
    void step_Change();
    void cmdPreview_Click();
    void cmdSaveLesson_Click();
    void cmdCopyLink_Click();
    void cmdSavePage_Click();
    void cmdCollect_Click();
    void cmdClose_Click();

signals:
    void previewRequested(const decay::Lesson& lesson);
    void collectRequested(const decay::Lesson& lesson);

private:
    QWidget* buildLessonBox();
    QWidget* buildControlsBox(const QStringList& controls);
    QWidget* buildStepsBox();
    QLayout* buildCommands();
    void connectHandlers();
    void showStep();
    // The lesson, or none after saying why a class cannot be given it.
    std::optional<decay::Lesson> checkedLesson(const QString& title);

    decay::LessonPart m_part;
    std::vector<std::pair<std::string, std::string>> m_setup;
    Platform& m_platform;
    QString m_webPage;
    std::string m_id;
    std::uint64_t m_seed;
    std::vector<decay::LessonStep> m_steps;
    std::optional<decay::Lesson> m_opened; // the lesson edited, if any
    bool m_showing = false; // a step is being put into the editor, which is not an edit
};
