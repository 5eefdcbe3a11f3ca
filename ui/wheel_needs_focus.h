#pragma once

#include <QObject>

class QComboBox;

namespace kestrava::ui {

// Keeps the mouse wheel from changing a list the user is only scrolling past: the wheel acts on
// the list only while it has the focus.
class WheelNeedsFocus final : public QObject {
    Q_OBJECT
  public:
    // Installs the behaviour on 'list'; the filter is owned by it.
    static void Install(QComboBox* list);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

}  // namespace kestrava::ui
