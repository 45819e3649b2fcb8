#pragma once

// The scoreboard window's title: "Korvelin", a lasting notice over it while
// something needs the operator's eye (a restored contest, a journal or
// results file that cannot be written), and a short note over everything
// for two seconds ("Korvelin - undone: shido Visitor").

#include "timing/fixedpoint.h"

#include <QString>

class QWidget;

namespace kv {

class ClockSource;

class BoardTitle final
{
public:
    static inline const QString Base = QStringLiteral("Korvelin");
    static constexpr qint64 NoteNanoseconds = 2'000'000'000;

    // Notices, most urgent first: the title shows the first one that is on.
    enum class Notice
    {
        JournalFailing,
        ResultsFailing,
        Restored
    };
    static QString NoticeText(Notice notice);

    // Reads time from the clock source that is the default when it is made.
    explicit BoardTitle(QWidget& window);

    void SetNotice(Notice notice, bool on);
    bool HasNotice(Notice notice) const;
    // Shows "Korvelin - " and the text for two seconds.
    void ShowNote(const QString& text);
    // Takes a note down once its two seconds are over; run on every refresh.
    void Tick();
    // What the title shows now.
    QString Text() const;

private:
    void Show();

    QWidget& m_window;
    const ClockSource* m_clock;
    unsigned m_notices = 0;
    QString m_note;
    qint64 m_noteUntil = 0;
};

} // namespace kv
