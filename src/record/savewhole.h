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

// Saves whole texts to one path again and again, as the contest journal does
// every second while a clock runs. Each save is on the disk before it
// replaces the file, and a crash at any moment leaves the previous file or
// the new one, never a mix, as with SaveWhole. Where the system can swap two
// names in one step (Linux), the text goes into a side file kept beside the
// path and the two names are swapped, so a save neither makes nor deletes a
// file (each save through a new file cost the file system more than the
// write itself); the side file then holds the text before. Elsewhere, where
// the file system cannot swap names, or when the side file cannot be used,
// a save is a SaveWhole.
class RepeatedSave final
{
public:
    explicit RepeatedSave(QString path);

    bool Save(const QByteArray& text, QString* error);
    // Removes the file and its side file: true when neither is left.
    bool Remove(QString* error);

    // The side file of a path: beside it, the name with ".next" added.
    static QString SideName(const QString& path);

private:
    QString m_path;
    QString m_side;
    bool m_swapping = true;
};

// The platform's part of a RepeatedSave: writes text into the side file,
// syncs it and swaps it with the file at path (or, with no file there yet,
// renames it to path).
enum class SwapSave
{
    Saved,
    Failed, // *error says why
    Unsupported // the platform or file system cannot swap names
};
SwapSave SaveBySwapping(const QString& path, const QString& side, const QByteArray& text, QString* error);

} // namespace kv
