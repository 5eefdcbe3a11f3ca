#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

#include "app/app_identity.h"
#include "app/kestrava_application.h"
#include "ui/qt_message_boxes.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(kestrava::AppTitle());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    kestrava::ui::QtMessageBoxes boxes;
    kestrava::KestravaApplication kestrava(boxes, QCoreApplication::applicationDirPath(),
                                           kestrava::DesktopSystemInfoTools());
    // Exit ends the program at once, without asking the windows again.
    QObject::connect(&kestrava, &kestrava::KestravaApplication::quitRequested, &app,
                     [] { QCoreApplication::exit(0); });
    if (qEnvironmentVariableIsSet("KESTRAVA_MEASURE_STARTUP")) {
        // Printed once the main option window has been painted for the first time.
        QObject::connect(&kestrava, &kestrava::KestravaApplication::optionWindowShown, &app, [&] {
            QTimer::singleShot(0, &app, [&] {
                std::fprintf(stderr, "startup-ms %lld\n",
                             static_cast<long long>(sinceLaunch.elapsed()));
            });
        });
    }
    kestrava.Start();
    return QApplication::exec();
}
