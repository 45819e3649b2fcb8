#include "record/savewhole.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace kv {

bool SaveWhole(const QString& path, const QByteArray& text, QString* error, MissingFolder missing)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (missing == MissingFolder::Make && !QDir().mkpath(folder))
        return fail(QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(text) != text.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    if (error)
        error->clear();
    return true;
}

RepeatedSave::RepeatedSave(QString path)
    : m_path(std::move(path))
    , m_side(SideName(m_path))
{ }

QString RepeatedSave::SideName(const QString& path)
{
    return path + QStringLiteral(".next");
}

bool RepeatedSave::Save(const QByteArray& text, QString* error)
{
    if (m_swapping) {
        switch (SaveBySwapping(m_path, m_side, text, error)) {
        case SwapSave::Saved:
            if (error)
                error->clear();
            return true;
        case SwapSave::Failed:
            // The side file may be unusable (a folder or a link of the same
            // name, a file of another user): this save goes the plain way.
            break;
        case SwapSave::Unsupported:
            m_swapping = false;
            break;
        }
    }
    return SaveWhole(m_path, text, error);
}

bool RepeatedSave::Remove(QString* error)
{
    for (const QString& name : { m_path, m_side }) {
        QFile file(name);
        if (file.exists() && !file.remove()) {
            if (error)
                *error = file.errorString();
            return false;
        }
    }
    if (error)
        error->clear();
    return true;
}

} // namespace kv
