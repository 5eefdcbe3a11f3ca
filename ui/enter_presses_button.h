#pragma once

#include <QObject>

class QWidget;

namespace kestrava::ui {

// Lets Enter press the focused push button, as Space does. Outside dialogs Qt passes the key on
// to the window, which would press its default button instead of the one the user is on.
class EnterPressesButton final : public QObject {
    Q_OBJECT
  public:
    // Installs the behaviour on every push button inside 'window', and on those later added to it
    // directly; the filter is owned by the window.
    static void InstallIn(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

}  // namespace kestrava::ui
