#pragma once

#include "display/form.h"
#include "hall/matmessage.h"

#include <QVector>

#include <optional>

namespace kv {

class Label;
class Line;
class NumberLED;
class Shape;
class TimeLED;

// The compact live board of one mat in the hall view: the board's own
// display controls, built from the design table and scaled as a whole to
// the room the hall view gives it. It shows what the mat's board published
// last, in the colours and digit style of this computer's settings, and
// greys out with "offline" while the board is gone.
class MatBoard final : public Form
{
    Q_OBJECT

public:
    explicit MatBoard(int mat, QWidget* parent = nullptr);

    int Mat() const { return m_mat; }
    // Shows the state.
    void Show(const MatState& state);
    const std::optional<MatState>& State() const { return m_state; }
    void SetOnline(bool online);
    bool Online() const { return m_online; }

    // Scales the whole board to fit `room` (pixels) with its proportions,
    // and takes that size.
    void FitInto(const QSize& room);
    // The size the board takes in `room`.
    static QSize SizeIn(const QSize& room);

    // The colours and digit style of the settings again (after the options
    // changed them).
    void ApplySettings();
    // The words again in the language now in effect, the mat's state kept.
    void Retranslate() override;

    // ---- Controls, by their design names
    Label* lblMat;
    Label* lblCaptionY;
    Label* lblGoldenScore;
    Label* lblOffline;
    Line* Line1;
    Line* Line2;
    Label* lblHomeName;
    Label* lblVisitorName;
    Shape* shpWinnerHome;
    Shape* shpWinnerVisitor;
    Label* lblIpponHome;
    Label* lblIpponVisitor;
    NumberLED* nledWHome;
    NumberLED* nledYHome;
    NumberLED* nledWVisitor;
    NumberLED* nledYVisitor;
    QVector<Shape*> shpHomeS; // indexes 1..4 (element 0 unused)
    QVector<Shape*> shpVisitorS;
    Shape* shpHoldHome;
    Shape* shpHoldVisitor;
    NumberLED* nledHoldHome;
    NumberLED* nledHoldVisitor;
    TimeLED* tledPeriod;

private:
    template <typename T> T* Find(const char* name, int index = -1);
    void Refresh();
    void ShowMat();
    void ShowSide(const MatSide& side, Shape* winner, Label* ippon, NumberLED* w, NumberLED* y,
        const QVector<Shape*>& shido, Shape* holdDot, NumberLED* hold, bool yukoShown);

    int m_mat;
    bool m_online = true;
    std::optional<MatState> m_state;
};

} // namespace kv
