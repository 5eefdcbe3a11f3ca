#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "sheet/ui/mounted_volumes.h"
#include "ui/message_boxes.h"

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace kestrava {

// The design sheet file proposed in 'folder' of the volume rooted at 'volumeRoot'.
QString SheetPathInFolder(const QString& volumeRoot, const QString& folder);

// frmSave / frmSaveCalcDetail ("Select Path"): picks a volume and a folder for the path box it
// fills, its owner box. Nothing is checked or created on disk.
class SelectPathDialog : public QDialog {
    Q_OBJECT

  public:
    // 'dialogName' is the objectName: "frmSave" or "frmSaveCalcDetail".
    SelectPathDialog(ui::MessageBoxes& boxes, QLineEdit& ownerBox, const QString& dialogName,
                     QString appTitle, std::vector<Volume> volumes, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void ChangeVolume(int index);
    bool ShowVolume(int index);
    void ShowOnlyVolumeRoot();
    void OpenFolder(const QString& folder);
    void AcceptPath();

    ui::WindowMessageBoxes boxes_;
    QLineEdit& ownerBox_;
    QString appTitle_;
    std::vector<Volume> volumes_;
    int ownerVolume_ = 0;
    int rootVolume_ = 0;
    int shownVolume_ = -1;

    QComboBox* driveList_ = nullptr;   // dvlDL
    QTreeView* folderTree_ = nullptr;  // Dir1
    QFileSystemModel* folders_ = nullptr;
    QLineEdit* fileNameBox_ = nullptr;     // txtSaveAs
    QPushButton* okButton_ = nullptr;      // cmdOk
    QPushButton* cancelButton_ = nullptr;  // Command1
};

}  // namespace kestrava
