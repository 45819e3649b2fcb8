#include "network/boardview.h"

#include "display/control.h"
#include "display/controls.h"
#include "display/leds.h"
#include "display/sevensegment.h"
#include "display/twips.h"
#include "display/vbcolor.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

// The digit cell the page scales: 1000 high, as wide as the displays' cells.
constexpr double UnitHeight = 1000;
// Pictures go to the page at most this many pixels on their longer side.
constexpr int MaxPictureSide = 640;

QString Colour(int bgr)
{
    return ToQColor(bgr).name();
}

QJsonArray Points(const QList<QPointF>& points)
{
    QJsonArray flat;
    for (const QPointF& p : points) {
        flat.append(std::round(p.x() * 10) / 10);
        flat.append(std::round(p.y() * 10) / 10);
    }
    return flat;
}

// The segment shapes of one digit cell and of a colon, from the same
// routines that paint the board's displays.
QJsonObject DigitGeometry()
{
    const QRectF cell(0, 0, DigitWidthTwips(UnitHeight / TwipsPerPixel), UnitHeight);
    const QRectF colon(0, 0, ColonWidthTwips(UnitHeight / TwipsPerPixel), UnitHeight);
    QJsonArray lines;
    QJsonArray dots;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        lines.append(Points(SegmentPolygon(cell, segment).toList()));
        dots.append(Points(SegmentDots(cell, segment)));
    }
    QJsonObject masks;
    for (const QChar c : QStringLiteral("0123456789-"))
        masks.insert(QString(c), CharacterSegments(c));
    return QJsonObject { { QStringLiteral("w"), cell.width() }, { QStringLiteral("h"), cell.height() },
        { QStringLiteral("seg"), masks }, { QStringLiteral("lines"), lines },
        { QStringLiteral("dots"), dots }, { QStringLiteral("dot"), DotDiameter(cell) },
        { QStringLiteral("colon"), Points(ColonDots(colon)) },
        { QStringLiteral("colonDot"), ColonDotDiameter(colon) } };
}

QString ItemId(const QWidget& widget)
{
    const int index = ControlIndex(&widget);
    return index < 0 ? widget.objectName() : QStringLiteral("%1(%2)").arg(widget.objectName()).arg(index);
}

// The text of the display, its extent in twips and the layout of its cells.
struct LedPicture
{
    QString Text;
    QSizeF Extent;
    LedPaddings Paddings;
    double Size = 0;
};

LedPicture ReadLed(const QWidget& widget)
{
    LedPicture led;
    if (const auto* time = qobject_cast<const TimeLED*>(&widget)) {
        led.Text = time->DisplayText();
        led.Size = time->Size();
        led.Paddings = { time->PaddingH(), time->PaddingV(), time->PaddingI(), time->PaddingD() };
        led.Extent = TimeLedExtent(led.Size, led.Paddings, ParseGroupLengths(time->GroupLengths()));
    } else if (const auto* number = qobject_cast<const NumberLED*>(&widget)) {
        led.Text = number->DisplayText();
        led.Size = number->Size();
        led.Paddings = { number->PaddingH(), number->PaddingV(), number->PaddingI(), 0 };
        led.Extent = NumberLedExtent(led.Size, led.Paddings, DecimalDigitCount(number->Max()));
    }
    return led;
}

QString PictureDataUrl(const QPixmap& picture)
{
    QPixmap scaled = picture;
    if (std::max(picture.width(), picture.height()) > MaxPictureSide)
        scaled
            = picture.scaled(MaxPictureSide, MaxPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    scaled.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

} // namespace

BoardView::BoardView(QWidget& board, QStringList leftOut)
    : m_board(&board)
    , m_leftOut(std::move(leftOut))
    , m_digitJson(QJsonDocument(DigitGeometry()).toJson(QJsonDocument::Compact))
{
    ReadLayout();
}

void BoardView::Collect(QWidget& container, int parentIndex)
{
    for (QObject* object : container.children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow() || m_leftOut.contains(widget->objectName()))
            continue;
        const QString kind = TypeName(widget);
        if (kind.isEmpty())
            continue;
        Item item;
        item.Widget = widget;
        item.Kind = kind;
        const QRect place = widget->geometry();
        QJsonObject& layout = item.Layout;
        layout.insert(QStringLiteral("id"), ItemId(*widget));
        layout.insert(QStringLiteral("k"), kind);
        layout.insert(QStringLiteral("p"), parentIndex);
        layout.insert(QStringLiteral("x"), place.x());
        layout.insert(QStringLiteral("y"), place.y());
        layout.insert(QStringLiteral("w"), place.width());
        layout.insert(QStringLiteral("h"), place.height());
        if (const auto* label = qobject_cast<const Label*>(widget)) {
            const CaptionLayout caption = label->Layout();
            QFont font = label->DesignFont();
            font.setPixelSize(caption.PixelSize);
            layout.insert(QStringLiteral("lines"), QJsonArray::fromStringList(caption.Lines));
            layout.insert(QStringLiteral("px"), caption.PixelSize);
            layout.insert(QStringLiteral("ls"), QFontMetricsF(font).lineSpacing());
            layout.insert(QStringLiteral("font"), label->FontName());
            layout.insert(QStringLiteral("bold"), label->FontBold());
            layout.insert(QStringLiteral("al"), label->AlignmentCode());
        } else if (const auto* shape = qobject_cast<const Shape*>(widget)) {
            layout.insert(QStringLiteral("shape"), shape->ShapeCode());
            layout.insert(QStringLiteral("bw"), shape->BorderWidth());
        } else if (const auto* line = qobject_cast<const Line*>(widget)) {
            layout.insert(QStringLiteral("x1"), line->X1() / TwipsPerPixel);
            layout.insert(QStringLiteral("y1"), line->Y1() / TwipsPerPixel);
            layout.insert(QStringLiteral("x2"), line->X2() / TwipsPerPixel);
            layout.insert(QStringLiteral("y2"), line->Y2() / TwipsPerPixel);
            layout.insert(QStringLiteral("lw"), line->BorderWidth());
        } else if (const auto* image = qobject_cast<const Image*>(widget)) {
            layout.insert(QStringLiteral("pic"), image->HasPicture());
            layout.insert(QStringLiteral("stretch"), image->Stretch());
            if (image->HasPicture())
                m_picturesKey = m_picturesKey * 31 + image->Picture().cacheKey();
        } else if (qobject_cast<const LedDisplay*>(widget)) {
            const LedPicture led = ReadLed(*widget);
            layout.insert(QStringLiteral("ew"), led.Extent.width());
            layout.insert(QStringLiteral("eh"), led.Extent.height());
            layout.insert(QStringLiteral("size"), led.Size);
        }
        m_items.append(item);
        Collect(*widget, static_cast<int>(m_items.size()) - 1);
    }
}

void BoardView::ReadLayout()
{
    m_items.clear();
    m_picturesKey = 0;
    if (!m_board)
        return;
    Collect(*m_board, -1);
    ReadLive();
}

BoardView::Live BoardView::ReadItem(const Item& item)
{
    Live live;
    const QWidget* widget = item.Widget;
    if (!widget)
        return live;
    live.Visible = !widget->isHidden();
    if (const auto* label = qobject_cast<const Label*>(widget)) {
        live.Values = { label->ForeColor(), label->BackColor(), label->BackStyle(), 0, 0 };
    } else if (const auto* box = qobject_cast<const PictureBox*>(widget)) {
        live.Values = { box->BackColor(), 0, 0, 0, 0 };
    } else if (const auto* shape = qobject_cast<const Shape*>(widget)) {
        live.Values
            = { shape->FillColor(), shape->FillStyle(), shape->BorderColor(), shape->BorderStyle(), 0 };
    } else if (const auto* line = qobject_cast<const Line*>(widget)) {
        live.Values = { line->BorderColor(), 0, 0, 0, 0 };
    } else if (const auto* time = qobject_cast<const TimeLED*>(widget)) {
        live.Values = { time->LitColor(), time->BackColor(), time->LedType(), time->BorderColor(), 0 };
        live.Text = time->DisplayText();
    } else if (const auto* number = qobject_cast<const NumberLED*>(widget)) {
        live.Values = { number->LitColor(), number->BackColor(), number->LedType(), 0, 0 };
        live.Text = number->DisplayText();
    }
    return live;
}

bool BoardView::ReadLive()
{
    bool changed = false;
    if (m_board) {
        const int back = FromQColor(m_board->palette().color(QPalette::Window));
        changed = back != m_boardBack;
        m_boardBack = back;
    }
    for (Item& item : m_items) {
        Live now = ReadItem(item);
        if (!(now == item.Now) || item.Json.isEmpty()) {
            item.Now = std::move(now);
            item.Json = QJsonDocument(LiveJson(item)).toJson(QJsonDocument::Compact);
            changed = true;
        }
    }
    return changed;
}

QJsonObject BoardView::LiveJson(const Item& item) const
{
    QJsonObject json = item.Layout;
    const Live& live = item.Now;
    const auto& v = live.Values;
    json.insert(QStringLiteral("v"), live.Visible);
    if (item.Kind == QLatin1String("Label")) {
        json.insert(QStringLiteral("fg"), Colour(v[0]));
        if (v[2] == 1)
            json.insert(QStringLiteral("bg"), Colour(v[1]));
    } else if (item.Kind == QLatin1String("PictureBox")) {
        json.insert(QStringLiteral("bg"), Colour(v[0]));
    } else if (item.Kind == QLatin1String("Shape")) {
        if (v[1] == 0)
            json.insert(QStringLiteral("fill"), Colour(v[0]));
        if (v[3] != 0)
            json.insert(QStringLiteral("stroke"), Colour(v[2]));
    } else if (item.Kind == QLatin1String("Line")) {
        json.insert(QStringLiteral("color"), Colour(v[0]));
    } else if (item.Kind == QLatin1String("TimeLED") || item.Kind == QLatin1String("NumberLED")) {
        const QColor lit = ToQColor(v[0]);
        const QColor back = ToQColor(v[1]);
        json.insert(QStringLiteral("lit"), lit.name());
        json.insert(QStringLiteral("unlit"), UnlitColor(lit, back).name());
        json.insert(QStringLiteral("bg"), back.name());
        json.insert(QStringLiteral("style"), static_cast<int>(LedStyleFromType(v[2])));
        json.insert(QStringLiteral("text"), live.Text);
        if (item.Widget) {
            const LedPicture led = ReadLed(*item.Widget);
            QJsonArray cells;
            for (const LedCell& cell : LayoutCells(live.Text, led.Size, led.Paddings))
                cells.append(QJsonArray { cell.rect.x(), cell.rect.y(), cell.rect.width(), cell.rect.height(),
                    QString(cell.character) });
            json.insert(QStringLiteral("cells"), cells);
            if (item.Kind == QLatin1String("TimeLED") && led.Extent.height() > 0) {
                // The frame, in the display's pixels, as the display draws it.
                const double scale = item.Widget->height() / TwipsToPixelsF(led.Extent.height());
                json.insert(QStringLiteral("frame"), Colour(v[3]));
                json.insert(QStringLiteral("fw"), std::max(1.0, led.Size / 50 * scale));
            }
        }
    }
    return json;
}

QByteArray BoardView::ViewJson() const
{
    // The items' texts are kept from their last change: a clock second
    // writes one item anew, not the whole board.
    QByteArray json;
    json.reserve(16 * 1024);
    json += "{\"board\":{\"w\":" + QByteArray::number(m_board ? m_board->width() : 0)
        + ",\"h\":" + QByteArray::number(m_board ? m_board->height() : 0) + ",\"bg\":\""
        + Colour(m_boardBack).toLatin1() + "\",\"digit\":" + m_digitJson + ",\"items\":[";
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (i > 0)
            json += ',';
        json += m_items[i].Json;
    }
    // The page's own words, in the board's language: what it says while the
    // board cannot be reached.
    const QByteArray lost
        = QJsonDocument(QJsonArray { QCoreApplication::translate("kv::BoardView", "Connection lost") })
              .toJson(QJsonDocument::Compact);
    json += "]},\"lost\":" + lost.mid(1, lost.size() - 2) + "}";
    return json;
}

QByteArray BoardView::PicturesJson() const
{
    QJsonObject pictures;
    for (const Item& item : m_items) {
        const auto* image = qobject_cast<const Image*>(item.Widget.data());
        if (image && image->HasPicture())
            pictures.insert(ItemId(*image), PictureDataUrl(image->Picture()));
    }
    return QJsonDocument(QJsonObject { { QStringLiteral("pictures"), pictures } })
        .toJson(QJsonDocument::Compact);
}

} // namespace kv
