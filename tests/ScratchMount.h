#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <unistd.h>

// A tiny file system of 16 KiB of its own over a folder, for as long as this lives: writes to
// it fail for want of space, or, once it is read-only, for want of permission. Mounting needs
// root; elsewhere mounted() is false and the test skips.
class ScratchMount {
public:
    explicit ScratchMount(const QString& folder)
        : m_folder(folder.toLocal8Bit())
    {
        m_mounted = geteuid() == 0 && mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=16k") == 0;
    }
    ~ScratchMount()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return m_mounted; }
    bool makeReadOnly() { return mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
    // Takes up the space that is left with a file named "filler".
    void fill()
    {
        QFile filler(QString::fromLocal8Bit(m_folder) + "/filler");
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
