#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kestrava::ui::testing {

// Answers the next modal window from inside its event loop: 'answer' runs once on it when it is
// shown within 'timeoutMs'. A modal window that 'answer' leaves open (a failed check returned
// early) or that comes too late is closed, so that the call that opened it returns and the test
// fails on Answered() instead of hanging.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer, int timeoutMs = 5000)
        : answer_(std::move(answer)), timeoutMs_(timeoutMs) {
        clock_.start();
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start(10);
    }

    // True when a modal window appeared and 'answer' ran on it.
    bool Answered() const { return answered_; }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (answered_) poll_.stop();
            return;
        }
        if (!answered_ && clock_.elapsed() <= timeoutMs_) {
            answered_ = true;
            answer_(modal);
            return;
        }
        CloseModalWindows();
    }

    static void CloseModalWindows() {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            if (QApplication::activeModalWidget() == modal) modal->hide();
        }
    }

    std::function<void(QWidget*)> answer_;
    int timeoutMs_;
    QElapsedTimer clock_;
    QTimer poll_;
    bool answered_ = false;
};

}  // namespace kestrava::ui::testing
