#include "output/DataFileWriter.h"
#include "tests/ScratchMount.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace {

std::string contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

class Writer : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir m_dir;
};

TEST_F(Writer, ReplacesAnExistingFileCompletely)
{
    const QString file = path("run.csv");
    ASSERT_TRUE(decay::writeFileAtomically(file, std::string(5000, 'x')).isEmpty());
    ASSERT_TRUE(decay::writeFileAtomically(file, "short\r\n").isEmpty());
    EXPECT_EQ(contents(file), "short\r\n");
    EXPECT_EQ(entries(), QStringList{"run.csv"});
}

// Mounting a tiny or read-only file system needs root; elsewhere these cases are skipped.
class MountedWriter : public Writer {
protected:
    void SetUp() override
    {
        m_mountPoint = path("mnt");
        ASSERT_TRUE(QDir().mkpath(m_mountPoint));
        m_mount = std::make_unique<ScratchMount>(m_mountPoint);
        if (!m_mount->mounted())
            GTEST_SKIP() << "mounting a test file system needs root";
        m_target = m_mountPoint + "/run.csv";
        ASSERT_TRUE(decay::writeFileAtomically(m_target, m_old).isEmpty());
    }
    void expectOldFileAlone()
    {
        EXPECT_EQ(contents(m_target), m_old);
        QStringList files = QDir(m_mountPoint).entryList(QDir::Files | QDir::Hidden);
        files.removeAll("filler");
        EXPECT_EQ(files, QStringList{"run.csv"});
    }
    QString m_mountPoint;
    std::unique_ptr<ScratchMount> m_mount;
    QString m_target;
    std::string m_old = "\"T\",\"N(t)\",\"dN(t)\",\"lnN(t)\"\r\n0,100,9.5163,4.6052\r\n";
};

TEST_F(MountedWriter, FullDiskLeavesTheOldFileIntact)
{
    const QString error = decay::writeFileAtomically(m_target, std::string(64 * 1024, '7'));
    EXPECT_FALSE(error.isEmpty());
    expectOldFileAlone();
    // A write that fits only when the temporary file's blocks are counted too.
    EXPECT_FALSE(decay::writeFileAtomically(m_target, std::string(14 * 1024, '7')).isEmpty());
    expectOldFileAlone();

    // A small file on a disk that is already full fails only when its buffer is flushed.
    m_mount->fill();
    EXPECT_FALSE(decay::writeFileAtomically(m_target, "0,1,2,3\r\n").isEmpty());
    expectOldFileAlone();
}

TEST_F(MountedWriter, ReadOnlyDiskLeavesTheOldFileIntact)
{
    ASSERT_TRUE(m_mount->makeReadOnly());
    EXPECT_FALSE(decay::writeFileAtomically(m_target, "new").isEmpty());
    expectOldFileAlone();
}

} // namespace
