#pragma once

class QWidget;
class larggraf;

// One program-wide reference per window. Each accessor creates its window, which runs its load
// step, on first use and again after the window was closed with its close box; hiding a window
// keeps it with everything it shows.
class Windows {
public:
    virtual ~Windows() = default;

    virtual QWidget& main() = 0;         // Form1
    virtual QWidget& backdrop() = 0;     // Form3
    virtual QWidget& title() = 0;        // titlform
    virtual larggraf& largeGraph() = 0;  // larggraf
    virtual QWidget& introduction() = 0; // Introfrm
    virtual QWidget& references() = 0;   // Referenc
    virtual QWidget& quiz() = 0;         // Quiz
    virtual QWidget& citation() = 0;     // copyrigh
    virtual QWidget& dedication() = 0;   // Vater
    virtual QWidget& classExperiment() = 0; // ClassExperiment
    virtual QWidget& nuclideLab() = 0;      // NuclideLab
    virtual QWidget& countingLab() = 0;     // CountingLab

    // Lessons, from whichever window asks: the window names the part a new lesson is made of.
    virtual void openLesson(QWidget& from) = 0;
    virtual void makeLesson(QWidget& from) = 0;
    virtual void collectHandIns() = 0;
};
