#include "display/form.h"

#include "display/control.h"
#include "display/formdesign.h"
#include "display/twips.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QWindowStateChangeEvent>

#include <cmath>

namespace kv {

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window)
{ }

void Form::AddControl(QObject* control)
{
    m_controls.append(control);
}

void Form::AddDesignText(QObject* control, const char* property, const QString& source)
{
    m_designTexts.append({ control, property, source });
}

void Form::Retranslate()
{
    const QByteArray context = metaObject()->className();
    for (const DesignText& text : std::as_const(m_designTexts)) {
        if (!text.Control)
            continue;
        // A list keeps its selected entry.
        const QVariant index = text.Control->property("ListIndex");
        text.Control->setProperty(text.Property, TranslateDesignText(context, text.Source));
        if (index.isValid())
            text.Control->setProperty("ListIndex", index);
    }
}

QObject* Form::Control(const QString& name, int index) const
{
    for (QObject* control : m_controls) {
        if (control->objectName() == name && ControlIndex(control) == index)
            return control;
    }
    return nullptr;
}

double Form::Width() const
{
    return frameGeometry().width() * TwipsPerPixel;
}

double Form::Height() const
{
    return frameGeometry().height() * TwipsPerPixel;
}

double Form::ScaleWidth() const
{
    return width() * TwipsPerPixel;
}

double Form::ScaleHeight() const
{
    return height() * TwipsPerPixel;
}

void Form::SetClientSize(double widthTwips, double heightTwips)
{
    resize(static_cast<int>(std::lround(widthTwips / TwipsPerPixel)),
        static_cast<int>(std::lround(heightTwips / TwipsPerPixel)));
}

int Form::WindowState() const
{
    const Qt::WindowStates states = windowState();
    if (states & Qt::WindowMinimized)
        return 1;
    if (states & Qt::WindowMaximized || states & Qt::WindowFullScreen)
        return 2;
    return 0;
}

void Form::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        return;
    }
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) {
        QResizeEvent resize(size(), size());
        QCoreApplication::sendEvent(this, &resize);
    }
}

} // namespace kv
