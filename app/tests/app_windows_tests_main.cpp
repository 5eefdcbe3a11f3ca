// Runs every window test class of the app subsystem in one process.
#include <QApplication>

int RunAboutWindowTests(int argc, char** argv);
int RunOptionWindowTests(int argc, char** argv);
int RunStartupTests(int argc, char** argv);
int RunTransformerCalcWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrava"));
    int failures = 0;
    failures += RunAboutWindowTests(argc, argv);
    failures += RunOptionWindowTests(argc, argv);
    failures += RunStartupTests(argc, argv);
    failures += RunTransformerCalcWindowTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
