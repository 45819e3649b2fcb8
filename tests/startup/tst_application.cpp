// A failure inside an event handler is reported and ends the program; the
// event loop is never left with a half-handled event.

#include "display/controls.h"
#include "startup/application.h"

#include <QTest>

#include <stdexcept>

using namespace kv;

namespace {

// A control whose click handler fails, as an outside component might.
class FailingReceiver final : public QObject
{
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("the wave device went away");
        return QObject::event(event);
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void failureInHandler_isReported();
    void failureInQueuedSignal_isReported();
    void failureText_namesTheCause();
};

void TestApplication::failureInHandler_isReported()
{
    QStringList reported;
    KorvelinApplication::SetFailureHandler([&reported](const QString& what) { reported << what; });
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    KorvelinApplication::SetFailureHandler({});
    QCOMPARE(reported, QStringList { QStringLiteral("the wave device went away") });
}

void TestApplication::failureInQueuedSignal_isReported()
{
    QStringList reported;
    KorvelinApplication::SetFailureHandler([&reported](const QString& what) { reported << what; });
    Label label;
    connect(
        &label, &Control::Click, &label, [] { throw std::logic_error("no such control"); },
        Qt::QueuedConnection);
    emit label.Click();
    QCoreApplication::processEvents();
    KorvelinApplication::SetFailureHandler({});
    QCOMPARE(reported, QStringList { QStringLiteral("no such control") });
}

void TestApplication::failureText_namesTheCause()
{
    const QString text = KorvelinApplication::FailureText(QStringLiteral("disk full"));
    QVERIFY(text.startsWith(QStringLiteral("Korvelin has met an unexpected error")));
    QVERIFY(text.endsWith(QStringLiteral("disk full")));
}

int main(int argc, char** argv)
{
    KorvelinApplication application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
