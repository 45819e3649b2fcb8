#pragma once

#include "hall/mqttclient.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>

#include <functional>

namespace kv {

class frmScoreboard;

// Puts one board on the hall's broker as mat N:
//   korvelin/mat/N/state   the state (the same JSON as the served /state),
//                          retained, on every change and so every second
//                          the clocks show;
//   korvelin/mat/N/result  each finished contest's result, QoS 1, through
//                          the outbox, with an "Id" to tell copies apart;
//   korvelin/mat/N/online  "true" while the board is there.
// The board never waits for it: everything is handed to the client's
// thread, which sends when it can.
class MatPublisher final : public QObject
{
    Q_OBJECT

public:
    // The state's JSON text, read from the board on its own thread.
    using StateSource = std::function<QByteArray()>;

    MatPublisher(
        frmScoreboard& board, int mat, MqttOptions options, StateSource state, QObject* parent = nullptr);
    ~MatPublisher() override;

    int Mat() const { return m_mat; }
    MqttClient& Client() { return *m_client; }

    // Looks at the board now and publishes its state if it changed.
    void Check();
    // Publishes a finished contest's result record: it gets an "Id" (new
    // for each record) and the "Mat", and goes to the outbox at once.
    // Returns the id.
    QString PublishResult(const QJsonObject& record);

private:
    void CheckSoon();

    QPointer<frmScoreboard> m_board;
    int m_mat;
    QByteArray m_stateTopic;
    QByteArray m_resultTopic;
    StateSource m_state;
    QByteArray m_lastState;
    MqttClient* m_client;
    bool m_checkQueued = false;
};

} // namespace kv
