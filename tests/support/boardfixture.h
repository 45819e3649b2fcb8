#pragma once

#include "display/controls.h"
#include "display/leds.h"
#include "fakeclock.h"
#include "fakewaveplayer.h"
#include "scoreboard/frmscoreboard.h"
#include "scoreboard/modshowdigits.h"
#include "settings/boardsettings.h"
#include "settings/settingsstore.h"
#include "timing/mmcontrol.h"
#include "timing/timekeeper.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace kv::test {

// The buzzer file the build generates beside the program.
inline QString BuiltBuzzerFile()
{
    const QByteArray binaryDir = qgetenv("KORVELIN_BINARY_DIR");
    if (!binaryDir.isEmpty())
        return QDir(QString::fromLocal8Bit(binaryDir)).filePath(QStringLiteral("buzzer.wav"));
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../buzzer.wav"));
}

// A loaded scoreboard on a fake clock and a fake sound output, with the
// default settings and its buzzer file, shown and active.
class Board final
{
public:
    explicit Board(bool show = true)
    {
        BoardSettings = DefaultBoardSettings();
        BoardSettings.BuzzerFile = BuiltBuzzerFile();
        TypedEntryBuffer() = TypedEntry();
        form = std::make_unique<frmScoreboard>();
        form->Load();
        if (show) {
            form->show();
            form->activateWindow();
            if (!QTest::qWaitForWindowActive(form.get()))
                qWarning("the scoreboard window did not become active");
        }
    }

    frmScoreboard* operator->() const { return form.get(); }
    frmScoreboard& operator*() const { return *form; }

    // Moves the fake clock on and runs one refresh cycle, as the refresh timer does.
    void Advance(qint64 milliseconds)
    {
        clock.AdvanceMilliseconds(milliseconds);
        form->RefreshTime();
    }
    // Ends the running buzzer playback and lets the Done event arrive.
    void FinishBuzzer()
    {
        player.FinishPlayback();
        QCoreApplication::processEvents();
    }
    double Seconds(const TimeKeeper* keeper) const { return keeper->Time().ToDouble(); }

    FakeClock clock;
    FakeWavePlayer player;
    std::unique_ptr<frmScoreboard> form;
};

// Keeps the settings store of a test in a temporary folder.
inline void UseTestSettingsStore()
{
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir folder;
    SettingsStore::SetFileForTesting(folder.filePath(QStringLiteral("korvelin.ini")));
}

} // namespace kv::test
