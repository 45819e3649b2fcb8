#pragma once

#include "network/boardstate.h"
#include "network/boardview.h"

#include <QObject>
#include <QPointer>

namespace kv {

class BoardServer;
class frmScoreboard;

// Keeps a server's texts up to date with one board. It looks at the board
// after each refresh tick and soon after each change the board reports
// (keys, clicks, displayed seconds), and hands on
// only what changed: the state when it differs, the board page's picture
// while anyone watches that page. Looking costs a few microseconds; the JSON
// is written only for a change.
class BoardPublisher final : public QObject
{
    Q_OBJECT

public:
    BoardPublisher(frmScoreboard& board, BoardServer& server);
    ~BoardPublisher() override;

    // Looks at the board now and hands on what changed.
    void Check();

private:
    void CheckSoon();

    QPointer<frmScoreboard> m_board;
    BoardServer& m_server;
    BoardView m_view;
    BoardState m_state;
    bool m_stateSent = false;
    bool m_viewSent = false;
    bool m_layoutStale = false;
    bool m_checkQueued = false;
    qint64 m_picturesKey = -1;
};

} // namespace kv
