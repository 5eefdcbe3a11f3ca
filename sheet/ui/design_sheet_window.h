#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "engine/design_record.h"
#include "engine/rating_texts.h"
#include "ui/default_button.h"
#include "ui/message_boxes.h"

class QLineEdit;
class QPushButton;

namespace kestrava {

class ParamRecordStore;

// Opens a saved file in the desktop's editor without waiting; returns the system's reason on
// failure.
using DocumentOpener = std::function<std::optional<QString>(const QString& path)>;

// The desktop's own handler for local files.
std::optional<QString> OpenWithDesktop(const QString& path);

// frmDsgnSheet: saves the design sheet of the design just computed, records its ratings, and
// leads on to the drawing window or back to the parameter window.
class DesignSheetWindow : public QWidget {
    Q_OBJECT

  public:
    DesignSheetWindow(ui::MessageBoxes& boxes, const ParamRecordStore& store, QString installFolder,
                      QString appTitle, QWidget* parent = nullptr);

    // Shows the window for the design just computed; 'record' outlives the window.
    void ShowDesign(const DesignRecord& record, const RatingTexts& texts);

    // Replaces how cmdOpenTxt opens the sheet (tests keep editors from starting).
    void SetDocumentOpener(DocumentOpener opener);

    // The file name of the last Save press; empty before the first.
    const QString& SheetFileName() const { return sheetFileName_; }

  signals:
    void backConfirmed();             // Back answered Yes: refill the record list, show parameters
    void viewTransformerRequested();  // cmdVwTrans: the window has hidden itself
    void resultsRequested();          // cmdResults: show the Results window for this design
    void exitConfirmed();             // Exit or close answered Yes: the program ends

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    // cmdDsgnSheet: checks the path, writes the sheet and keeps the record of its ratings.
    void SaveDesignSheet();
    // Creates the missing folders of 'path', then an empty file there; false when the Save
    // sequence stops instead (the path names a folder, or creating failed and was reported).
    bool CreateFoldersAndEmptyFile(const QString& path);
    void OpenDesignSheet();
    void ConfirmBack();
    // The exit question; on Yes emits exitConfirmed and returns true.
    bool ConfirmExit();
    // Shows the Select Path dialog 'dialogName' filling 'ownerBox'.
    void Browse(QLineEdit& ownerBox, const QString& dialogName);
    void ShowCritical(const QString& text);

    ui::WindowMessageBoxes boxes_;
    const ParamRecordStore& store_;
    QString installFolder_;
    QString appTitle_;
    DocumentOpener opener_;
    const DesignRecord* record_ = nullptr;
    RatingTexts texts_;
    QString sheetFileName_;
    ui::DefaultButton defaultButton_;  // the one Enter in a path box presses
    bool exiting_ = false;             // exit confirmed: a close that follows asks nothing more

    QLineEdit* detailPathBox_ = nullptr;            // txtPathCalcDetail
    QLineEdit* sheetPathBox_ = nullptr;             // txtPath
    QPushButton* browseDetailButton_ = nullptr;     // cmdBrowse4Calc
    QPushButton* saveDetailButton_ = nullptr;       // cmdCalcDetail
    QPushButton* browseSheetButton_ = nullptr;      // cmdBrowse
    QPushButton* saveSheetButton_ = nullptr;        // cmdDsgnSheet
    QPushButton* openSheetButton_ = nullptr;        // cmdOpenTxt
    QPushButton* viewTransformerButton_ = nullptr;  // cmdVwTrans
    QPushButton* backButton_ = nullptr;             // cmdCancel
    QPushButton* exitButton_ = nullptr;             // cmdExit
    QPushButton* resultsButton_ = nullptr;          // cmdResults
};

}  // namespace kestrava
