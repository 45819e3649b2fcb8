#include "display/modstretch.h"

#include "display/control.h"
#include "display/form.h"
#include "timing/fixedpoint.h"

#include <QMetaProperty>

#include <cmath>
#include <limits>

namespace kv {

QVector<ControlLayout> LayoutTable;
qint32 DesignHeight = 0;
qint32 DesignWidth = 0;

namespace {

enum Field : unsigned
{
    FLeft = 1u << 0,
    FTop = 1u << 1,
    FHeight = 1u << 2,
    FWidth = 1u << 3,
    FFontSize = 1u << 4,
    FBorderWidth = 1u << 5,
    FSize = 1u << 6,
    FPaddingD = 1u << 7,
    FPaddingI = 1u << 8,
    FPaddingH = 1u << 9,
    FPaddingV = 1u << 10,
    FX1 = 1u << 11,
    FX2 = 1u << 12,
    FY1 = 1u << 13,
    FY2 = 1u << 14,
};

// Which quantities are recorded for each class of control.
unsigned RecordedFields(const QString& type)
{
    if (type == QLatin1String("Label"))
        return FLeft | FTop | FHeight | FWidth | FFontSize;
    if (type == QLatin1String("Shape"))
        return FLeft | FTop | FHeight | FWidth | FBorderWidth;
    if (type == QLatin1String("PictureBox") || type == QLatin1String("Image"))
        return FLeft | FTop | FHeight | FWidth;
    if (type == QLatin1String("Line"))
        return FX1 | FX2 | FY1 | FY2 | FBorderWidth;
    if (type == QLatin1String("NumberLED"))
        return FLeft | FTop | FSize | FPaddingH | FPaddingV | FPaddingI;
    if (type == QLatin1String("TimeLED"))
        return FLeft | FTop | FSize | FPaddingH | FPaddingV | FPaddingI | FPaddingD;
    if (type == QLatin1String("PolyLED"))
        return FLeft | FTop | FSize;
    return 0;
}

qint32 ReadRounded(const QObject* control, const char* name)
{
    const double value = control->property(name).toDouble();
    if (!std::isfinite(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded > std::numeric_limits<qint32>::max() || rounded < std::numeric_limits<qint32>::min())
        return 0;
    return static_cast<qint32>(rounded);
}

// Sets a property; integral properties take the value rounded half to even.
void WriteProperty(QObject* control, const char* name, double value)
{
    const QMetaObject* meta = control->metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        return;
    const QMetaProperty property = meta->property(index);
    if (property.typeId() == QMetaType::Int)
        property.write(control, static_cast<int>(RoundHalfEven(value)));
    else if (property.typeId() == QMetaType::Float)
        property.write(control, static_cast<float>(value));
    else
        property.write(control, value);
}

} // namespace

double AtLeastOne(double x)
{
    return x >= 1 ? x : 1;
}

void RecordLayout(const Form& form)
{
    const QList<QObject*>& controls = form.Controls();
    LayoutTable = QVector<ControlLayout>(controls.size() + 1);
    DesignHeight = static_cast<qint32>(RoundHalfEven(form.ScaleHeight()));
    DesignWidth = static_cast<qint32>(RoundHalfEven(form.ScaleWidth()));
    int n = 0;
    for (QObject* control : controls) {
        const QString type = TypeName(control);
        const unsigned fields = RecordedFields(type);
        if (fields == 0)
            continue;
        ControlLayout& layout = LayoutTable[n];
        if (fields & FHeight)
            layout.Height = ReadRounded(control, "Height");
        if (fields & FWidth)
            layout.Width = ReadRounded(control, "Width");
        if (fields & FFontSize)
            layout.FontSize = ReadRounded(control, "FontSize");
        if (fields & FBorderWidth)
            layout.BorderWidth = ReadRounded(control, "BorderWidth");
        if (fields & FSize)
            layout.Size = ReadRounded(control, "Size");
        if (fields & FPaddingD)
            layout.PaddingD = ReadRounded(control, "PaddingD");
        if (fields & FPaddingI)
            layout.PaddingI = ReadRounded(control, "PaddingI");
        if (fields & FPaddingH)
            layout.PaddingH = ReadRounded(control, "PaddingH");
        if (fields & FPaddingV)
            layout.PaddingV = ReadRounded(control, "PaddingV");
        if (fields & FX1)
            layout.X1 = ReadRounded(control, "X1");
        if (fields & FX2)
            layout.X2 = ReadRounded(control, "X2");
        if (fields & FY1)
            layout.Y1 = ReadRounded(control, "Y1");
        if (fields & FY2)
            layout.Y2 = ReadRounded(control, "Y2");
        layout.Control = control;
        if (type != QLatin1String("Line")) {
            layout.Left = ReadRounded(control, "Left");
            layout.Top = ReadRounded(control, "Top");
        }
        ++n;
    }
}

void StretchLayout(Form& form)
{
    if (form.WindowState() == 1 || DesignWidth == 0 || DesignHeight == 0)
        return;
    // Ratios in single precision, as the layout has always been scaled.
    const float widthRatio = static_cast<float>(form.ScaleWidth()) / static_cast<float>(DesignWidth);
    const float heightRatio = static_cast<float>(form.ScaleHeight()) / static_cast<float>(DesignHeight);
    const auto position
        = [](float ratio, qint32 v) { return static_cast<double>(ratio * static_cast<float>(v)); };
    const auto extent = [](float ratio, qint32 v) {
        return AtLeastOne(static_cast<double>(ratio) * static_cast<double>(v));
    };
    // No intermediate layout may be painted. Hiding a top-level window would
    // unmap it (flicker, and a further resize from the window system), so
    // painting is suspended instead and the board is repainted once at the end.
    const bool updatesWereEnabled = form.updatesEnabled();
    form.setUpdatesEnabled(false);
    for (const ControlLayout& layout : LayoutTable) {
        QObject* control = layout.Control;
        if (!control)
            continue;
        auto* placed = qobject_cast<Control*>(control);
        if (placed && (layout.Left != 0 || layout.Top != 0 || layout.Width != 0 || layout.Height != 0)) {
            // Placed in one step: a control moved first and sized after
            // would be moved on screen (its pixels copied) only to be
            // painted anew.
            placed->Move(layout.Left != 0 ? position(widthRatio, layout.Left) : placed->Left(),
                layout.Top != 0 ? position(heightRatio, layout.Top) : placed->Top(),
                layout.Width != 0 ? extent(widthRatio, layout.Width) : placed->Width(),
                layout.Height != 0 ? extent(heightRatio, layout.Height) : placed->Height());
        } else {
            if (layout.Left != 0)
                WriteProperty(control, "Left", position(widthRatio, layout.Left));
            if (layout.Top != 0)
                WriteProperty(control, "Top", position(heightRatio, layout.Top));
            if (layout.Width != 0)
                WriteProperty(control, "Width", extent(widthRatio, layout.Width));
            if (layout.Height != 0)
                WriteProperty(control, "Height", extent(heightRatio, layout.Height));
        }
        if (layout.FontSize != 0)
            WriteProperty(control, "FontSize", extent(heightRatio, layout.FontSize));
        if (layout.BorderWidth != 0)
            WriteProperty(control, "BorderWidth", extent(heightRatio, layout.BorderWidth));
        if (layout.Size != 0)
            WriteProperty(control, "Size", extent(heightRatio, layout.Size));
        if (layout.PaddingH != 0)
            WriteProperty(control, "PaddingH", extent(heightRatio, layout.PaddingH));
        if (layout.PaddingV != 0)
            WriteProperty(control, "PaddingV", extent(heightRatio, layout.PaddingV));
        if (layout.PaddingI != 0)
            WriteProperty(control, "PaddingI", extent(heightRatio, layout.PaddingI));
        if (layout.PaddingD != 0)
            WriteProperty(control, "PaddingD", extent(heightRatio, layout.PaddingD));
        if (layout.X1 != 0)
            WriteProperty(control, "X1", position(widthRatio, layout.X1));
        if (layout.X2 != 0)
            WriteProperty(control, "X2", position(widthRatio, layout.X2));
        if (layout.Y1 != 0)
            WriteProperty(control, "Y1", position(heightRatio, layout.Y1));
        if (layout.Y2 != 0)
            WriteProperty(control, "Y2", position(heightRatio, layout.Y2));
    }
    if (updatesWereEnabled) {
        form.setUpdatesEnabled(true);
        form.update();
    }
}

void SetLedType(const Form& form, qint32 ledType)
{
    for (QObject* control : form.Controls()) {
        const QString type = TypeName(control);
        if (type == QLatin1String("TimeLED") || type == QLatin1String("NumberLED")
            || type == QLatin1String("PolyLED"))
            control->setProperty("LedType", ledType);
    }
}

} // namespace kv
