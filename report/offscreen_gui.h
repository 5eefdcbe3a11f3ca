#pragma once

#include <memory>

class QGuiApplication;

namespace kestrava::report {

// The QGuiApplication that fonts and painting need in a program without windows. With no
// display named in the environment it runs on the offscreen platform, so reports can be made on
// a server. Reuses the application when one exists already.
class OffscreenGui {
  public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    std::unique_ptr<QGuiApplication> owned_;
};

}  // namespace kestrava::report
