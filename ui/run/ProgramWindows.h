#pragma once

#include "ui/Windows.h"
#include "ui/charts/larggraf.h"
#include "ui/experiment/ClassExperiment.h"
#include "ui/info/Form3.h"
#include "ui/info/Introfrm.h"
#include "ui/info/Quiz.h"
#include "ui/info/Referenc.h"
#include "ui/info/Vater.h"
#include "ui/info/copyrigh.h"
#include "ui/info/titlform.h"
#include "ui/counting/CountingLab.h"
#include "ui/lesson/LessonDesk.h"
#include "ui/lesson/StudentPlatform.h"
#include "ui/nuclides/NuclideLab.h"
#include "ui/run/Form1.h"

#include <QPointer>

namespace decay {
struct RunState;
}
class Platform;

// The program's windows, each created on first use and again after its close box destroyed it.
// Destroying this destroys every window that still exists.
class ProgramWindows final : public Windows {
public:
    ProgramWindows(decay::RunState& state, Platform& platform);
    ~ProgramWindows() override;

    Form1& main() override;
    Form3& backdrop() override;
    titlform& title() override;
    larggraf& largeGraph() override;
    Introfrm& introduction() override;
    Referenc& references() override;
    Quiz& quiz() override;
    copyrigh& citation() override;
    Vater& dedication() override;
    // Takes its parameters from the main window's fields when it is created.
    ClassExperiment& classExperiment() override;
    // Hands its runs to the counting lab when asked to count them.
    NuclideLab& nuclideLab() override;
    CountingLab& countingLab() override;
    void openLesson(QWidget& from) override;
    // Of the part whose window asks; the decay run's from any other.
    void makeLesson(QWidget& from) override;
    void collectHandIns() override;
    LessonDesk& lessons() { return m_lessons; }

private:
    template <class W, class... Args>
    W& obtain(QPointer<W>& window, Args&... args);

    decay::RunState& m_state;
    StudentPlatform m_platform;
    QPointer<Form1> m_form1;
    QPointer<Form3> m_form3;
    QPointer<titlform> m_titlform;
    QPointer<larggraf> m_larggraf;
    QPointer<Introfrm> m_introfrm;
    QPointer<Referenc> m_referenc;
    QPointer<Quiz> m_quiz;
    QPointer<copyrigh> m_copyrigh;
    QPointer<Vater> m_vater;
    QPointer<ClassExperiment> m_classExperiment;
    QPointer<NuclideLab> m_nuclideLab;
    QPointer<CountingLab> m_countingLab;
    LessonDesk m_lessons{*this, m_platform, m_state};
};
