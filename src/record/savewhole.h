#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// Writes text to path whole or not at all: into a file beside it, which then
// takes the old one's place, so a crash or a full disk never leaves half a
// file. False with *error (when given) saying why.
enum class MissingFolder
{
    Make, // the program's own folders
    Fail, // a place the operator chose
};
bool SaveWhole(
    const QString& path, const QByteArray& text, QString* error, MissingFolder missing = MissingFolder::Make);

} // namespace kv
