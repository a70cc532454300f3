#pragma once

#include "model/lesson/LessonMarking.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Platform;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The lesson beside the part it sets up: its title and introduction in the user's language, the
// steps in order with their questions answered in place, the student's name, from which the
// student's data come where each student has their own, and "Hand in", which saves the answers
// (and the run's data where the lesson asks for them) as a file the student gives the teacher.
// Nothing is written without the student's action.
class LessonPanel : public QWidget {
    Q_OBJECT

public:
    // `table` is the program's nuclide table (may be null); `data` makes the part's data file for
    // a hand-in that carries it.
    LessonPanel(decay::Lesson lesson, Platform& platform, const decay::NuclideTable* table, std::function<std::string()> dataFile,
                bool preview = false);
    ~LessonPanel() override;

    const decay::Lesson& lesson() const { return m_lesson; }
    bool isPreview() const { return m_preview; }
    // The seed of the student's data: the lesson's own, or the one the name typed gives.
    std::uint64_t seed() const { return m_seed; }
    // Whether the student's data can be made: a lesson with a seed per student needs the name.
    bool named() const;
    // The answers as given so far, one per step with a question.
    std::vector<decay::StudentAnswer> answers() const;

    QLabel* lblTitle;
    QLabel* lblIntroduction;
    QLineEdit* txtStudentName;
    QLabel* lblSeed;
    QPushButton* cmdHandIn;
    QPushButton* cmdCollect;
    QPushButton* cmdClose;

    void txtStudentName_Change();
    void cmdCheck_Click(int step);
    void cmdHandIn_Click();
    void cmdCollect_Click();
    void cmdClose_Click();

signals:
    // The name gave a new seed; the part's random runs take it from now on.
    void seedChanged(std::uint64_t seed);
    void collectRequested();

private:
    // The widgets of one step; those its question does not need stay null.
    struct Step {
        QLineEdit* number = nullptr;
        QPlainTextEdit* text = nullptr;
        QButtonGroup* choices = nullptr;
        QLabel* mark = nullptr;
    };
    QWidget* buildStep(int index);
    decay::StudentAnswer answer(int step) const;

    decay::Lesson m_lesson;
    Platform& m_platform;
    const decay::NuclideTable* m_table;
    std::function<std::string()> m_data;
    bool m_preview;
    std::uint64_t m_seed = 0;
    std::unique_ptr<decay::LessonEvaluator> m_evaluator; // of the seed shown, made at the first check
    std::vector<Step> m_steps;
};
