#include "display/formdesign.h"

#include "display/controls.h"
#include "display/dialogcontrols.h"
#include "display/form.h"
#include "display/leds.h"
#include "timing/mmcontrol.h"
#include "timing/timekeeper.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>
#include <vector>

namespace kv {

QObject* CreateControl(const QString& typeName, QWidget* parent)
{
    if (typeName == QLatin1String("Label"))
        return new Label(parent);
    if (typeName == QLatin1String("PictureBox"))
        return new PictureBox(parent);
    if (typeName == QLatin1String("Shape"))
        return new Shape(parent);
    if (typeName == QLatin1String("Line"))
        return new Line(parent);
    if (typeName == QLatin1String("Frame"))
        return new Frame(parent);
    if (typeName == QLatin1String("CommandButton"))
        return new CommandButton(parent);
    if (typeName == QLatin1String("Image"))
        return new Image(parent);
    if (typeName == QLatin1String("TimeLED"))
        return new TimeLED(parent);
    if (typeName == QLatin1String("NumberLED"))
        return new NumberLED(parent);
    if (typeName == QLatin1String("PolyLED"))
        return new PolyLED(parent);
    if (typeName == QLatin1String("TimeKeeper"))
        return new TimeKeeper(parent);
    if (typeName == QLatin1String("Timer"))
        return new Timer(parent);
    if (typeName == QLatin1String("MMControl"))
        return new MMControl(parent);
    // Dialog controls.
    if (typeName == QLatin1String("DialogLabel"))
        return new DialogLabel(parent);
    if (typeName == QLatin1String("CaptionFrame"))
        return new CaptionFrame(parent);
    if (typeName == QLatin1String("ColorBox"))
        return new ColorBox(parent);
    if (typeName == QLatin1String("SSTab"))
        return new TabControl(parent);
    if (typeName == QLatin1String("TabPage"))
        return new TabPage(parent);
    if (typeName == QLatin1String("TextBox"))
        return new TextBox(parent);
    if (typeName == QLatin1String("OptionButton"))
        return new OptionButton(parent);
    if (typeName == QLatin1String("CheckBox"))
        return new CheckBox(parent);
    if (typeName == QLatin1String("ComboBox"))
        return new ComboBox(parent);
    if (typeName == QLatin1String("VScrollBar"))
        return new VScrollBar(parent);
    return nullptr;
}

namespace {

// The properties that hold words of the design, on the controls that show
// words. Texts of the digit displays are numbers and stay as designed.
bool IsDesignText(const QObject* control, const char* property)
{
    if (qobject_cast<const NumberLED*>(control) || qobject_cast<const TimeLED*>(control)
        || qobject_cast<const PolyLED*>(control))
        return false;
    for (const char* name : { "Caption", "TabCaptions", "List" }) {
        if (qstrcmp(property, name) == 0)
            return true;
    }
    return false;
}

} // namespace

QString TranslateDesignText(const QByteArray& context, const QString& source)
{
    if (source.isEmpty())
        return source;
    const QString translated = QCoreApplication::translate(context.constData(), source.toUtf8().constData());
    if (translated.count(u'|') != source.count(u'|'))
        return source;
    return translated;
}

QStringList BuildForm(Form& form, const std::vector<ControlDesign>& design)
{
    QStringList problems;
    const QByteArray context = form.metaObject()->className();
    for (const ControlDesign& item : design) {
        QWidget* container = &form;
        if (*item.Container) {
            container = form.ControlAs<QWidget>(QString::fromLatin1(item.Container));
            if (!container) {
                problems << QStringLiteral("%1: no container %2").arg(item.Name, item.Container);
                continue;
            }
        }
        QObject* control = CreateControl(QString::fromLatin1(item.Type), container);
        if (!control) {
            problems << QStringLiteral("%1: unknown class %2").arg(item.Name, item.Type);
            continue;
        }
        control->setObjectName(QString::fromLatin1(item.Name));
        if (item.Index >= 0)
            SetControlIndex(control, item.Index);
        if (auto* visual = qobject_cast<kv::Control*>(control)) {
            visual->SetLeft(item.Left);
            visual->SetTop(item.Top);
            visual->SetWidth(item.Width);
            visual->SetHeight(item.Height);
        }
        for (const DesignProperty& property : item.Properties) {
            QVariant value = property.Value;
            const bool text = value.typeId() == QMetaType::QString && IsDesignText(control, property.Name);
            if (text)
                value = TranslateDesignText(context, property.Value.toString());
            if (control->metaObject()->indexOfProperty(property.Name) < 0
                || !control->setProperty(property.Name, value)) {
                problems << QStringLiteral("%1: cannot set %2").arg(item.Name, property.Name);
                continue;
            }
            if (text)
                form.AddDesignText(control, property.Name, property.Value.toString());
        }
        form.AddControl(control);
    }

    // Windowed controls lie above the windowless ones of the same container.
    for (QObject* control : form.Controls()) {
        if (auto* visual = qobject_cast<kv::Control*>(control); visual && visual->IsWindowed())
            visual->raise();
    }

    // Tab order by tab index.
    const QList<QWidget*> chain = TabChain(form);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    return problems;
}

QList<QWidget*> TabChain(const Form& form)
{
    std::vector<std::pair<int, QWidget*>> chain;
    for (QObject* object : form.Controls()) {
        auto* control = qobject_cast<Control*>(object);
        if (!control)
            continue;
        QWidget* target = control;
        while (target->focusProxy())
            target = target->focusProxy();
        if (target->focusPolicy() & Qt::TabFocus)
            chain.emplace_back(control->TabIndex(), target);
    }
    std::stable_sort(
        chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QWidget*> targets;
    for (const auto& entry : chain)
        targets.append(entry.second);
    return targets;
}

} // namespace kv
