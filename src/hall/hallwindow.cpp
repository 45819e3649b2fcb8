#include "hall/hallwindow.h"

#include "display/audiencedisplay.h"
#include "display/controls.h"
#include "display/twips.h"
#include "display/vbcolor.h"
#include "hall/matboard.h"
#include "hall/matmessage.h"
#include "settings/boardsettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

// What of a topic goes into a line on standard error: printable, and short.
QByteArray Printable(const QByteArray& topic)
{
    QByteArray text = topic.left(120);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return topic.size() > 120 ? text + "..." : text;
}

} // namespace

HallWindow::HallWindow(MqttOptions options, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_options(std::move(options))
    , m_status(new Label(this))
{
    setObjectName(QStringLiteral("frmHall"));
    setAutoFillBackground(true);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->SetSingleLine(true);
    m_status->SetFontSize(14);
    m_status->setFocusPolicy(Qt::NoFocus);
    // The presence first: a mat whose board has gone comes up greyed at once.
    m_options.Subscriptions = { AllMatPresence, AllMatStates };
    m_options.PresenceTopic.clear();
    m_options.OutboxFolder.clear();
    m_options.MaxIncomingBytes = MaxMatMessageBytes;
    ApplySettings();
    ShowStatus();
    resize(960, 600);
}

HallWindow::~HallWindow() = default;

void HallWindow::Start()
{
    if (m_client)
        return;
    m_client = new MqttClient(m_options, this);
    connect(m_client, &MqttClient::ConnectedChanged, this, &HallWindow::SetBrokerOnline);
    connect(m_client, &MqttClient::MessageReceived, this, &HallWindow::Take);
    m_client->Start();
}

void HallWindow::ApplySettings()
{
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(BoardSettings.FormBack));
    setPalette(background);
    m_status->SetForeColor(BoardSettings.BorderColor);
    for (const auto& [mat, board] : m_mats)
        board->ApplySettings();
}

void HallWindow::Take(const QByteArray& topic, const QByteArray& payload)
{
    const MatMessage message = ParseMatMessage(topic, payload);
    switch (message.What) {
    case MatMessage::Kind::Ignored:
        qWarning("Korvelin hall: ignored a message on %s: %s", Printable(topic).constData(),
            qPrintable(message.Why));
        return;
    case MatMessage::Kind::Cleared:
        if (const auto it = m_mats.find(message.Mat); it != m_mats.end()) {
            delete it->second;
            m_mats.erase(it);
            m_states.erase(message.Mat);
            LayOut();
            ShowStatus();
            emit Changed();
        }
        return;
    case MatMessage::Kind::Presence:
        MatFor(message.Mat)->SetOnline(message.Online);
        break;
    case MatMessage::Kind::State:
        MatFor(message.Mat)->Show(message.State);
        m_states[message.Mat] = payload;
        break;
    }
    emit MatShown(message.Mat);
    emit Changed();
}

MatBoard* HallWindow::MatFor(int mat)
{
    if (const auto it = m_mats.find(mat); it != m_mats.end())
        return it->second;
    auto* board = new MatBoard(mat, this);
    m_mats.emplace(mat, board);
    LayOut();
    board->show();
    ShowStatus();
    return board;
}

MatBoard* HallWindow::Mat(int mat) const
{
    const auto it = m_mats.find(mat);
    return it == m_mats.end() ? nullptr : it->second;
}

QByteArray HallWindow::StateJson(int mat) const
{
    const auto it = m_states.find(mat);
    return it == m_states.end() ? QByteArray() : it->second;
}

QByteArray HallWindow::HallJson() const
{
    // The states went through the checks of ParseMatMessage: each is one
    // JSON object, and goes in as it came.
    QByteArray json = "{\"version\":1,\"broker_online\":";
    json += m_brokerOnline ? "true" : "false";
    json += ",\"mats\":[";
    bool first = true;
    for (const auto& [mat, board] : m_mats) {
        if (!first)
            json += ',';
        first = false;
        const QByteArray state = StateJson(mat);
        json += "{\"mat\":" + QByteArray::number(mat) + ",\"online\":" + (board->Online() ? "true" : "false")
            + ",\"state\":" + (state.isEmpty() ? QByteArray("null") : state) + '}';
    }
    return json + "]}";
}

QByteArray HallWindow::WordsJson() const
{
    // The mats' words as their boards in this window say them.
    const QJsonObject words { { QStringLiteral("mat"),
                                  QCoreApplication::translate("kv::MatBoard", "MAT %1") },
        { QStringLiteral("offline"), QCoreApplication::translate("kv::MatBoard", "offline") },
        { QStringLiteral("golden_score"), QCoreApplication::translate("kv::MatBoard", "GOLDEN SCORE") },
        { QStringLiteral("broker_offline"), tr(OfflineNote.toUtf8().constData()) },
        { QStringLiteral("waiting"), tr("Waiting for the mats") } };
    const QJsonObject json { { QStringLiteral("lost"),
                                 QCoreApplication::translate("kv::BoardView", "Connection lost") },
        { QStringLiteral("words"), words } };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

QList<int> HallWindow::Mats() const
{
    QList<int> mats;
    for (const auto& [mat, board] : m_mats)
        mats.append(mat);
    return mats;
}

void HallWindow::SetBrokerOnline(bool online)
{
    m_brokerOnline = online;
    ShowStatus();
    emit Changed();
}

QString HallWindow::StatusText() const
{
    if (!m_brokerOnline)
        return tr(OfflineNote.toUtf8().constData()) + QStringLiteral(": ")
            + QStringLiteral("%1:%2").arg(m_options.Host).arg(m_options.Port);
    if (m_mats.empty())
        return tr("Waiting for the mats on %1:%2").arg(m_options.Host).arg(m_options.Port);
    return {};
}

void HallWindow::SetServedAddress(const QString& address)
{
    m_servedAddress = address;
    ShowStatus();
}

void HallWindow::ShowStatus()
{
    const QString text = StatusText();
    QString title = tr(Title.toUtf8().constData());
    if (!m_brokerOnline)
        title += QStringLiteral(" - ") + tr(OfflineNote.toUtf8().constData());
    if (!m_servedAddress.isEmpty())
        title += QStringLiteral(" - ") + m_servedAddress;
    setWindowTitle(title);
    m_status->SetCaption(text);
    m_status->SetVisible(!text.isEmpty());
    LayOut();
}

void HallWindow::LayOut()
{
    const int n = int(m_mats.size());
    const int margin = std::max(2, std::min(width(), height()) / 100);
    // A line at the bottom while there is something to say.
    const int statusHeight = m_status->isHidden() ? 0 : std::max(12, height() / 20);
    if (statusHeight > 0) {
        m_status->Move(margin * TwipsPerPixel, (height() - statusHeight) * TwipsPerPixel,
            (width() - 2 * margin) * TwipsPerPixel, statusHeight * TwipsPerPixel);
        m_status->SetFontSize(statusHeight * 0.5 * TwipsPerPixel / TwipsPerPoint);
    }
    if (n == 0)
        return;
    const QSize area(width() - 2 * margin, height() - 2 * margin - statusHeight);
    // The number of columns that gives the largest boards.
    int bestColumns = 1;
    int bestWidth = -1;
    for (int columns = 1; columns <= n; ++columns) {
        const int rows = (n + columns - 1) / columns;
        const QSize cell(
            (area.width() - (columns - 1) * margin) / columns, (area.height() - (rows - 1) * margin) / rows);
        const int boardWidth = MatBoard::SizeIn(cell.expandedTo(QSize(1, 1))).width();
        if (boardWidth > bestWidth) {
            bestWidth = boardWidth;
            bestColumns = columns;
        }
    }
    const int columns = bestColumns;
    const int rows = (n + columns - 1) / columns;
    const QSize cell(std::max(1, (area.width() - (columns - 1) * margin) / columns),
        std::max(1, (area.height() - (rows - 1) * margin) / rows));
    int i = 0;
    for (const auto& [mat, board] : m_mats) {
        const int column = i % columns;
        const int row = i / columns;
        ++i;
        board->FitInto(cell);
        // Centred in its cell.
        const QPoint cellTopLeft(
            margin + column * (cell.width() + margin), margin + row * (cell.height() + margin));
        board->move(
            cellTopLeft + QPoint((cell.width() - board->width()) / 2, (cell.height() - board->height()) / 2));
    }
}

void HallWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void HallWindow::keyPressEvent(QKeyEvent* event)
{
    // F11 fills the screen or leaves it; Escape leaves it.
    if (event->key() == Qt::Key_F11) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return;
    }
    if (event->key() == Qt::Key_Escape && (windowState() & Qt::WindowFullScreen)) {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        return;
    }
    QWidget::keyPressEvent(event);
}

void HallWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ShowStatus();
        emit WordsChanged();
    }
}

void PlaceHallWindow(HallWindow& window)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const int primary = int(screens.indexOf(QGuiApplication::primaryScreen()));
    const AudiencePlacement placement = ChooseAudienceScreen(int(screens.size()), primary, 0);
    if (placement.Screen < 0) {
        window.show();
        return;
    }
    QScreen* screen = screens.at(placement.Screen);
    if (placement.FullScreen) {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setCursor(Qt::BlankCursor);
        window.setGeometry(screen->geometry());
        window.winId();
        window.windowHandle()->setScreen(screen);
        window.setWindowState(Qt::WindowFullScreen);
        window.show();
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize size(available.width() * 3 / 4, available.height() * 3 / 4);
    window.setGeometry(QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size));
    window.show();
}

} // namespace kv
