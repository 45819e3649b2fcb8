#pragma once

#include <QPointer>
#include <QVector>

namespace kv {

class Form;

// The snapshot of one control's geometry. A field of 0 was not recorded and
// is never applied. The fields are 32-bit, wide enough for windows up to 8K
// (7680 x 4320 pixels is 115200 x 64800 twips); 16-bit fields would overflow
// above about 2184 pixels.
struct ControlLayout
{
    QPointer<QObject> Control;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Height = 0;
    qint32 Width = 0;
    qint32 FontSize = 0;
    qint32 BorderWidth = 0;
    qint32 Size = 0;
    qint32 PaddingD = 0;
    qint32 PaddingI = 0;
    qint32 PaddingH = 0;
    qint32 PaddingV = 0;
    qint32 X1 = 0;
    qint32 X2 = 0;
    qint32 Y1 = 0;
    qint32 Y2 = 0;
};

// The layout snapshot, replaced whole by each RecordLayout.
extern QVector<ControlLayout> LayoutTable;
// The form's client size in twips when the snapshot was taken. The board
// scales with its client area: the outer size is not known before the window
// is first shown (the snapshot is taken before that), and scaling by it would
// let the board overshoot the client area by the frame's share.
extern qint32 DesignHeight;
extern qint32 DesignWidth;

// Takes the snapshot of every scalable control of the form and of its size.
void RecordLayout(const Form& form);
// Scales every recorded quantity by the ratio of the form's current client
// size to the snapshot's: horizontal positions by the width ratio, everything else
// by the height ratio. Does nothing while the form is minimised.
void StretchLayout(Form& form);
double AtLeastOne(double x);
// Gives every LED display of the form the digit style.
void SetLedType(const Form& form, qint32 ledType);

} // namespace kv
