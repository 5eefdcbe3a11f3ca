// Writes Kestrava's start-up pictures into the Pics folder given as the only argument.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/pics/artwork.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrava_make_pics <Pics folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // Sizes are the pixel sizes of the picture boxes in the main option window.
    const QSize preview(437, 355);
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {
        {"ButtBack.bmp", kestrava::DrawButtonBackdrop(QSize(145, 353))},
        {"AllPic.jpg", kestrava::DrawAllMachines(preview)},
        {"Trans.jpg", kestrava::DrawTransformerPicture(preview)},
        {"Motor.jpg", kestrava::DrawMotorPicture(preview)},
        {"Gen.jpg", kestrava::DrawGeneratorPicture(preview)},
        {"Others.jpg", kestrava::DrawOthersPicture(preview)},
    };
    for (const auto& picture : pictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.name));
        if (!picture.image.save(path, nullptr, 92)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
