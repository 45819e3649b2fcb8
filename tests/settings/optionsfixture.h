#pragma once

// Shared by the options dialog tests: dialogs answered by the test, a
// settings store of the test's own and a way to act inside a modal window.

#include "fakedialogs.h"
#include "settings/boardsettings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace kv::test {

// A settings store in a folder of its own, empty at the start.
class TestStore final
{
public:
    TestStore() { SettingsStore::SetFileForTesting(m_folder.filePath(QStringLiteral("korvelin.ini"))); }
    ~TestStore() { SettingsStore::SetFileForTesting(QString()); }
    TestStore(const TestStore&) = delete;
    TestStore& operator=(const TestStore&) = delete;

    QString Read(const char* section, const char* key) const
    {
        return SettingsStore().Read(
            QString::fromLatin1(section), QString::fromLatin1(key), QStringLiteral("<absent>"));
    }
    QString Folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

// Where the modal helper reports a window that never came or was left
// open: the running test fails with the message, unless a test of the helper
// itself puts its own sink.
inline std::function<void(const QString&)>& ModalFailureSink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}

inline void ReportModalFailure(const QString& message)
{
    if (ModalFailureSink())
        ModalFailureSink()(message);
    else
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

// A window's name for the messages: its design name and caption.
inline QString DescribeWindow(const QWidget& window)
{
    return QStringLiteral("%1 \"%2\"").arg(window.objectName(), window.windowTitle());
}

// Runs action once a window of type T is the active modal one, from within
// the modal loop that shows it. The action is expected to end with the window
// closed: one still open shortly after is reported and closed, so that the
// modal loop ends and the test fails at once instead of hanging. A window
// that never comes is reported too.
inline constexpr int ModalPollMs = 10;
inline constexpr int ModalComeWithinMs = 10000;
inline constexpr int ModalCloseWithinMs = 2000;

template <typename T> void WhenModal(std::function<void(T&)> action)
{
    struct Watch
    {
        std::function<void(T&)> Action;
        QDeadlineTimer Deadline;
        QPointer<T> Window;
        QString Name;
    };
    auto watch = std::make_shared<Watch>();
    watch->Deadline.setRemainingTime(ModalComeWithinMs);
    watch->Action = std::move(action);
    auto poll = std::make_shared<std::function<void()>>();
    // The callback holds the watch; the function object holds itself only
    // through a weak reference.
    std::weak_ptr<std::function<void()>> weakPoll = poll;
    *poll = [watch, weakPoll] {
        const auto again = [weakPoll] {
            if (const auto next = weakPoll.lock())
                QTimer::singleShot(ModalPollMs, qApp, [next] { (*next)(); });
        };
        if (!watch->Window) {
            if (!watch->Name.isEmpty())
                return; // closed, and deleted: done
            auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
            if (window && window->isVisible()) {
                watch->Window = window;
                watch->Name = DescribeWindow(*window);
                watch->Action(*window);
                watch->Deadline.setRemainingTime(ModalCloseWithinMs);
            } else if (watch->Deadline.hasExpired()) {
                ReportModalFailure(QStringLiteral("No %1 window became the active modal window")
                                       .arg(QString::fromLatin1(T::staticMetaObject.className())));
                return;
            }
            again();
            return;
        }
        if (!watch->Window->isVisible())
            return; // closed: done
        if (watch->Deadline.hasExpired()) {
            ReportModalFailure(QStringLiteral("%1 was left open by the test's action").arg(watch->Name));
            watch->Window->close();
            return;
        }
        again();
    };
    // The pending timer keeps the function alive between polls.
    QTimer::singleShot(ModalPollMs, qApp, [poll] { (*poll)(); });
}

} // namespace kv::test
