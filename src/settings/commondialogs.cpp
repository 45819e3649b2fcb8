#include "settings/commondialogs.h"

#include "display/vbcolor.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace kv {

namespace {

class StandardDialogs final : public CommonDialogs
{
public:
    bool AskYesNo(QWidget* owner, const QString& title, const QString& text) override
    {
        return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    }

    std::optional<qint32> ChooseColor(QWidget* owner, qint32 initial) override
    {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), owner);
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    }

    std::optional<QString> ChooseOpenFile(
        QWidget* owner, const QString& filter, const QString& startPath) override
    {
        const QFileInfo start(startPath);
        const QString folder = startPath.isEmpty() ? QString() : start.absolutePath();
        const QString chosen
            = QFileDialog::getOpenFileName(owner, QString(), folder, FileDialogFilter(filter));
        if (chosen.isEmpty())
            return std::nullopt;
        return QDir::toNativeSeparators(chosen);
    }

    std::optional<QString> ChooseSaveFile(
        QWidget* owner, const QString& filter, const QString& startPath) override
    {
        const QString chosen
            = QFileDialog::getSaveFileName(owner, QString(), startPath, FileDialogFilter(filter));
        if (chosen.isEmpty())
            return std::nullopt;
        return QDir::toNativeSeparators(chosen);
    }

    void ShowWarning(QWidget* owner, const QString& title, const QString& text) override
    {
        QMessageBox::warning(owner, title, text);
    }

    void Beep() override { QApplication::beep(); }
};

CommonDialogs*& Installed()
{
    static CommonDialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

CommonDialogs& Dialogs()
{
    static StandardDialogs standard;
    return Installed() ? *Installed() : standard;
}

void SetCommonDialogs(CommonDialogs* dialogs)
{
    Installed() = dialogs;
}

QString FileDialogFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        entries << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns.trimmed());
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace kv
