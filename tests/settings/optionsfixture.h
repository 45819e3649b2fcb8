#pragma once

// Shared by the options dialog tests: dialogs answered by the test, a
// settings store of the test's own and a way to act inside a modal window.

#include "settings/boardsettings.h"
#include "settings/commondialogs.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>

namespace kv::test {

// Standard dialogs that answer from queues the test fills, and remember what
// was asked. An empty queue answers No, Cancel, nothing.
class FakeDialogs final : public CommonDialogs
{
public:
    FakeDialogs() { SetCommonDialogs(this); }
    ~FakeDialogs() override { SetCommonDialogs(nullptr); }
    FakeDialogs(const FakeDialogs&) = delete;
    FakeDialogs& operator=(const FakeDialogs&) = delete;

    bool AskYesNo(QWidget*, const QString& title, const QString& text) override
    {
        questions << title + u'|' + text;
        return Take(yesNo).value_or(false);
    }
    std::optional<qint32> ChooseColor(QWidget*, qint32 initial) override
    {
        colourStarts << initial;
        return Take(colours).value_or(std::nullopt);
    }
    std::optional<QString> ChooseOpenFile(QWidget*, const QString& filter, const QString&) override
    {
        filters << filter;
        return Take(files).value_or(std::nullopt);
    }
    void ShowWarning(QWidget*, const QString& title, const QString& text) override
    {
        warnings << title + u'|' + text;
    }
    void Beep() override { ++beeps; }

    std::deque<bool> yesNo;
    std::deque<std::optional<qint32>> colours;
    std::deque<std::optional<QString>> files;
    QStringList questions;
    QList<qint32> colourStarts;
    QStringList filters;
    QStringList warnings;
    int beeps = 0;

private:
    template <typename T> static std::optional<T> Take(std::deque<T>& queue)
    {
        if (queue.empty())
            return std::nullopt;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

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

// Runs action once a window of type T is the active modal one, from within
// the modal loop that shows it.
template <typename T> void WhenModal(std::function<void(T&)> action, int triesLeft = 500)
{
    QTimer::singleShot(10, qApp, [action = std::move(action), triesLeft] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
            window && window->isVisible()) {
            action(*window);
            return;
        }
        if (triesLeft > 0)
            WhenModal<T>(action, triesLeft - 1);
    });
}

} // namespace kv::test
