#include "scoreboard/boardtitle.h"

#include "timing/clocksource.h"

#include <QWidget>

namespace kv {

namespace {

unsigned Bit(BoardTitle::Notice notice)
{
    return 1u << static_cast<unsigned>(notice);
}

} // namespace

QString BoardTitle::NoticeText(Notice notice)
{
    switch (notice) {
    case Notice::JournalFailing:
        return QStringLiteral("Korvelin - the contest cannot be saved");
    case Notice::ResultsFailing:
        return QStringLiteral("Korvelin - the results cannot be saved");
    case Notice::Restored:
        return QStringLiteral("Korvelin - contest restored");
    }
    return Base;
}

BoardTitle::BoardTitle(QWidget& window)
    : m_window(window)
    , m_clock(ClockSource::Default())
{ }

void BoardTitle::SetNotice(Notice notice, bool on)
{
    const unsigned before = m_notices;
    m_notices = on ? (m_notices | Bit(notice)) : (m_notices & ~Bit(notice));
    if (m_notices != before)
        Show();
}

bool BoardTitle::HasNotice(Notice notice) const
{
    return (m_notices & Bit(notice)) != 0;
}

void BoardTitle::ShowNote(const QString& text)
{
    m_note = text;
    m_noteUntil = m_clock->NowNanoseconds() + NoteNanoseconds;
    Show();
}

void BoardTitle::Tick()
{
    if (!m_note.isEmpty() && m_clock->NowNanoseconds() >= m_noteUntil) {
        m_note.clear();
        Show();
    }
}

QString BoardTitle::Text() const
{
    if (!m_note.isEmpty())
        return Base + QStringLiteral(" - ") + m_note;
    for (const Notice notice : { Notice::JournalFailing, Notice::ResultsFailing, Notice::Restored }) {
        if (HasNotice(notice))
            return NoticeText(notice);
    }
    return Base;
}

void BoardTitle::Show()
{
    m_window.setWindowTitle(Text());
}

} // namespace kv
