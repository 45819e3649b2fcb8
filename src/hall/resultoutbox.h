#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kv {

// Results on their way to the broker, one small file each in a folder of
// the data folder, so that none is lost while the broker is away or the
// board is restarted. A file is written whole or not at all (beside itself,
// synced, then renamed into place) and removed only once the broker has
// acknowledged the result. A damaged file is moved aside, never deleted.
class ResultOutbox final
{
public:
    struct Entry
    {
        QString Id;
        QByteArray Topic;
        QByteArray Payload;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // An empty folder keeps nothing on disk.
    explicit ResultOutbox(QString folder);

    const QString& Folder() const { return m_folder; }
    // False (with LastError) when the entry cannot be written.
    bool Add(const Entry& entry);
    // True when the entry is gone (or never was there).
    bool Remove(const QString& id);
    // The entries waiting, oldest first (ids sort by time).
    std::vector<Entry> Pending();
    QString LastError() const { return m_lastError; }

    // A new id: the time (UTC, to the millisecond) and a random part, e.g.
    // "20250614T101512345Z-3f2a9c1e5b7d". Ids sort by the time they were made.
    static QString NewId();
    // Only ids NewId() can make name files: nothing else reaches the disk.
    static bool IsId(const QString& id);

    // The folder of the outbox beside the contest journal.
    static QString FolderBeside(const QString& journalPath);

private:
    QString PathOf(const QString& id) const;

    QString m_folder;
    QString m_lastError;
};

} // namespace kv
