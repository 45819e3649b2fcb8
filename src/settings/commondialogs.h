#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace kv {

// The system's standard dialogs as the program uses them: the Yes/No
// question, the colour, open-file and save-file dialogs, a message and the beep. All of
// them go through here, so that tests can answer them without a person.
class CommonDialogs
{
public:
    virtual ~CommonDialogs() = default;

    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& title, const QString& text) = 0;
    // The colour dialog opened on initial (0x00BBGGRR); nothing when cancelled.
    virtual std::optional<qint32> ChooseColor(QWidget* owner, qint32 initial) = 0;
    // The open-file dialog. filter is "Description|patterns" pairs joined by
    // "|", patterns separated by ";". Starts in startPath's folder when it
    // names one. The full path of the chosen file, nothing when cancelled.
    virtual std::optional<QString> ChooseOpenFile(
        QWidget* owner, const QString& filter, const QString& startPath)
        = 0;
    // The save-file dialog, with a filter as above, opened on startPath
    // (its folder and file name). The full path to write, nothing when
    // cancelled; the dialog itself asks before an existing file is replaced.
    virtual std::optional<QString> ChooseSaveFile(
        QWidget* owner, const QString& filter, const QString& startPath)
        = 0;
    // A message with the warning icon and an OK button.
    virtual void ShowWarning(QWidget* owner, const QString& title, const QString& text) = 0;
    virtual void Beep() = 0;
};

// The dialogs in use: Qt's standard ones unless a test has put its own.
CommonDialogs& Dialogs();
// Puts other dialogs in place (the caller keeps ownership); null restores Qt's.
void SetCommonDialogs(CommonDialogs* dialogs);

// A "Description|patterns|..." filter as the file dialog wants it:
// "Description (patterns)" entries joined by ";;".
QString FileDialogFilter(const QString& filter);

} // namespace kv
