#pragma once

#include <QList>
#include <QString>

namespace kv {

class Form;
class Image;
class PictureBox;

// The board colours these routines apply (0x00BBGGRR), handed in by the
// form that owns the settings.
struct BoardColors
{
    int FormBack = 0;
    int LEDBack = 0;
    int BorderColor = 0;
};

// Gives an LED display (every element, where the name is a control array)
// the lit colour and the LED background colour ledBack.
void SetLedColors(const Form& form, const QString& displayName, int colour, int ledBack);

// Colours every control of the form by its class: label text and lines in
// BorderColor, picture boxes in FormBack, shape borders in LEDBack. Controls
// whose names are among the exclusions (a whole control array by its name)
// are left alone.
void ApplyBoardColors(const Form& form, const QList<QString>& exclusions, const BoardColors& colours);

// Loads the picture file into the image and fits it, centred and keeping its
// proportions, into the container. An empty path, a missing file or a file
// that is no readable picture leaves the image empty.
void FitPicture(Image& image, const PictureBox& container, const QString& path);

} // namespace kv
