#include "hall/resultoutbox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace kv {

namespace {

const QByteArray Header = "korvelin-outbox 1\n";
const QString Suffix = QStringLiteral(".msg");
constexpr qint64 MaxEntryBytes = 1024 * 1024;

} // namespace

ResultOutbox::ResultOutbox(QString folder)
    : m_folder(std::move(folder))
{ }

QString ResultOutbox::NewId()
{
    const QString time = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'"));
    const quint64 random = QRandomGenerator::system()->generate64();
    return time + QLatin1Char('-')
        + QString::number(random & 0xFFFFFFFFFFFFull, 16).rightJustified(12, QLatin1Char('0'));
}

bool ResultOutbox::IsId(const QString& id)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{8}T[0-9]{9}Z-[0-9a-f]{12}$"));
    return pattern.match(id).hasMatch();
}

QString ResultOutbox::FolderBeside(const QString& journalPath)
{
    if (journalPath.isEmpty())
        return {};
    return QFileInfo(journalPath).dir().filePath(QStringLiteral("outbox"));
}

QString ResultOutbox::PathOf(const QString& id) const
{
    return QDir(m_folder).filePath(id + Suffix);
}

bool ResultOutbox::Add(const Entry& entry)
{
    if (m_folder.isEmpty())
        return true;
    if (!IsId(entry.Id) || entry.Topic.contains('\n')) {
        m_lastError = QStringLiteral("not an outbox entry");
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        m_lastError = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    QSaveFile file(PathOf(entry.Id));
    const QByteArray text = Header + entry.Topic + '\n' + entry.Payload;
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        m_lastError = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_lastError = file.errorString();
        return false;
    }
    m_lastError.clear();
    return true;
}

bool ResultOutbox::Remove(const QString& id)
{
    if (m_folder.isEmpty() || !IsId(id))
        return true;
    QFile file(PathOf(id));
    if (!file.exists() || file.remove())
        return true;
    m_lastError = file.errorString();
    return false;
}

std::vector<ResultOutbox::Entry> ResultOutbox::Pending()
{
    std::vector<Entry> entries;
    if (m_folder.isEmpty())
        return entries;
    const QDir dir(m_folder);
    QStringList names = dir.entryList({ QLatin1Char('*') + Suffix }, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString id = name.chopped(Suffix.size());
        if (!IsId(id))
            continue;
        QFile file(dir.filePath(name));
        QByteArray text;
        if (file.open(QIODevice::ReadOnly) && file.size() <= MaxEntryBytes)
            text = file.readAll();
        file.close();
        const qsizetype topicEnd = text.indexOf('\n', Header.size());
        if (!text.startsWith(Header) || topicEnd < 0 || topicEnd == Header.size()) {
            // Not one of ours, or damaged: kept aside for a person to look at.
            const QString aside = file.fileName() + QStringLiteral(".bad");
            QFile::remove(aside);
            QFile::rename(file.fileName(), aside);
            qWarning("Korvelin: the outbox entry %s is damaged and was moved aside to %s", qPrintable(name),
                qPrintable(QDir::toNativeSeparators(aside)));
            continue;
        }
        entries.push_back({ id, text.mid(Header.size(), topicEnd - Header.size()), text.mid(topicEnd + 1) });
    }
    return entries;
}

} // namespace kv
