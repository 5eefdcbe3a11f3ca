#include "app/pics/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace kestrava {
namespace {

const QColor kSteel(0x5b, 0x6b, 0x7d);
const QColor kSteelLight(0x9a, 0xaa, 0xbb);
const QColor kCopper(0xc8, 0x7a, 0x3c);
const QColor kCopperLight(0xf0, 0xb0, 0x70);
const QColor kHvBlue(0x2f, 0x5f, 0xa8);
const QColor kHvBlueLight(0x7f, 0xa8, 0xe0);
const QColor kInk(0x1e, 0x2a, 0x38);

QImage NewCanvas(QSize size, QColor top, QColor bottom) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(image.rect(), sky);
    return image;
}

QLinearGradient Shaded(const QRectF& r, QColor light, QColor dark, bool horizontal = true) {
    QLinearGradient g(r.topLeft(), horizontal ? r.topRight() : r.bottomLeft());
    g.setColorAt(0, dark);
    g.setColorAt(0.45, light);
    g.setColorAt(1, dark);
    return g;
}

// A three-limb core with L.V. (copper) and H.V. (blue) windings, inside 'area'.
void PaintTransformer(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = area.width();
    const double h = area.height();
    const QRectF tank(area.left() + 0.02 * w, area.top() + 0.12 * h, 0.96 * w, 0.86 * h);
    p.setPen(QPen(kInk.lighter(180), 1.5, Qt::DashLine));
    p.setBrush(QColor(0xdd, 0xe6, 0xee, 90));
    p.drawRoundedRect(tank, 8, 8);

    const QRectF core(area.left() + 0.1 * w, area.top() + 0.18 * h, 0.8 * w, 0.74 * h);
    const double yoke = 0.12 * core.height();
    const double limb = 0.11 * core.width();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Shaded(core, kSteelLight, kSteel, false));
    p.drawRect(QRectF(core.left(), core.top(), core.width(), yoke));
    p.drawRect(QRectF(core.left(), core.bottom() - yoke, core.width(), yoke));
    for (int i = 0; i < 3; ++i) {
        const double cx = core.left() + limb / 2 + i * (core.width() - limb) / 2;
        const QRectF limbRect(cx - limb / 2, core.top() + yoke, limb, core.height() - 2 * yoke);
        p.setBrush(Shaded(limbRect, kSteelLight, kSteel));
        p.drawRect(limbRect);
        const QRectF hv(cx - limb * 1.45, limbRect.top() + 0.06 * limbRect.height(), limb * 2.9,
                        0.88 * limbRect.height());
        p.setBrush(Shaded(hv, kHvBlueLight, kHvBlue));
        p.drawRoundedRect(hv, 4, 4);
        p.setPen(QPen(kHvBlue.darker(150), 1));
        for (double y = hv.top() + hv.height() / 6; y < hv.bottom() - 2; y += hv.height() / 6)
            p.drawLine(QPointF(hv.left(), y), QPointF(hv.right(), y));
        const QRectF lv(cx - limb * 0.9, hv.top() - 0.04 * limbRect.height(), limb * 1.8,
                        0.08 * limbRect.height());
        p.setPen(QPen(kInk, 1));
        p.setBrush(Shaded(lv, kCopperLight, kCopper));
        p.drawRect(lv);
        p.drawRect(lv.translated(0, hv.height() - 0.0 * limbRect.height()));
        // Bushing on the tank lid for this phase.
        const QRectF bushing(cx - limb * 0.25, tank.top() - 0.1 * h, limb * 0.5, 0.1 * h);
        p.setBrush(QColor(0xf4, 0xf1, 0xe8));
        p.drawRoundedRect(bushing, 3, 3);
    }
    p.restore();
}

void PaintMotor(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = area.width();
    const double h = area.height();
    const QRectF body(area.left() + 0.15 * w, area.top() + 0.2 * h, 0.62 * w, 0.55 * h);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0x44, 0x55, 0x66));
    p.drawRect(QRectF(body.left() + 0.05 * w, body.bottom(), 0.12 * w, 0.14 * h));
    p.drawRect(QRectF(body.right() - 0.17 * w, body.bottom(), 0.12 * w, 0.14 * h));
    p.setBrush(Shaded(body, QColor(0x8f, 0xc0, 0x9a), QColor(0x2e, 0x6b, 0x45), false));
    p.drawRoundedRect(body, 10, 10);
    p.setPen(QPen(QColor(0x1f, 0x4a, 0x30), 1.5));
    for (int i = 1; i < 8; ++i) {
        const double x = body.left() + i * body.width() / 8;
        p.drawLine(QPointF(x, body.top() + 4), QPointF(x, body.bottom() - 4));
    }
    p.setPen(QPen(kInk, 1.2));
    const QRectF box(body.center().x() - 0.08 * w, body.top() - 0.12 * h, 0.16 * w, 0.12 * h);
    p.setBrush(QColor(0x3a, 0x7d, 0x52));
    p.drawRect(box);
    const QRectF shaft(body.right(), body.center().y() - 0.04 * h, 0.15 * w, 0.08 * h);
    p.setBrush(Shaded(shaft, kSteelLight, kSteel, false));
    p.drawRect(shaft);
    p.restore();
}

void PaintGenerator(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double w = area.width();
    const double h = area.height();
    const QRectF base(area.left() + 0.05 * w, area.top() + 0.78 * h, 0.9 * w, 0.1 * h);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0x55, 0x5f, 0x6a));
    p.drawRect(base);
    const double statorSide = std::min(0.5 * w, 0.6 * h);
    const QRectF stator(area.left() + 0.12 * w, area.top() + 0.78 * h - statorSide, statorSide,
                        statorSide);
    QRadialGradient shine(stator.center(), stator.width() / 1.6);
    shine.setColorAt(0, QColor(0xff, 0xd7, 0x7a));
    shine.setColorAt(1, QColor(0xb8, 0x7a, 0x12));
    p.setBrush(shine);
    p.drawEllipse(stator);
    p.setBrush(QColor(0x6b, 0x4a, 0x10));
    p.drawEllipse(stator.adjusted(stator.width() * 0.35, stator.height() * 0.35,
                                  -stator.width() * 0.35, -stator.height() * 0.35));
    const QRectF exciter(stator.right() + 0.03 * w, area.top() + 0.4 * h, 0.22 * w, 0.38 * h);
    p.setBrush(Shaded(exciter, QColor(0xff, 0xe0, 0x9a), QColor(0xa0, 0x70, 0x20), false));
    p.drawRoundedRect(exciter, 6, 6);
    const QRectF shaft(stator.right() - 0.02 * w, area.top() + 0.56 * h, 0.05 * w, 0.05 * h);
    p.setBrush(kSteel);
    p.drawRect(shaft);
    p.restore();
}

void PaintInstrument(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(area.width(), area.height());
    const QRectF face(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Shaded(face, QColor(0xdd, 0xdd, 0xe6), QColor(0x70, 0x70, 0x80)));
    p.drawRoundedRect(face, side * 0.12, side * 0.12);
    const QRectF dial = face.adjusted(side * 0.12, side * 0.12, -side * 0.12, -side * 0.12);
    p.setBrush(QColor(0xfa, 0xf8, 0xf0));
    p.drawEllipse(dial);
    const QPointF c = dial.center();
    const double r = dial.width() / 2;
    for (int i = 0; i <= 10; ++i) {
        const double a = (210.0 - i * 24.0) * M_PI / 180.0;
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(c + dir * r * 0.78, c + dir * r * 0.92);
    }
    p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.2));
    const double needle = 65.0 * M_PI / 180.0;
    p.drawLine(c, c + QPointF(std::cos(needle), -std::sin(needle)) * r * 0.8);
    p.setBrush(kInk);
    p.drawEllipse(c, r * 0.06, r * 0.06);
    p.restore();
}

void PaintCaption(QPainter& p, const QRectF& area, const QString& text) {
    p.save();
    QFont font("DejaVu Sans", 1, QFont::Bold);
    font.setPixelSize(std::max(10, static_cast<int>(area.height() * 0.055)));
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(area.adjusted(0, area.height() * 0.02, 0, 0), Qt::AlignHCenter | Qt::AlignTop, text);
    p.restore();
}

QRectF Inset(const QRectF& r, double top) {
    return r.adjusted(r.width() * 0.06, r.height() * top, -r.width() * 0.06, -r.height() * 0.04);
}

}  // namespace

QImage DrawButtonBackdrop(QSize size) {
    QImage image = NewCanvas(size, QColor(0x1d, 0x3d, 0x6e), QColor(0x8e, 0xb4, 0xe3));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int y = -size.width(); y < size.height(); y += 14)
        p.drawLine(0, y, size.width(), y + size.width());
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(2, 2, -2, -2), 8, 8);
    return image;
}

QImage DrawAllMachines(QSize size) {
    QImage image = NewCanvas(size, QColor(0xf7, 0xf9, 0xfc), QColor(0xcf, 0xdb, 0xea));
    QPainter p(&image);
    const QRectF all(image.rect());
    PaintCaption(p, all, QStringLiteral("Electrical machines"));
    const double w = all.width() / 2;
    const double h = (all.height() * 0.88) / 2;
    const double top = all.height() * 0.12;
    PaintTransformer(p, Inset(QRectF(0, top, w, h), 0.04));
    PaintMotor(p, Inset(QRectF(w, top, w, h), 0.04));
    PaintGenerator(p, Inset(QRectF(0, top + h, w, h), 0.04));
    PaintInstrument(p, Inset(QRectF(w, top + h, w, h), 0.08));
    return image;
}

QImage DrawTransformerPicture(QSize size) {
    QImage image = NewCanvas(size, QColor(0xf4, 0xf7, 0xfb), QColor(0xc7, 0xd6, 0xe8));
    QPainter p(&image);
    PaintCaption(p, QRectF(image.rect()), QStringLiteral("Three-phase core-type transformer"));
    PaintTransformer(p, Inset(QRectF(image.rect()), 0.12));
    return image;
}

QImage DrawMotorPicture(QSize size) {
    QImage image = NewCanvas(size, QColor(0xf4, 0xfa, 0xf5), QColor(0xc4, 0xe0, 0xcc));
    QPainter p(&image);
    PaintCaption(p, QRectF(image.rect()), QStringLiteral("Induction motor"));
    PaintMotor(p, Inset(QRectF(image.rect()), 0.14));
    return image;
}

QImage DrawGeneratorPicture(QSize size) {
    QImage image = NewCanvas(size, QColor(0xfd, 0xf8, 0xee), QColor(0xeb, 0xd9, 0xb4));
    QPainter p(&image);
    PaintCaption(p, QRectF(image.rect()), QStringLiteral("Generator"));
    PaintGenerator(p, Inset(QRectF(image.rect()), 0.12));
    return image;
}

QImage DrawOthersPicture(QSize size) {
    QImage image = NewCanvas(size, QColor(0xf7, 0xf5, 0xfb), QColor(0xd8, 0xd2, 0xea));
    QPainter p(&image);
    const QRectF all(image.rect());
    PaintCaption(p, all, QStringLiteral("Machines and instruments"));
    const double w = all.width() / 2;
    PaintInstrument(p, Inset(QRectF(0, all.height() * 0.15, w, all.height() * 0.8), 0.1));
    PaintInstrument(p, Inset(QRectF(w, all.height() * 0.15, w, all.height() * 0.8), 0.1));
    return image;
}

QImage DrawLogo(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    QRadialGradient disc(r.center() - QPointF(r.width() * 0.15, r.height() * 0.15),
                         r.width() * 0.7);
    disc.setColorAt(0, QColor(0x4f, 0x8a, 0xd8));
    disc.setColorAt(1, QColor(0x12, 0x2e, 0x5c));
    p.setPen(QPen(QColor(0xf0, 0xb0, 0x70), std::max(1.5, r.width() * 0.03)));
    p.setBrush(disc);
    p.drawEllipse(r);
    PaintTransformer(
        p, r.adjusted(r.width() * 0.2, r.height() * 0.16, -r.width() * 0.2, -r.height() * 0.24));
    QFont font("DejaVu Sans", 1, QFont::Bold);
    font.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.13)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(r.left(), r.bottom() - r.height() * 0.26, r.width(), r.height() * 0.18),
               Qt::AlignCenter, QStringLiteral("K"));
    return image;
}

QImage DrawExitIcon(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    QRadialGradient disc(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.8);
    disc.setColorAt(0, QColor(0xf2, 0x6b, 0x5b));
    disc.setColorAt(1, QColor(0x9c, 0x1c, 0x14));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(r);
    QPen pen(Qt::white, std::max(1.5, r.width() * 0.09), Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF ring =
        r.adjusted(r.width() * 0.27, r.height() * 0.27, -r.width() * 0.27, -r.height() * 0.27);
    p.drawArc(ring, 120 * 16, -300 * 16);
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.2), r.center());
    return image;
}

}  // namespace kestrava
