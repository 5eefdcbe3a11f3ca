#pragma once

#include <QImage>
#include <QSize>

namespace kestrava {

// Kestrava's own pictures, drawn with QPainter so that no artwork files are shipped.

// The gradient backdrop behind the machine buttons.
QImage DrawButtonBackdrop(QSize size);
// The overview preview: transformer, motor, generator and instrument together.
QImage DrawAllMachines(QSize size);
// A three-limb core-type transformer with its windings and tank outline.
QImage DrawTransformerPicture(QSize size);
// An induction motor with its terminal box and feet.
QImage DrawMotorPicture(QSize size);
// A generator set with its exciter.
QImage DrawGeneratorPicture(QSize size);
// Measuring instruments.
QImage DrawOthersPicture(QSize size);
// The program's logo: a stylised three-limb core in a roundel, transparent outside.
QImage DrawLogo(QSize size);
// The picture of an exit button: a power symbol on a red disc, transparent outside.
QImage DrawExitIcon(QSize size);

}  // namespace kestrava
