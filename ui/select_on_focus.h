#pragma once

#include <QObject>

class QLineEdit;

namespace kestrava::ui {

// Selects the whole text of a line edit whenever it gains the focus, so typing replaces it.
class SelectOnFocus final : public QObject {
    Q_OBJECT
  public:
    // Installs the behaviour on 'edit'; the filter is owned by it.
    static void Install(QLineEdit* edit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

}  // namespace kestrava::ui
