#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace remitto::test {

/// A data folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() { m_dir.setAutoRemove(true); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    /// Writes raw bytes (as they would be on disk).
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    /// Writes text encoded as Windows-1250.
    void writeText(const QString& name, const QString& text) const;
    QByteArray readBytes(const QString& name) const;
    /// Reads a file written as Windows-1250.
    QString readText(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace remitto::test
