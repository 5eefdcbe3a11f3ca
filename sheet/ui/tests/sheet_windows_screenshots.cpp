// Grabs frmDsgnSheet and frmSave into PNG files for the documentation: run under a real X server
// (xvfb-run) so that fonts and the style look as on a desktop.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <cstdio>

#include "records/param_record_store.h"
#include "sheet/ui/design_sheet_window.h"
#include "sheet/ui/select_path_dialog.h"
#include "ui/testing/save_screenshot.h"
#include "ui/testing/scripted_message_boxes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sheet_windows_screenshots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    kestrava::ui::testing::ScriptedMessageBoxes boxes;
    const kestrava::ParamRecordStore store(std::filesystem::path("/nonexistent"));
    const kestrava::DesignRecord record;
    kestrava::DesignSheetWindow window(boxes, store, QStringLiteral("/opt/kestrava"),
                                       QStringLiteral("Kestrava"));
    window.ShowDesign(record, kestrava::RatingTexts{});
    bool saved = kestrava::ui::testing::SaveScreenshot(
        window, out.filePath(QStringLiteral("design-sheet-window.png")));

    auto* owner = window.findChild<QLineEdit*>(QStringLiteral("txtPath"));
    kestrava::SelectPathDialog dialog(boxes, *owner, QStringLiteral("frmSave"),
                                      QStringLiteral("Kestrava"), kestrava::MountedVolumes(),
                                      &window);
    dialog.show();
    saved = kestrava::ui::testing::SaveScreenshot(
                dialog, out.filePath(QStringLiteral("select-path.png"))) &&
            saved;
    return saved ? 0 : 1;
}
