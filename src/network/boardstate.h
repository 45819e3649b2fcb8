#pragma once

// The state of the contest as other programs read it: the board's own
// controls and match fields, read in this one place, and their JSON text.
// Everything the program publishes (the web pages, /state, the WebSocket)
// comes from here.

#include <QByteArray>
#include <QString>

namespace kv {

class frmScoreboard;

inline constexpr int BoardStateVersion = 1;

struct SideState
{
    QString Name;
    bool Ippon = false;
    int WazaAri = 0;
    int Yuko = 0;
    int Shido = 0;
    int Medical = 0;
    bool Winner = false;
    int Hold = 0; // completed seconds, as the osaekomi clock shows them
    bool HoldRunning = false;

    friend bool operator==(const SideState&, const SideState&) = default;
};

struct BoardState
{
    QString RuleSet;
    QString Title;
    QString ClockShown; // as on the board, e.g. "3:54"
    int ClockSeconds = 0; // the whole seconds shown
    bool ClockRunning = false;
    bool GoldenScore = false;
    bool YukoShown = true; // the board shows yuko counts (not every rule set has them)
    SideState Home;
    SideState Visitor;

    friend bool operator==(const BoardState&, const BoardState&) = default;
};

// Reads the state from the board's controls and fields.
BoardState ReadBoardState(const frmScoreboard& board);

// The JSON text (compact, UTF-8):
// {"version":1,"rule_set":"Classic","title":"Home","yuko_shown":true,
//  "clock":{"shown":"2:00","seconds":120,"running":false,"golden_score":false},
//  "home":{"name":"Home","ippon":false,"waza_ari":0,"yuko":0,"shido":0,"medical":0,
//          "winner":false,"hold":0,"hold_running":false},
//  "visitor":{...}}
QByteArray BoardStateJson(const BoardState& state);

} // namespace kv
