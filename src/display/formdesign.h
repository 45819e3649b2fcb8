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

// Creates a control of the named class ("Label", "TimeLED", ...), or null.
QObject* CreateControl(const QString& typeName, QWidget* parent);

// The widgets that take the focus by Tab for the form's controls (a control's
// focus proxy where it has one), in tab-index order; controls with equal tab
// indexes keep their design order.
QList<QWidget*> TabChain(const Form& form);

// Builds the designed controls onto the form, in design order, which becomes
// the form's control collection order. Windowed controls stack above the
// windowless ones of their container, and the tab order follows the TabIndex
// properties. Returns the problems met (unknown class, container or property).
QStringList BuildForm(Form& form, const std::vector<ControlDesign>& design);

} // namespace kv
