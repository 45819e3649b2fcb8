#pragma once

#include "hall/matpublisher.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QTimer;

namespace kv {

struct BoardSettingsRecord;
class frmScoreboard;

// What the command line asks of the hall's broker for this run; empty
// fields leave the settings' values.
struct BrokerChoice
{
    QString Broker;
    int Mat = 0;
    bool Tls = false;
    QString User;
    // A wrong option: no broker for this run at all.
    bool Off = false;
};

// The broker to use: the command line's for this run, else the settings'.
// Nothing when none is named, or when the named one is no broker address
// (then *why says so).
std::optional<MqttOptions> ChooseBroker(
    const BrokerChoice& asked, const BoardSettingsRecord& settings, QString* why = nullptr);
int ChooseMat(const BrokerChoice& asked, const BoardSettingsRecord& settings);

// The state the board publishes: the same JSON as the served /state, made
// anew only when the board's state changed.
MatPublisher::StateSource BoardStateSource(frmScoreboard& board);

// A board on the hall's broker as its mat, following the network settings
// when the options dialog changes them. While the broker cannot be reached
// the board's title says "broker offline".
class MatService final : public QObject
{
    Q_OBJECT

public:
    // Shown in the program's language.
    static inline const QString OfflineNote
        = QStringLiteral(QT_TRANSLATE_NOOP("kv::MatService", "broker offline"));

    explicit MatService(frmScoreboard& board);
    ~MatService() override;

    // Publishes as the command line asks for this run, else as the settings say.
    void Start(const BrokerChoice& asked);
    void Stop();
    // Null while the board is on no broker.
    MatPublisher* Publisher() const { return m_publisher.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct NetworkSettings
    {
        qint16 Mat = 0;
        QString Broker;
        bool Tls = false;
        QString User;
        QString Password;
        bool operator==(const NetworkSettings&) const = default;
    };
    static NetworkSettings FromSettings();
    void Publish(const MqttOptions& options, int mat);
    void ShowConnected(bool connected);
    void OptionsClosed();

    QPointer<frmScoreboard> m_board;
    std::unique_ptr<MatPublisher> m_publisher;
    NetworkSettings m_settings;
    QTimer* m_offlineDelay;
};

} // namespace kv
