#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace kv {

class Form;

struct DesignProperty
{
    const char* Name;
    QVariant Value;
};

// One control of a form's design: its name (and index within a control
// array, -1 for none), class, container ("" for the form itself), position
// and size in twips, and any further properties by name.
struct ControlDesign
{
    const char* Name;
    int Index;
    const char* Type;
    const char* Container;
    double Left;
    double Top;
    double Width;
    double Height;
    std::vector<DesignProperty> Properties;
};

// A design text in the language now in effect. The design tables hold
// English; each form's texts are translated in the context of its class
// ("kv::frmOptions"). A list of entries joined by "|" whose translation has
// another number of entries stays English rather than misplace an entry.
QString TranslateDesignText(const QByteArray& context, const QString& source);

// Creates a control of the named class ("Label", "TimeLED", ...), or null.
QObject* CreateControl(const QString& typeName, QWidget* parent);

// The widgets that take the focus by Tab for the form's controls (a control's
// focus proxy where it has one), in tab-index order; controls with equal tab
// indexes keep their design order.
QList<QWidget*> TabChain(const Form& form);

// Builds the designed controls onto the form, in design order, which becomes
// the form's control collection order. Windowed controls stack above the
// windowless ones of their container, and the tab order follows the TabIndex
// properties. Captions, tab captions and list entries are translated as they
// are applied (see TranslateDesignText) and again whenever the language
// changes (Form::Retranslate). Returns the problems met (unknown class, container or property).
QStringList BuildForm(Form& form, const std::vector<ControlDesign>& design);

} // namespace kv
