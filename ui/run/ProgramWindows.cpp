#include "ProgramWindows.h"

#include "ui/Look.h"

#include <QComboBox>
#include <QLineEdit>

ProgramWindows::ProgramWindows(decay::RunState& state, Platform& platform)
    : m_state(state)
    , m_platform(platform)
{
}

ProgramWindows::~ProgramWindows()
{
    // The main window last: the others may still refer to it while they go. The lesson windows
    // go first, with the desk.
    delete m_countingLab;
    delete m_nuclideLab;
    delete m_classExperiment;
    delete m_vater;
    delete m_copyrigh;
    delete m_quiz;
    delete m_referenc;
    delete m_introfrm;
    delete m_larggraf;
    delete m_titlform;
    delete m_form3;
    delete m_form1;
}

template <class W, class... Args>
W& ProgramWindows::obtain(QPointer<W>& window, Args&... args)
{
    if (!window)
        window = new W(args...);
    return *window;
}

Form1& ProgramWindows::main()
{
    return obtain(m_form1, m_state, m_platform, static_cast<Windows&>(*this));
}

Form3& ProgramWindows::backdrop()
{
    return obtain(m_form3);
}

titlform& ProgramWindows::title()
{
    return obtain(m_titlform, static_cast<Windows&>(*this));
}

larggraf& ProgramWindows::largeGraph()
{
    return obtain(m_larggraf, std::as_const(m_state), m_platform, static_cast<Windows&>(*this));
}

Introfrm& ProgramWindows::introduction()
{
    return obtain(m_introfrm, static_cast<Windows&>(*this));
}

Referenc& ProgramWindows::references()
{
    return obtain(m_referenc, static_cast<Windows&>(*this));
}

Quiz& ProgramWindows::quiz()
{
    return obtain(m_quiz, static_cast<Windows&>(*this));
}

copyrigh& ProgramWindows::citation()
{
    return obtain(m_copyrigh, static_cast<Windows&>(*this));
}

Vater& ProgramWindows::dedication()
{
    return obtain(m_vater, m_platform);
}

ClassExperiment& ProgramWindows::classExperiment()
{
    if (!m_classExperiment) {
        const Form1& form = main();
        const auto params = decay::paramsFromMainWindow(look::text(form.txtN0), look::text(form.rrate), look::text(form.halftime),
                                                        look::text(form.simut), look::decimalPoint(form));
        m_classExperiment = new ClassExperiment(params, m_platform);
        QObject::connect(m_classExperiment, &ClassExperiment::openLessonRequested, m_classExperiment, [this] { openLesson(*m_classExperiment); });
        QObject::connect(m_classExperiment, &ClassExperiment::makeLessonRequested, m_classExperiment, [this] { makeLesson(*m_classExperiment); });
    }
    return *m_classExperiment;
}

NuclideLab& ProgramWindows::nuclideLab()
{
    if (!m_nuclideLab) {
        m_nuclideLab = new NuclideLab(m_platform);
        QObject::connect(m_nuclideLab, &NuclideLab::openLessonRequested, m_nuclideLab, [this] { openLesson(*m_nuclideLab); });
        QObject::connect(m_nuclideLab, &NuclideLab::makeLessonRequested, m_nuclideLab, [this] { makeLesson(*m_nuclideLab); });
        QObject::connect(m_nuclideLab, &NuclideLab::countRequested, m_nuclideLab, [this] {
            CountingLab& counter = countingLab();
            counter.setSample(*m_nuclideLab->result(), m_nuclideLab->cboNuclide->currentText());
            counter.show();
            counter.raise();
            counter.activateWindow();
        });
    }
    return *m_nuclideLab;
}

CountingLab& ProgramWindows::countingLab()
{
    if (!m_countingLab) {
        m_countingLab = new CountingLab(m_platform);
        QObject::connect(m_countingLab, &CountingLab::openLessonRequested, m_countingLab, [this] { openLesson(*m_countingLab); });
        QObject::connect(m_countingLab, &CountingLab::makeLessonRequested, m_countingLab, [this] { makeLesson(*m_countingLab); });
    }
    return *m_countingLab;
}

void ProgramWindows::openLesson(QWidget& from)
{
    m_lessons.openLesson(from);
}

void ProgramWindows::makeLesson(QWidget& from)
{
    decay::LessonPart part = decay::LessonPart::Run;
    if (&from == m_classExperiment)
        part = decay::LessonPart::Experiment;
    else if (&from == m_nuclideLab)
        part = decay::LessonPart::Nuclides;
    else if (&from == m_countingLab)
        part = decay::LessonPart::Counting;
    m_lessons.makeLesson(part);
}

void ProgramWindows::collectHandIns()
{
    m_lessons.collectHandIns(nullptr);
}
