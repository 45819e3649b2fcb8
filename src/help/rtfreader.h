#pragma once

#include <QByteArray>
#include <QStringList>

class QTextDocument;

namespace kv {

// What the reader met while turning a rich-text file into a document.
struct RtfReadResult
{
    // The data begins (after white space) with "{\rtf".
    bool IsRtf = false;
    // The data was damaged: unbalanced braces, a truncated escape, groups
    // nested deeper than the reader follows. What could be read is shown.
    bool Damaged = false;
    // Control words met outside skipped destinations that the reader does
    // not know, each once, in the order met (at most MaxUnknownWords).
    QStringList UnknownControlWords;
};

// The reader follows groups this deep; deeper groups are read with the
// formatting of the deepest one followed.
constexpr int MaxRtfGroupDepth = 128;
constexpr int MaxUnknownWords = 64;

// Reads rich text (RTF) into the document, replacing its content. The reader
// knows groups and destinations, the font and colour tables, paragraphs,
// line breaks and tabs, bold, italic, underline, strike, font size and
// colour, paragraph alignment, spacing and indents, \'hh in the document's
// code page, \uN with \ucN, list bullets and numbers as word processors
// write them, and table rows as text rows (cells separated by tabs).
//
// Any input ends in time and memory proportional to its length, without
// failure: the reader is safe for files of unknown origin.
RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument& document);

} // namespace kv
