#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace kestrava {

// Gives a widget a tooltip that is composed afresh whenever the mouse moves over it.
class HoverToolTip final : public QObject {
    Q_OBJECT
  public:
    // Installs the behaviour on 'widget'; the filter is owned by it.
    static void Install(QWidget* widget, std::function<QString()> text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HoverToolTip(QWidget* widget, std::function<QString()> text);

    std::function<QString()> text_;
};

}  // namespace kestrava
