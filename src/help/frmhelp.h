#pragma once

#include "display/form.h"
#include "help/helpwindow.h"
#include "help/rtfreader.h"
#include "settings/boardsettings.h"

class QTextEdit;

namespace kv {

// The help file's name; it sits in the program's folder.
QString HelpFileName();
// The guide in a language: korvelinhelpfile.<code>.rtf ("en": the help file
// itself).
QString HelpFileName(const QString& language);
// The program folder, the platform's separator and the file name, joined as they are.
QString HelpFilePath(const QString& programFolder);
// The file the help window shows in a language: that language's guide when
// the program folder holds it, else the English one.
QString HelpFilePathFor(const QString& programFolder, const QString& language);
// What the window shows when there is no help file.
QString MissingHelpText();
// What it shows when the file is there but cannot be read as rich text.
QString UnreadableHelpText();
// Help files above this size are not read.
constexpr qint64 MaxHelpFileBytes = 32 * 1024 * 1024;

// The resize step, in twips: the window's outer size raised to the minimum
// 2700 x 1700, the text box 240 narrower and 420 lower than the window, its
// lines wrapped 450 short of the box's right edge.
struct HelpLayout
{
    double WindowWidth;
    double WindowHeight;
    double BoxWidth;
    double BoxHeight;
    double RightMargin;
    bool operator==(const HelpLayout&) const = default;
};
HelpLayout HelpWindowLayout(double windowWidth, double windowHeight);

// Where the help window opens: centred on its owner's frame, shrunk to the
// available screen area if need be and kept inside it.
QRect HelpWindowPlace(const QRect& owner, const QSize& size, const QRect& available);

// The help window: the operator's guide, read-only, in a resizable window
// that blocks nothing.
class frmHelp final : public Form
{
    Q_OBJECT

public:
    static constexpr double DesignWidth = 11055; // client area, twips
    static constexpr double DesignHeight = 9270;
    static constexpr double MinimumWidth = 2700; // outer size, twips
    static constexpr double MinimumHeight = 1700;
    static constexpr double BoxLeft = 120;

    explicit frmHelp(QWidget* parent = nullptr);

    // The load step: shows the help file of the program folder in the
    // program's language, or the sentence that it has been moved.
    void Load(const QString& programFolder);
    // The guide again, and the title, in the language now in effect.
    void Retranslate() override;
    // The resize step; runs on every size or state change.
    void Resize();

    QTextEdit* rtbHelp() const { return m_rtbHelp; }
    // The right margin of rtbHelp in twips: lines wrap there.
    double RightMargin() const { return m_rightMargin; }
    // What reading the help file found (empty when there was no file).
    const RtfReadResult& ReadResult() const { return m_readResult; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextEdit* m_rtbHelp;
    QString m_programFolder;
    bool m_loaded = false;
    double m_rightMargin = 0;
    RtfReadResult m_readResult;
};

// Shows the help window modeless, centred on the window the request came
// from. The window is created, and the help file of programFolder loaded, on
// first use; while it is open a request brings it to the front unchanged.
void OpenHelpWindow(const QString& programFolder = ProgramFolder());
// The open help window, or null.
frmHelp* HelpWindow();

} // namespace kv
