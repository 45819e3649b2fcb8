#include "hall/matpublisher.h"

#include "display/controls.h"
#include "hall/matmessage.h"
#include "hall/resultoutbox.h"
#include "scoreboard/frmscoreboard.h"

#include <QJsonDocument>
#include <QTimer>

namespace kv {

MatPublisher::MatPublisher(
    frmScoreboard& board, int mat, MqttOptions options, StateSource state, QObject* parent)
    : QObject(parent)
    , m_board(&board)
    , m_mat(mat)
    , m_stateTopic(MatTopic(mat, "state"))
    , m_resultTopic(MatTopic(mat, "result"))
    , m_state(std::move(state))
{
    options.PresenceTopic = MatTopic(mat, "online");
    options.Subscriptions.clear();
    m_client = new MqttClient(std::move(options), this);
    // After the board's own refresh, on the same tick, and once whatever
    // the board reports as changed (a key, a click, a displayed second) has
    // been handled.
    connect(board.tmrClock1, &Timer::Tick, this, &MatPublisher::Check);
    connect(&board, &frmScoreboard::BoardChanged, this, &MatPublisher::CheckSoon);
    Check();
    m_client->Start();
}

MatPublisher::~MatPublisher() = default;

void MatPublisher::Check()
{
    m_checkQueued = false;
    if (!m_board || !m_state)
        return;
    QByteArray state = m_state();
    if (state == m_lastState)
        return;
    m_lastState = std::move(state);
    m_client->PublishState(m_stateTopic, m_lastState);
}

QString MatPublisher::PublishResult(const QJsonObject& record)
{
    const QString id = ResultOutbox::NewId();
    QJsonObject message = record;
    message.insert(QStringLiteral("Id"), id);
    message.insert(QStringLiteral("Mat"), m_mat);
    m_client->PublishResult(id, m_resultTopic, QJsonDocument(message).toJson(QJsonDocument::Compact));
    return id;
}

void MatPublisher::CheckSoon()
{
    if (m_checkQueued)
        return;
    m_checkQueued = true;
    QTimer::singleShot(0, this, &MatPublisher::Check);
}

} // namespace kv
