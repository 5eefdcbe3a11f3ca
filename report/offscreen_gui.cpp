#include "report/offscreen_gui.h"

#include <QGuiApplication>

#include <cstdlib>

namespace kestrava::report {
namespace {

bool HasDisplay() {
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

}  // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance() != nullptr) return;
    if (!HasDisplay() && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static int argc = 1;
    static char name[] = "kestrava";
    static char* argv[] = {name, nullptr};
    owned_ = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace kestrava::report
