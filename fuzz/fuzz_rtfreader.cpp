// Feeds arbitrary bytes to the rich-text reader. Any input must end without
// a sanitizer finding, and the document may never hold more characters than
// the input had bytes.

#include "help/rtfreader.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray rtf
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    const kv::RtfReadResult result = kv::ReadRtf(rtf, document);
    if (document.characterCount() > static_cast<int>(size) + 1)
        std::abort();
    if (result.UnknownControlWords.size() > kv::MaxUnknownWords)
        std::abort();
    // Walk the blocks and their fragments, as the viewer's layout does.
    qsizetype characters = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            characters += fragment.fragment().length();
    }
    if (characters > static_cast<qsizetype>(size))
        std::abort();
    return 0;
}
