#include "app/startup_procedure.h"

#include <QLabel>
#include <QPixmap>

#include "app/option_window.h"
#include "app/startup_progress.h"
#include "engine/installation_paths.h"
#include "ui/path_text.h"

namespace kestrava {
namespace {

void Advance(StartupProgress& progress, int step) {
    progress.SetValue(progress.Value() + step);
}

void LoadPicture(StartupProgress& progress, QLabel* target, const QString& path) {
    QPixmap pixmap;
    if (pixmap.load(path))
        target->setPixmap(pixmap);
    else
        progress.ReportMissingPicture(path);
}

}  // namespace

OptionWindow& RunStartup(StartupProgress& progress, DesignRecord& record,
                         const std::function<OptionWindow&()>& createOptionWindow,
                         const QString& installFolder) {
    const QString pics = ui::PathText(PicsFolder(ui::FsPath(installFolder))) + QLatin1Char('/');
    progress.SetMaximum(100);
    progress.SetValue(10);
    progress.ShowStep(QStringLiteral("Setting directory-path..."));
    record.engineError = false;
    record.tableFound = false;
    progress.ShowStep(QStringLiteral("Loading error protection variables..."));
    Advance(progress, 10);
    Advance(progress, 5);

    OptionWindow& option = createOptionWindow();
    progress.ShowStep(QStringLiteral("Loading main Option window..."));

    // Step text (if any), picture and advance, in the order the user sees them pass.
    const struct {
        const char* stepText;  // shown before the picture, or null
        OptionPicture picture;
        const char* file;
        int advance;
    } steps[] = {
        {nullptr, OptionPicture::ButtBack, "ButtBack.bmp", 15},
        {"Loading pictures...", OptionPicture::AllTime, "AllPic.jpg", 15},
        {"Loading pictures...", OptionPicture::Transformer, "Trans.jpg", 15},
        {"Loading Transformer files...", OptionPicture::Motor, "Motor.jpg", 15},
        {"Loading Motor files...", OptionPicture::Generator, "Gen.jpg", 5},
        {"Loading Generator files...", OptionPicture::Others, "Others.jpg", 10},
    };
    for (const auto& step : steps) {
        if (step.stepText != nullptr) progress.ShowStep(QString::fromLatin1(step.stepText));
        LoadPicture(progress, option.Picture(step.picture), pics + QString::fromLatin1(step.file));
        Advance(progress, step.advance);
    }
    progress.ShowStep(QStringLiteral("Loading other files..."));
    option.ShowOverviewPreview();
    return option;
}

}  // namespace kestrava
