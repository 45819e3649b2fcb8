#include "display/modcolor.h"

#include "display/control.h"
#include "display/controls.h"
#include "display/form.h"

#include <QFileInfo>

namespace kv {

void SetLedColors(const Form& form, const QString& displayName, int colour, int ledBack)
{
    for (QObject* control : form.Controls()) {
        if (control->objectName() != displayName)
            continue;
        control->setProperty("BackColor", ledBack);
        control->setProperty("LitColor", colour);
    }
}

void ApplyBoardColors(const Form& form, const QList<QString>& exclusions, const BoardColors& colours)
{
    QString excluded = QStringLiteral("|");
    for (const QString& name : exclusions)
        excluded += name + u'|';
    for (QObject* control : form.Controls()) {
        if (excluded.contains(u'|' + control->objectName() + u'|'))
            continue;
        const QString type = TypeName(control);
        if (type == QLatin1String("Label"))
            control->setProperty("ForeColor", colours.BorderColor);
        else if (type == QLatin1String("PictureBox"))
            control->setProperty("BackColor", colours.FormBack);
        else if (type == QLatin1String("Shape"))
            control->setProperty("BorderColor", colours.LEDBack);
        else if (type == QLatin1String("Line"))
            control->setProperty("BorderColor", colours.BorderColor);
    }
}

void FitPicture(Image& image, const PictureBox& container, const QString& path)
{
    image.SetVisible(false);
    image.SetStretch(false);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        // No picture chosen, or its file is gone: the image shows none,
        // rather than whatever picture it held before.
        image.ClearPicture();
    } else {
        if (image.LoadPicture(path)) {
            const QSizeF natural = image.PictureSize();
            const double w = natural.width();
            const double h = natural.height();
            const double boxWidth = container.Width();
            const double boxHeight = container.Height();
            if (w > 0 && h > 0 && boxWidth > 0 && boxHeight > 0) {
                if (h / boxHeight > w / boxWidth) {
                    image.SetHeight(boxHeight);
                    image.SetWidth(boxHeight * w / h);
                } else {
                    image.SetWidth(boxWidth);
                    image.SetHeight(boxWidth * h / w);
                }
                image.SetLeft((boxWidth - image.Width()) / 2);
                image.SetTop((boxHeight - image.Height()) / 2);
            }
        }
    }
    image.SetStretch(true);
    image.SetVisible(true);
}

} // namespace kv
