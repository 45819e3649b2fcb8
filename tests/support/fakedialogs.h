#pragma once

// The program's standard dialogs answered by the test.

#include "settings/commondialogs.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <optional>
#include <utility>

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
    std::optional<QString> ChooseSaveFile(QWidget*, const QString& filter, const QString& startPath) override
    {
        saveFilters << filter;
        saveStarts << startPath;
        return Take(saveFiles).value_or(std::nullopt);
    }
    void ShowWarning(QWidget*, const QString& title, const QString& text) override
    {
        warnings << title + u'|' + text;
    }
    void Beep() override { ++beeps; }

    std::deque<bool> yesNo;
    std::deque<std::optional<qint32>> colours;
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QString>> saveFiles;
    QStringList questions;
    QList<qint32> colourStarts;
    QStringList filters;
    QStringList saveFilters;
    QStringList saveStarts;
    QStringList warnings;
    int beeps = 0;

private:
    template <typename T> static std::optional<T> Take(std::deque<T>& queue)
    {
        std::optional<T> value;
        if (!queue.empty()) {
            value.emplace(std::move(queue.front()));
            queue.pop_front();
        }
        return value;
    }
};

} // namespace kv::test
