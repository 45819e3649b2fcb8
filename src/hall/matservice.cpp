#include "hall/matservice.h"

#include "hall/brokeraddress.h"
#include "hall/resultoutbox.h"
#include "network/boardstate.h"
#include "record/contestresult.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/contestrecorder.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

namespace kv {

namespace {

const QString TitleSource = QStringLiteral("broker");
// A broker that answers within this time after the start never shows
// "broker offline"; one that goes away later shows it at once.
constexpr int FirstConnectionGraceMs = 3000;

} // namespace

std::optional<MqttOptions> ChooseBroker(
    const BrokerChoice& asked, const BoardSettingsRecord& settings, QString* why)
{
    if (asked.Off)
        return std::nullopt;
    const QString text = asked.Broker.isEmpty() ? settings.Broker : asked.Broker;
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const bool tls = asked.Tls || settings.BrokerTls;
    const BrokerAddress address = ParseBrokerAddress(text, tls);
    if (!address.IsValid()) {
        if (why)
            *why = QCoreApplication::translate("kv::MatService", "The broker \"%1\" is not used: %2.")
                       .arg(text, address.Error);
        return std::nullopt;
    }
    MqttOptions options;
    options.Host = address.Host;
    options.Port = address.Port;
    options.Tls = tls;
    options.User = asked.User.isEmpty() ? settings.BrokerUser : asked.User;
    options.Password = settings.BrokerPassword;
    return options;
}

int ChooseMat(const BrokerChoice& asked, const BoardSettingsRecord& settings)
{
    return asked.Mat > 0 ? asked.Mat : settings.Mat;
}

MatPublisher::StateSource BoardStateSource(frmScoreboard& board)
{
    return [board = QPointer<frmScoreboard>(&board), last = std::optional<BoardState>(),
               json = QByteArray()]() mutable {
        if (!board)
            return json;
        BoardState state = ReadBoardState(*board);
        if (!last || !(state == *last)) {
            json = BoardStateJson(state);
            last = std::move(state);
        }
        return json;
    };
}

MatService::MatService(frmScoreboard& board)
    : m_board(&board)
    , m_offlineDelay(new QTimer(this))
{
    // Ends with its board, as the board's web service does, without touching
    // what is left of the board.
    connect(&board, &QObject::destroyed, this, [this] {
        m_board = nullptr;
        delete this;
    });
    m_offlineDelay->setSingleShot(true);
    connect(m_offlineDelay, &QTimer::timeout, this, [this] { ShowConnected(false); });
    connect(&board, &frmScoreboard::OptionsClosed, this, &MatService::OptionsClosed);
    board.installEventFilter(this);
    // Each finished contest goes to the hall as the day's results have it,
    // without the contest's log.
    if (ContestRecorder* recorder = board.Recorder()) {
        connect(recorder, &ContestRecorder::ContestEnded, this, [this](const ContestResult& result) {
            if (m_publisher)
                m_publisher->PublishResult(QJsonDocument::fromJson(ResultJsonLine(result, nullptr)).object());
        });
    }
}

MatService::~MatService()
{
    Stop();
}

MatService::NetworkSettings MatService::FromSettings()
{
    const BoardSettingsRecord& s = BoardSettings;
    return { s.Mat, s.Broker, s.BrokerTls, s.BrokerUser, s.BrokerPassword };
}

void MatService::Start(const BrokerChoice& asked)
{
    m_settings = FromSettings();
    QString why;
    const std::optional<MqttOptions> options = ChooseBroker(asked, BoardSettings, &why);
    if (!why.isEmpty())
        qWarning("Korvelin: %s", qPrintable(why));
    if (options)
        Publish(*options, ChooseMat(asked, BoardSettings));
}

void MatService::Publish(const MqttOptions& options, int mat)
{
    Stop();
    if (!m_board)
        return;
    MqttOptions withOutbox = options;
    // Results wait beside the contest journal, in the user's data folder.
    withOutbox.OutboxFolder = ResultOutbox::FolderBeside(ContestJournalPath());
    m_publisher = std::make_unique<MatPublisher>(*m_board, mat, withOutbox, BoardStateSource(*m_board));
    connect(&m_publisher->Client(), &MqttClient::ConnectedChanged, this, &MatService::ShowConnected);
    m_offlineDelay->start(FirstConnectionGraceMs);
}

void MatService::Stop()
{
    m_offlineDelay->stop();
    m_publisher.reset();
    if (m_board)
        m_board->SetTitleNote(TitleSource, QString());
}

void MatService::ShowConnected(bool connected)
{
    if (connected)
        m_offlineDelay->stop();
    if (m_board)
        m_board->SetTitleNote(TitleSource, connected ? QString() : tr(OfflineNote.toUtf8().constData()));
}

bool MatService::eventFilter(QObject* watched, QEvent* event)
{
    // The note stays while the broker is away: shown again in the new language.
    if (m_board && watched == m_board && event->type() == QEvent::LanguageChange
        && !m_board->TitleNote(TitleSource).isEmpty())
        m_board->SetTitleNote(TitleSource, tr(OfflineNote.toUtf8().constData()));
    return QObject::eventFilter(watched, event);
}

void MatService::OptionsClosed()
{
    // Only a change of the broker settings moves the board to another
    // broker or mat, or off the broker: one put on a broker by the command
    // line stays there through any other change of the options.
    const NetworkSettings now = FromSettings();
    if (now == m_settings)
        return;
    m_settings = now;
    QString why;
    const std::optional<MqttOptions> options = ChooseBroker({}, BoardSettings, &why);
    if (!why.isEmpty())
        qWarning("Korvelin: %s", qPrintable(why));
    if (options)
        Publish(*options, BoardSettings.Mat);
    else
        Stop();
}

} // namespace kv
