#pragma once

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace kestrava::ui::testing {

// Lets queued layout and painting finish for 'milliseconds', then saves a picture of 'widget'
// to 'file'; false (and a line on standard error) when it cannot be written.
inline bool SaveScreenshot(QWidget& widget, const QString& file, int milliseconds = 600) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    if (widget.grab().save(file)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return false;
}

}  // namespace kestrava::ui::testing
