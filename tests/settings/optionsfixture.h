#pragma once

// Shared by the options dialog tests: dialogs answered by the test, a
// settings store of the test's own and a way to act inside a modal window.

#include "fakedialogs.h"
#include "settings/boardsettings.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
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
