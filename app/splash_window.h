#pragma once

#include <QWidget>

#include "app/startup_progress.h"

class QLabel;
class QLineEdit;
class QProgressBar;

namespace kestrava {

// frmSplash: the logo, the version and the progress of start-up.
class SplashWindow final : public QWidget, public StartupProgress {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void SetMaximum(int maximum) override;
    void SetValue(int value) override;
    int Value() const override;
    void ShowStep(const QString& text) override;
    // Writes the missing path to standard error.
    void ReportMissingPicture(const QString& path) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* sloganLabel_;        // label
    QLabel* logo_;               // imgLogo
    QLabel* versionLabel_;       // lblVersion
    QLineEdit* loadingBox_;      // txtLoading
    QProgressBar* progressBar_;  // PB
};

}  // namespace kestrava
