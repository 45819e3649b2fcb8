#pragma once

// What the boards of a hall publish on the broker, as the hall view reads
// it: the topics of a mat and the messages on them. Everything a board
// sends is checked here before the hall view shows any of it.

#include <QByteArray>
#include <QString>

namespace kv {

inline constexpr int MinMat = 1;
inline constexpr int MaxMat = 99;
// A board's state is a few hundred bytes; anything over this is no state.
inline constexpr qsizetype MaxMatMessageBytes = 64 * 1024;
// The format version of the state the hall view understands.
inline constexpr int MatStateVersion = 1;

// "korvelin/mat/3/state", "korvelin/mat/3/online", "korvelin/mat/3/result".
QByteArray MatTopic(int mat, const char* leaf);
// What the hall view listens to: the state and the presence of every mat.
inline constexpr const char* AllMatStates = "korvelin/mat/+/state";
inline constexpr const char* AllMatPresence = "korvelin/mat/+/online";
// The presence payloads: "true" while the board is there; the broker's last
// will sets "false" when it disappears.
inline constexpr const char* OnlinePayload = "true";
inline constexpr const char* OfflinePayload = "false";

struct MatSide
{
    QString Name;
    bool Ippon = false;
    int WazaAri = 0;
    int Yuko = 0;
    int Shido = 0;
    int Medical = 0;
    bool Winner = false;
    int Hold = 0; // completed seconds
    bool HoldRunning = false;

    friend bool operator==(const MatSide&, const MatSide&) = default;
};

struct MatState
{
    QString RuleSet;
    QString Title;
    QString ClockShown; // as on the board, e.g. "3:54"
    int ClockSeconds = 0;
    bool ClockRunning = false;
    bool GoldenScore = false;
    bool YukoShown = true;
    MatSide Home;
    MatSide Visitor;

    friend bool operator==(const MatState&, const MatState&) = default;
};

struct MatMessage
{
    enum class Kind
    {
        State, // a board's state
        Presence, // the board came or went
        Cleared, // the mat's retained state was deleted: the mat is retired
        Ignored // not for the hall view, with the reason in Why
    };
    Kind What = Kind::Ignored;
    int Mat = 0;
    MatState State; // Kind::State
    bool Online = false; // Kind::Presence
    QString Why; // Kind::Ignored
};

// Reads one message of the broker. A topic that is not a mat's state or
// presence, a mat outside 1..99, a payload over 64 KiB, a payload that is
// not the documented JSON and a state of a later format version are
// Kind::Ignored, with a short reason.
MatMessage ParseMatMessage(const QByteArray& topic, const QByteArray& payload);

} // namespace kv
