#pragma once

#include <QWidget>
#include <array>

#include "engine/design_record.h"
#include "engine/rating_texts.h"
#include "ui/default_button.h"
#include "ui/message_boxes.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kestrava {

class ConductorTableSource;
class ParamRecordStore;

// The consistency warning: four lines joined by CR LF.
QString InconsistentDesignWarning();

// frmTransformerCalc: entry and checking of the ratings, the design run, and the list of
// earlier ratings from the record store.
class TransformerCalcWindow final : public QWidget {
    Q_OBJECT
  public:
    // 'record' receives the inputs and the result of each run; 'table' and 'store' outlive
    // the window. The record list is filled at once.
    TransformerCalcWindow(ui::MessageBoxes& boxes, const ParamRecordStore& store,
                          ConductorTableSource& table, DesignRecord& record, QString appTitle,
                          QWidget* parent = nullptr);

    // The ratings as typed, for the design sheet and the record store.
    RatingTexts CurrentTexts() const;
    // Empties the list of earlier ratings and fills it again, loading the newest.
    void RefillRecordList();
    // The button that Enter presses.
    QPushButton* DefaultPushButton() const { return defaultButton_.Button(); }

  signals:
    void designReady();      // a design was computed; the window has hidden itself
    void backRequested();    // Back: the window has hidden itself
    void closedToOptions();  // frame close answered Yes: the window closes, options return
    void exitConfirmed();    // Exit answered Yes: the program ends

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void SetTabOrder();
    bool IsMandatoryBox(const QObject* object) const;
    bool PassesLeaveCheck(QLineEdit* box);
    void Next();
    // Puts the focus on the refused text and says why.
    void RefuseText(RatingField field);
    void FillRecordList();
    void LoadSelectedRecord();
    void Warn(const QString& text);

    ui::WindowMessageBoxes boxes_;
    const ParamRecordStore& store_;
    ConductorTableSource& table_;
    DesignRecord& record_;
    QString appTitle_;
    ui::DefaultButton defaultButton_;
    bool checking_ = false;           // a leave check is showing its message
    bool emptyStoreNoticed_ = false;  // the user has been told that nothing is saved yet

    QLineEdit* primaryVoltageBox_ = nullptr;    // txtPrmVolt
    QLineEdit* kvaBox_ = nullptr;               // txtKVARating
    QLineEdit* secondaryVoltageBox_ = nullptr;  // txtSecondVolt
    QLineEdit* tappingBox_ = nullptr;           // txtTapping
    QLineEdit* frequencyBox_ = nullptr;         // txtFrequency
    QComboBox* connectionList_ = nullptr;       // cboConnType
    QComboBox* windowTypeList_ = nullptr;       // cboWin
    QComboBox* phaseList_ = nullptr;            // cboPhase
    QComboBox* recordList_ = nullptr;           // cboFile
    QPushButton* exitButton_ = nullptr;         // cmdExit
    QPushButton* backButton_ = nullptr;         // cmdBack
    QPushButton* nextButton_ = nullptr;         // cmdNext
};

}  // namespace kestrava
