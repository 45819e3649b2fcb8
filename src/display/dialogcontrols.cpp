#include "display/dialogcontrols.h"

#include "display/twips.h"
#include "display/vbcolor.h"

#include <QApplication>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <climits>
#include <cmath>

namespace kv {

QFont DialogFont(const QFont& base, const QString& name, double points, bool bold)
{
    QFont font = base;
    if (!name.isEmpty())
        font.setFamily(name);
    if (points > 0) {
        // Points of 20 twips on a screen of 15 twips to the pixel.
        font.setPixelSize(qMax(1, static_cast<int>(std::lround(PointsToPixels(points)))));
    }
    font.setBold(bold);
    return font;
}

QFont FittingFont(const QFont& font, const QString& text, const QSize& box, int flags)
{
    QFont fitting = font;
    const int designPixels = QFontInfo(font).pixelSize();
    for (int pixels = designPixels; pixels >= MinimumFittingPixels; --pixels) {
        if (pixels != designPixels)
            fitting.setPixelSize(pixels);
        const QRect needed
            = QFontMetrics(fitting).boundingRect(QRect(0, 0, box.width(), INT_MAX), flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            return fitting;
    }
    return fitting;
}

namespace {
Qt::Alignment HorizontalAlignment(int code)
{
    return code == 1 ? Qt::AlignRight : code == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}
} // namespace

// ---------------------------------------------------------------- DialogLabel

DialogLabel::DialogLabel(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void DialogLabel::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    emit Change();
}

void DialogLabel::SetAlignmentCode(int alignment)
{
    m_alignment = alignment == 1 || alignment == 2 ? alignment : 0;
    update();
}

void DialogLabel::SetBorderStyle(int style)
{
    m_borderStyle = style == 1 ? 1 : 0;
    update();
}

void DialogLabel::SetForeColor(int color)
{
    m_foreColor = color;
    update();
}

void DialogLabel::SetBackColor(int color)
{
    m_backColor = color;
    update();
}

void DialogLabel::SetFontName(const QString& name)
{
    m_fontName = name;
    update();
}

void DialogLabel::SetFontSize(double points)
{
    m_fontSize = points;
    update();
}

void DialogLabel::SetFontBold(bool bold)
{
    m_fontBold = bold;
    update();
}

void DialogLabel::changeEvent(QEvent* event)
{
    Control::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

namespace {
// Where a label's text goes: inside the border when it has one.
QRect TextRect(const QRect& rect, int borderStyle)
{
    return borderStyle == 1 ? rect.adjusted(3, 1, -3, -1) : rect;
}
} // namespace

QFont DialogLabel::ShownFont() const
{
    return FittingFont(DialogFont(font(), m_fontName, m_fontSize, m_fontBold), m_caption,
        TextRect(rect(), m_borderStyle).size(), int(HorizontalAlignment(m_alignment)) | Qt::TextWordWrap);
}

void DialogLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    if (m_backColor != SystemColor)
        painter.fillRect(rect(), ToQColor(m_backColor));
    const QRect text = TextRect(rect(), m_borderStyle);
    if (m_borderStyle == 1) {
        painter.setPen(colors.color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setFont(ShownFont());
    if (!isEnabled())
        painter.setPen(colors.color(QPalette::Disabled, QPalette::WindowText));
    else if (m_foreColor != SystemColor)
        painter.setPen(ToQColor(m_foreColor));
    else
        painter.setPen(colors.color(QPalette::WindowText));
    const Qt::Alignment vertical = m_borderStyle == 1 ? Qt::AlignVCenter : Qt::AlignTop;
    painter.drawText(text, int(HorizontalAlignment(m_alignment) | vertical) | Qt::TextWordWrap, m_caption);
}

// ---------------------------------------------------------------- CaptionFrame

CaptionFrame::CaptionFrame(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void CaptionFrame::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void CaptionFrame::SetFontName(const QString& name)
{
    m_fontName = name;
    update();
}

void CaptionFrame::SetFontSize(double points)
{
    m_fontSize = points;
    update();
}

void CaptionFrame::SetFontBold(bool bold)
{
    m_fontBold = bold;
    update();
}

QFont CaptionFrame::ShownFont() const
{
    // The caption sits on the top border between margins of 7 pixels.
    const QFont design = DialogFont(font(), m_fontName, m_fontSize, m_fontBold);
    return FittingFont(design, m_caption, QSize(qMax(0, width() - 2 * 7 - 4), QFontMetrics(design).height()),
        Qt::TextSingleLine);
}

void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFont captionFont = DialogFont(font(), m_fontName, m_fontSize, m_fontBold);
    const QFontMetrics metrics(captionFont);
    const int top = metrics.height() / 2;
    // An etched border: a dark line with a light one beside it.
    const QRect box = rect().adjusted(0, top, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));
    if (m_caption.isEmpty())
        return;
    const QFont shown = ShownFont();
    painter.setFont(shown);
    const int left = 7;
    const int width
        = qMin(QFontMetrics(shown).horizontalAdvance(m_caption) + 4, qMax(0, this->width() - 2 * left));
    const QRect caption(left, 0, width, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

// ---------------------------------------------------------------- ColorBox

ColorBox::ColorBox(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ColorBox::SetBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void ColorBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_backColor));
    // A sunken single line: dark above and left, light below and right.
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
}

// ---------------------------------------------------------------- TabControl

class TabStrip final : public QWidget
{
public:
    explicit TabStrip(TabControl* owner)
        : QWidget(owner)
        , m_owner(owner)
    {
        setFocusPolicy(Qt::StrongFocus);
        setObjectName(QStringLiteral("TabStrip"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QStringList captions = m_owner->Captions();
        for (int i = 0; i < captions.size(); ++i) {
            const bool current = i == m_owner->Tab();
            QStyleOptionTab tab;
            tab.initFrom(this);
            tab.shape = QTabBar::RoundedNorth;
            tab.rect = m_owner->TabRect(i);
            tab.text = captions.at(i);
            tab.position = QStyleOptionTab::Middle;
            tab.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
            if (current) {
                tab.state |= QStyle::State_Selected;
                if (hasFocus())
                    tab.state |= QStyle::State_HasFocus;
            }
            style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &painter, this);
            style()->drawControl(QStyle::CE_TabBarTabLabel, &tab, &painter, this);
            if (current && hasFocus()) {
                QStyleOptionFocusRect focus;
                focus.initFrom(this);
                focus.rect = tab.rect.adjusted(4, 3, -4, -2);
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const QStringList captions = m_owner->Captions();
        for (int i = 0; i < captions.size(); ++i) {
            if (m_owner->TabRect(i).contains(event->position().toPoint())) {
                m_owner->SetTab(i);
                emit m_owner->Click();
                break;
            }
        }
        event->accept();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const int count = static_cast<int>(m_owner->Captions().size());
        if (count > 0 && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
            const int step = event->key() == Qt::Key_Left ? count - 1 : 1;
            m_owner->SetTab((m_owner->Tab() + step) % count);
            emit m_owner->Click();
            event->accept();
            return;
        }
        QWidget::keyPressEvent(event);
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }

private:
    TabControl* m_owner;
};

TabControl::TabControl(QWidget* parent)
    : Control(parent)
    , m_strip(new TabStrip(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_strip);
}

QWidget* TabControl::Strip() const
{
    return m_strip;
}

void TabControl::SetTabCaptions(const QString& captions)
{
    m_captions = captions.split(u'|');
    if (m_tab >= m_captions.size())
        m_tab = 0;
    resizeEvent(nullptr);
    update();
}

void TabControl::SetTabsPerRow(int count)
{
    m_tabsPerRow = qMax(1, count);
    resizeEvent(nullptr);
    update();
}

void TabControl::SetTabHeight(double twips)
{
    m_tabHeight = qMax(0.0, twips);
    resizeEvent(nullptr);
    update();
}

void TabControl::SetTab(int tab)
{
    if (tab < 0 || tab >= m_captions.size() || tab == m_tab)
        return;
    m_tab = tab;
    UpdatePages();
    update();
    m_strip->update();
}

int TabControl::RowCount() const
{
    const int count = static_cast<int>(m_captions.size());
    return qMax(1, (count + m_tabsPerRow - 1) / m_tabsPerRow);
}

QRect TabControl::TabRect(int tab) const
{
    const int rows = RowCount();
    const int rowHeight = TwipsToPixelEdge(m_tabHeight);
    const int currentRow = m_tab / m_tabsPerRow;
    const int row = tab / m_tabsPerRow;
    // The current tab's row lies next to the panel; the others keep their
    // order above it.
    int line = 0;
    if (row == currentRow)
        line = rows - 1;
    else
        line = row < currentRow ? row : row - 1;
    const int column = tab % m_tabsPerRow;
    const int x0 = width() * column / m_tabsPerRow;
    const int x1 = width() * (column + 1) / m_tabsPerRow;
    return QRect(x0, line * rowHeight, x1 - x0, rowHeight);
}

void TabControl::UpdatePages()
{
    for (QObject* child : children()) {
        if (auto* page = qobject_cast<TabPage*>(child))
            page->setVisible(page->TabNumber() == m_tab);
    }
    m_strip->raise();
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    if (event)
        Control::resizeEvent(event);
    m_strip->setGeometry(0, 0, width(), RowCount() * TwipsToPixelEdge(m_tabHeight));
    m_strip->raise();
}

void TabControl::childEvent(QChildEvent* event)
{
    Control::childEvent(event);
    if (event->type() == QEvent::ChildPolished && qobject_cast<TabPage*>(event->child()))
        UpdatePages();
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_strip->height() - 1, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

TabPage::TabPage(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TabPage::SetTabNumber(int tab)
{
    m_tabNumber = tab;
    if (auto* owner = qobject_cast<TabControl*>(parentWidget()))
        owner->UpdatePages();
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(QWidget* parent)
    : Control(parent)
    , m_edit(new QLineEdit(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);
    ApplyLimit();
    // A longer text set by the program, once shortened, cannot grow back
    // past the limit.
    connect(m_edit, &QLineEdit::textChanged, this, &TextBox::ApplyLimit);
}

QString TextBox::Text() const
{
    return m_edit->text();
}

void TextBox::SetText(const QString& text)
{
    // A text set by the program is kept whole even beyond the limit; the
    // operator can then shorten it but not lengthen it.
    m_edit->setMaxLength(qMax(m_maxLength > 0 ? m_maxLength : 32767, static_cast<int>(text.size())));
    m_edit->setText(text);
}

void TextBox::SetMaxLength(int length)
{
    m_maxLength = qMax(0, length);
    ApplyLimit();
}

void TextBox::ApplyLimit()
{
    const int limit = m_maxLength > 0 ? m_maxLength : 32767;
    m_edit->setMaxLength(qMax(limit, static_cast<int>(m_edit->text().size())));
}

void TextBox::SetAlignmentCode(int alignment)
{
    m_alignment = alignment == 1 || alignment == 2 ? alignment : 0;
    m_edit->setAlignment(HorizontalAlignment(m_alignment) | Qt::AlignVCenter);
}

void TextBox::SetFontName(const QString& name)
{
    m_fontName = name;
    ApplyFont();
}

void TextBox::SetFontSize(double points)
{
    m_fontSize = points;
    ApplyFont();
}

void TextBox::SetFontBold(bool bold)
{
    m_fontBold = bold;
    ApplyFont();
}

void TextBox::ApplyFont()
{
    m_edit->setFont(DialogFont(font(), m_fontName, m_fontSize, m_fontBold));
}

void TextBox::resizeEvent(QResizeEvent* event)
{
    Control::resizeEvent(event);
    m_edit->setGeometry(rect());
}

// ---------------------------------------------------------------- OptionButton

namespace {
// A radio button that a click selects but never clears.
class OptionRadio final : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override
    {
        if (!isChecked())
            setChecked(true);
    }
};
} // namespace

OptionButton::OptionButton(QWidget* parent)
    : Control(parent)
    , m_button(new OptionRadio(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_button);
    // Exclusion is kept by the container's option buttons themselves, so
    // that none may be selected.
    m_button->setAutoExclusive(false);
    connect(m_button, &QRadioButton::clicked, this, [this] {
        SetValue(true);
        emit Click();
    });
}

QString OptionButton::Caption() const
{
    return m_button->text();
}

void OptionButton::SetCaption(const QString& caption)
{
    m_button->setText(caption);
    FitCaption();
}

void OptionButton::FitCaption()
{
    // The button's own font again, then smaller until indicator and text fit.
    m_button->setFont(QFont());
    const int designPixels = QFontInfo(m_button->font()).pixelSize();
    for (int pixels = designPixels - 1;
         pixels >= MinimumFittingPixels && m_button->sizeHint().width() > width() && width() > 0; --pixels) {
        QFont smaller = font();
        smaller.setPixelSize(pixels);
        m_button->setFont(smaller);
    }
}

bool OptionButton::Value() const
{
    return m_button->isChecked();
}

void OptionButton::SetValue(bool value)
{
    m_button->setChecked(value);
    if (!value || !parentWidget())
        return;
    for (QObject* sibling : parentWidget()->children()) {
        if (auto* other = qobject_cast<OptionButton*>(sibling); other && other != this)
            other->m_button->setChecked(false);
    }
}

void OptionButton::resizeEvent(QResizeEvent* event)
{
    Control::resizeEvent(event);
    m_button->setGeometry(rect());
    FitCaption();
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(QWidget* parent)
    : Control(parent)
    , m_box(new QCheckBox(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_box);
    connect(m_box, &QCheckBox::clicked, this, &CheckBox::Click);
}

QString CheckBox::Caption() const
{
    return m_box->text();
}

void CheckBox::SetCaption(const QString& caption)
{
    m_box->setText(caption);
}

bool CheckBox::Value() const
{
    return m_box->isChecked();
}

void CheckBox::SetValue(bool value)
{
    m_box->setChecked(value);
}

void CheckBox::resizeEvent(QResizeEvent* event)
{
    Control::resizeEvent(event);
    m_box->setGeometry(rect());
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(QWidget* parent)
    : Control(parent)
    , m_box(new QComboBox(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_box);
    m_box->setEditable(false);
    connect(m_box, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit Click();
    });
    SetHeight(0);
}

QString ComboBox::List() const
{
    QStringList entries;
    for (int i = 0; i < m_box->count(); ++i)
        entries << m_box->itemText(i);
    return entries.join(u'|');
}

void ComboBox::SetList(const QString& entries)
{
    const QSignalBlocker quiet(m_box);
    m_box->clear();
    if (!entries.isEmpty())
        m_box->addItems(entries.split(u'|'));
    m_box->setCurrentIndex(-1);
}

int ComboBox::ListIndex() const
{
    return m_box->currentIndex();
}

void ComboBox::SetListIndex(int index)
{
    m_box->setCurrentIndex(index >= 0 && index < m_box->count() ? index : -1);
}

void ComboBox::SetHeight(double)
{
    // The list's own height, as the system's drop-down lists have.
    Control::SetHeight(m_box->sizeHint().height() * TwipsPerPixel);
}

void ComboBox::resizeEvent(QResizeEvent* event)
{
    Control::resizeEvent(event);
    m_box->setGeometry(rect());
}

// ---------------------------------------------------------------- VScrollBar

VScrollBar::VScrollBar(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void VScrollBar::SetMin(int min)
{
    m_min = min;
    m_max = qMax(m_max, m_min);
    SetValue(m_value);
}

void VScrollBar::SetMax(int max)
{
    m_max = max;
    m_min = qMin(m_min, m_max);
    SetValue(m_value);
}

void VScrollBar::SetValue(int value)
{
    value = qBound(m_min, value, m_max);
    if (value == m_value)
        return;
    m_value = value;
    update();
    emit Change();
}

void VScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect arrows[2] = { QRect(0, 0, width(), half), QRect(0, half, width(), height() - half) };
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = arrows[i];
        button.state &= ~QStyle::State_HasFocus;
        button.state |= m_pressedArrow == i + 1 ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = arrows[i].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(
            i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void VScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const bool upper = event->position().y() < height() / 2.0;
    m_pressedArrow = upper ? 1 : 2;
    SetValue(m_value + (upper ? m_smallChange : -m_smallChange));
    update();
    event->accept();
}

void VScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressedArrow = 0;
    update();
    event->accept();
}

void VScrollBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        SetValue(m_value + m_smallChange);
        break;
    case Qt::Key_Down:
        SetValue(m_value - m_smallChange);
        break;
    case Qt::Key_Home:
        SetValue(m_min);
        break;
    case Qt::Key_End:
        SetValue(m_max);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace kv
