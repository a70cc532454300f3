#pragma once

#include "model/counting/Counter.h"

#include <QCoreApplication>
#include <QGroupBox>

#include <functional>
#include <optional>

class Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace decay {
class CountingSession;
}

// The counting lab's detector, which every experiment of the lab counts with, and the background
// measured with it.
class DetectorBox : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(CountingLab)

public:
    // `measured` follows a new background measurement.
    DetectorBox(decay::CountingSession& session, Platform& platform, std::function<void()> measured);

    // The counter as the entries set it, counting intervals of `interval` steps; none, with the
    // reason shown, when the entries cannot count.
    std::optional<decay::CounterSettings> readSettings(const QString& interval);
    // The background measured last, in words.
    void showBackground();

    QComboBox* cboDetector;
    QLineEdit* txtDeadTime;
    QComboBox* cboDeadTime;
    QLineEdit* txtEfficiency;
    QLineEdit* txtBackground;
    QLineEdit* txtBackgroundTime;
    QPushButton* cmdBackground;
    QLabel* lblBackground;

    void cmdBackground_Click();
    void cboDetector_Change();

private:
    decay::CountingSession& m_session;
    Platform& m_platform;
    std::function<void()> m_measured;
};
