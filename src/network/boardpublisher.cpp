#include "network/boardpublisher.h"

#include "display/controls.h"
#include "network/boardserver.h"
#include "scoreboard/frmscoreboard.h"

#include <QTimer>

namespace kv {

BoardPublisher::BoardPublisher(frmScoreboard& board, BoardServer& server)
    : m_board(&board)
    , m_server(server)
    // The operator's selection frame is not part of the board the hall sees.
    , m_view(board, { QStringLiteral("shpObjectSelected") })
{
    // After the board's own refresh, on the same tick, and once whatever
    // the board reports as changed (a key, a click, a displayed second) has
    // been handled.
    connect(board.tmrClock1, &Timer::Tick, this, &BoardPublisher::Check);
    connect(&board, &frmScoreboard::BoardChanged, this, &BoardPublisher::CheckSoon);
    connect(&board, &frmScoreboard::LooksChanged, this, [this] {
        m_layoutStale = true;
        CheckSoon();
    });
    connect(&server, &BoardServer::BoardViewerJoined, this, [this] {
        m_viewSent = false;
        CheckSoon();
    });
    Check();
}

BoardPublisher::~BoardPublisher() = default;

void BoardPublisher::Check()
{
    m_checkQueued = false;
    if (!m_board)
        return;
    BoardState state = ReadBoardState(*m_board);
    if (!m_stateSent || !(state == m_state)) {
        m_state = std::move(state);
        m_stateSent = true;
        m_server.PublishState(BoardStateJson(m_state));
    }
    if (m_server.BoardViewers() == 0) {
        // Nobody watches the board page: its picture is made when someone comes.
        m_viewSent = false;
        return;
    }
    bool changed = m_view.ReadLive();
    if (m_layoutStale || !m_viewSent) {
        m_view.ReadLayout();
        m_layoutStale = false;
        changed = true;
        if (m_view.PicturesKey() != m_picturesKey || !m_viewSent) {
            m_picturesKey = m_view.PicturesKey();
            m_server.PublishPictures(m_view.PicturesJson());
        }
    }
    if (changed || !m_viewSent) {
        m_viewSent = true;
        m_server.PublishView(m_view.ViewJson());
    }
}

void BoardPublisher::CheckSoon()
{
    if (m_checkQueued)
        return;
    m_checkQueued = true;
    QTimer::singleShot(0, this, &BoardPublisher::Check);
}

} // namespace kv
