#pragma once

#include "hall/mqttclient.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace kv {

class Label;
class MatBoard;

// The hall view: one compact live board per mat on the broker, in mat
// order, as large as the window allows. A mat appears by itself when its
// board first comes online, greys out with "offline" when the board goes,
// and leaves when its retained state is deleted from the broker. Messages
// that are not a mat's documented state or presence are ignored, each with
// one line on standard error.
class HallWindow final : public QWidget
{
    Q_OBJECT

public:
    // Shown in the program's language.
    static inline const QString Title = QStringLiteral(QT_TRANSLATE_NOOP("kv::HallWindow", "Korvelin hall"));
    static inline const QString OfflineNote
        = QStringLiteral(QT_TRANSLATE_NOOP("kv::HallWindow", "broker offline"));

    // Listens to the broker of `options` once Start() is called.
    explicit HallWindow(MqttOptions options, QWidget* parent = nullptr);
    ~HallWindow() override;

    void Start();
    // One message of the broker.
    void Take(const QByteArray& topic, const QByteArray& payload);

    MatBoard* Mat(int mat) const;
    // The state a mat's board published last, as it came; empty for none.
    QByteArray StateJson(int mat) const;
    // Every mat as JSON, for the hall page:
    // {"version":1,"broker_online":true,"mats":[{"mat":1,"online":true,"state":{...}},...]}
    QByteArray HallJson() const;
    // The mats shown, in order.
    QList<int> Mats() const;
    // The hall page's words in the program's language, for its viewers only:
    // {"lost":"Connection lost","words":{"mat":"MAT %1","offline":"offline",
    // "golden_score":"GOLDEN SCORE","broker_offline":"broker offline","waiting":"Waiting for the mats"}}
    QByteArray WordsJson() const;
    bool BrokerOnline() const { return m_brokerOnline; }
    // The line under the boards ("" when there is nothing to say).
    QString StatusText() const;
    MqttClient* Client() const { return m_client; }
    // The colours and digit style of the settings again.
    void ApplySettings();
    // Where the hall is served on the network, shown in the title
    // ("Korvelin hall - http://192.168.1.20:8090/hall").
    void SetServedAddress(const QString& address);

signals:
    // A mat's board was shown anew (for whoever waits on the hall view).
    void MatShown(int mat);
    // Anything of the hall changed: a mat, its presence, the broker.
    void Changed();
    // The program's language changed, and with it WordsJson().
    void WordsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A language change shows the title and the status line in the new one.
    void changeEvent(QEvent* event) override;

private:
    void SetBrokerOnline(bool online);
    MatBoard* MatFor(int mat);
    void LayOut();
    void ShowStatus();

    MqttOptions m_options;
    QPointer<MqttClient> m_client;
    std::map<int, MatBoard*> m_mats;
    std::map<int, QByteArray> m_states;
    Label* m_status;
    bool m_brokerOnline = false;
    QString m_servedAddress;
};

// Shows the hall view like the audience display: filling a second screen
// when there is one, else as an ordinary window on the screen at hand.
void PlaceHallWindow(HallWindow& window);

} // namespace kv
