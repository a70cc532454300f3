#pragma once

#include "model/experiment/EnsembleStats.h"
#include "model/lesson/HandIn.h"

#include <QWidget>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class PlotChart;
class PlotLegend;
class Platform;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The teacher's side of a lesson: a class's hand-ins, each marked against the answers its student's
// own seed gives, the files that are damaged or answer another lesson listed by name and left out,
// and the students' runs pooled into one class experiment.
class HandInCollection : public QWidget {
    Q_OBJECT

public:
    // `files` are the hand-ins by file name and text.
    HandInCollection(decay::Lesson lesson, const std::vector<std::pair<std::string, std::string>>& files,
                     const decay::NuclideTable* table, Platform& platform);

    const decay::Collection& collection() const { return m_collection; }

    QLabel* lblSummary;
    QTableWidget* tblMarks;
    QListWidget* lstRefused;
    PlotChart* chartClass;
    PlotLegend* frmLegend;
    QPushButton* cmdExportCsv;
    QPushButton* cmdClose;

    void cmdExportCsv_Click();
    void cmdClose_Click();

private:
    void showMarks();
    void showRefused();
    void showClass();

    decay::Lesson m_lesson;
    Platform& m_platform;
    decay::Collection m_collection;
    std::optional<decay::EnsembleStats> m_stats;
};
