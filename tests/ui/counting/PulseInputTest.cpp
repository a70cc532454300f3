#include "ui/counting/PulseInput.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <cstring>

// The live input's path, fed from a device of generated sound.
class PulseInputTest : public QObject {
    Q_OBJECT

private slots:
    // Clicks every 0.1 s in 16-bit stereo at 44.1 kHz, arriving in pieces that split frames: every
    // click is found, on the first channel, to the sample.
    void readsClicksFromADevice()
    {
        constexpr int kRate = 44100, kSeconds = 3;
        QAudioFormat format;
        format.setSampleRate(kRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        QByteArray sound;
        for (int n = 0; n < kRate * kSeconds; ++n) {
            const int age = n % (kRate / 10) - 100;
            const double click = age >= 0 ? 0.5 * std::exp(-age / 4.41) : 0.0;
            const auto left = static_cast<qint16>(std::lround((click + 0.002 * std::sin(n * 2.1)) * 32767));
            const qint16 right = 0;
            sound.append(reinterpret_cast<const char*>(&left), 2).append(reinterpret_cast<const char*>(&right), 2);
        }
        PulseReader reader({.sampleRate = kRate});
        QSignalSpy spy(&reader, &PulseReader::pulsesFound);
        QBuffer device;
        device.open(QIODevice::ReadWrite);
        for (qsizetype at = 0; at < sound.size(); at += 1001) {
            const qint64 position = device.pos();
            device.seek(device.size());
            device.write(sound.mid(at, 1001));
            device.seek(position);
            reader.readFrom(device, format);
        }
        reader.stop();
        std::vector<double> times;
        for (const QList<QVariant>& signal : spy)
            for (const decay::Pulse& pulse : signal.at(0).value<PulseBatch>().pulses)
                times.push_back(pulse.time);
        QCOMPARE(times.size(), std::size_t{kSeconds * 10});
        for (std::size_t k = 0; k < times.size(); ++k)
            QVERIFY2(std::fabs(times[k] - (static_cast<double>(k) * 0.1 + 100.0 / kRate)) < 1.0 / kRate, qPrintable(QString::number(times[k])));
        QCOMPARE(spy.last().at(0).value<PulseBatch>().seconds, double{kSeconds});
    }

    void saysWhenThereIsNoInput()
    {
        PulseReader reader({});
        QSignalSpy spy(&reader, &PulseReader::failed);
        reader.listen(QAudioDevice(), {});
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("There is no sound input to listen to."));
    }
};

QTEST_MAIN(PulseInputTest)
#include "PulseInputTest.moc"
