#include "record/savewhole.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

} // namespace kv
