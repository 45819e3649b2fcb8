#include "startup/firstpaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace kv {

namespace {

class FirstPaintWatch final : public QObject
{
public:
    FirstPaintWatch(QWidget& window, std::function<void()> action)
        : QObject(&window)
        , m_action(std::move(action))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_fired) {
            m_fired = true;
            watched->removeEventFilter(this);
            // After this paint and its flush to the screen.
            QTimer::singleShot(0, parent(), [action = std::move(m_action)] { action(); });
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
    bool m_fired = false;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> action)
{
    new FirstPaintWatch(window, std::move(action));
}

} // namespace kv
