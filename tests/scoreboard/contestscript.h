#pragma once

// A contest played on a board from a short script of the operator's keys and
// clicks, each through the control that takes it on the real board; the
// clocks move on the fake clock, one refresh tick at a time.
//
//   wH=1   type 1 on Home's waza-ari (yV=2: 2 on Visitor's yuko)
//   wH+1   plus, then 1 on it
//   sH+    a shido for Home (keypad plus on the shido panel); sV- takes one back
//   mV+    a medical mark for Visitor
//   iH     Enter on Home's ippon mark
//   winV   a click on Visitor's winner mark
//   len3   3 and Enter typed on the contest clock
//   S R U  the start/stop, reset and undo keys (on the contest clock)
//   <  ^  >   osaekomi Home, toketa, osaekomi Visitor
//   run12  twelve seconds pass, a refresh every 50 ms
//   rules:IJF 2025   the rule set (between contests), "_" for a blank

#include "boardfixture.h"
#include "display/controls.h"
#include "settings/boardsettings.h"

#include <QTest>

namespace kv::test {

// One refresh of the 50 ms timer, as the board's own timer runs it.
inline void Tick(Board& board, qint64 milliseconds)
{
    board.clock.AdvanceMilliseconds(milliseconds);
    emit board->tmrClock1->Tick();
}

inline void Run(Board& board, qint64 milliseconds)
{
    for (qint64 done = 0; done < milliseconds; done += 50)
        Tick(board, std::min<qint64>(50, milliseconds - done));
}

inline QWidget* ScoreDisplay(Board& board, const QString& which)
{
    if (which == QLatin1String("wH"))
        return board->nledWHome;
    if (which == QLatin1String("yH"))
        return board->nledYHome;
    if (which == QLatin1String("wV"))
        return board->nledWVisitor;
    return board->nledYVisitor;
}

inline void KeyOn(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    widget->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget, key, modifiers);
}

inline Qt::Key DigitKey(QChar digit)
{
    return Qt::Key(Qt::Key_0 + digit.digitValue());
}

// Plays the script; false (with a warning) for a step it does not know.
inline bool Play(Board& board, const QString& script)
{
    for (QString step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        step.replace(QLatin1Char('_'), QLatin1Char(' '));
        const QString head = step.left(2);
        if (step.startsWith(QLatin1String("rules:"))) {
            BoardSettings.RuleSet = step.mid(6);
            board->UpdateLabels();
            board->UpdateOtherColors();
        } else if (step.startsWith(QLatin1String("run"))) {
            Run(board, step.mid(3).toLongLong() * 1000);
        } else if (step.startsWith(QLatin1String("len"))) {
            for (const QChar c : step.mid(3))
                KeyOn(board->tledPeriod, c == QLatin1Char('.') ? Qt::Key_Period : DigitKey(c));
            KeyOn(board->tledPeriod, Qt::Key_Return);
        } else if (step.startsWith(QLatin1String("win"))) {
            QTest::mouseClick(
                step.endsWith(QLatin1Char('H')) ? board->picWinnerHome : board->picWinnerVisitor,
                Qt::LeftButton);
        } else if ((head == QLatin1String("wH") || head == QLatin1String("yH") || head == QLatin1String("wV")
                       || head == QLatin1String("yV"))
            && step.size() >= 4) {
            QWidget* display = ScoreDisplay(board, head);
            if (step.at(2) == QLatin1Char('+'))
                KeyOn(display, Qt::Key_Plus, Qt::KeypadModifier);
            else if (step.at(2) == QLatin1Char('-'))
                KeyOn(display, Qt::Key_Minus, Qt::KeypadModifier);
            KeyOn(display, DigitKey(step.at(3)));
        } else if (head == QLatin1String("sH") || head == QLatin1String("sV")) {
            KeyOn(head == QLatin1String("sH") ? board->picHomeS : board->picVisitorS,
                step.endsWith(QLatin1Char('+')) ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
        } else if (head == QLatin1String("mH") || head == QLatin1String("mV")) {
            KeyOn(head == QLatin1String("mH") ? board->picMedHome : board->picMedVisitor,
                step.endsWith(QLatin1Char('+')) ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier);
        } else if (step == QLatin1String("iH") || step == QLatin1String("iV")) {
            KeyOn(step == QLatin1String("iH") ? board->picIpponHome : board->picIpponVisitor, Qt::Key_Return);
        } else if (step == QLatin1String("S")) {
            KeyOn(board->tledPeriod, Qt::Key_S);
        } else if (step == QLatin1String("R")) {
            KeyOn(board->tledPeriod, Qt::Key_R);
        } else if (step == QLatin1String("U")) {
            KeyOn(board->tledPeriod, Qt::Key_Backspace);
        } else if (step == QLatin1String("<")) {
            KeyOn(board->tledPeriod, Qt::Key_Left);
        } else if (step == QLatin1String("^")) {
            KeyOn(board->tledPeriod, Qt::Key_Up);
        } else if (step == QLatin1String(">")) {
            KeyOn(board->tledPeriod, Qt::Key_Right);
        } else {
            qWarning("unknown script step %s", qPrintable(step));
            return false;
        }
    }
    return true;
}

// The scored state the board shows, in one line:
// "W0-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0" (Home-Visitor; ippon, winner, length,
// golden score).
inline QString Scores(Board& board)
{
    return QStringLiteral("W%1-%2 Y%3-%4 S%5-%6 M%7-%8 I%9 N%10 L%11 G%12")
        .arg(board->nledWHome->Value())
        .arg(board->nledWVisitor->Value())
        .arg(board->nledYHome->Value())
        .arg(board->nledYVisitor->Value())
        .arg(board->PenaltySH)
        .arg(board->PenaltySV)
        .arg(board->MedHome)
        .arg(board->MedVisitor)
        .arg(board->Ippon)
        .arg(board->Winner)
        .arg(PeriodLength.ToDouble())
        .arg(board->GoldenScore ? 1 : 0);
}

} // namespace kv::test
