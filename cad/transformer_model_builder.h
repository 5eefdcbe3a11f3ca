#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_automation.h"
#include "cad/model_document.h"
#include "engine/design_record.h"

namespace kestrava::cad {

// The text of the information box that ends every build.
inline constexpr std::string_view kClosingMessage =
    "Now you may follow the designing of the transformer step by step .\r\n\r\n"
    "CAUTION: Don't close or minimize the AutoCAD window, otherwise this application will not "
    "run properly.";
// The progress bar's maximum during a build; a build without failures ends at 146.
inline constexpr int kBuildProgressMaximum = 200;

// The progress window and closing message of a build, as the user sees them.
class BuildFeedback {
  public:
    virtual ~BuildFeedback() = default;
    // Shows the progress window modeless and paints it at once.
    virtual void ShowProgressWindow() = 0;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressValue(int value) = 0;
    virtual int ProgressValue() const = 0;
    // Sets the message label and repaints it at once.
    virtual void SetMessage(std::string_view text) = 0;
    virtual void CloseProgressWindow() = 0;
    // A modal information box titled with the program title; returns when the user closes it.
    virtual void ShowClosingMessage(std::string_view text) = 0;
};

// Feedback for a build without a window: it only keeps the bar's value.
class SilentBuildFeedback : public BuildFeedback {
  public:
    void ShowProgressWindow() override {}
    void SetProgressMaximum(int) override {}
    void SetProgressValue(int value) override { value_ = value; }
    int ProgressValue() const override { return value_; }
    void SetMessage(std::string_view) override {}
    void CloseProgressWindow() override {}
    void ShowClosingMessage(std::string_view) override {}

  private:
    int value_ = 0;
};

// The workspace instance a build started and the document it drew into.
struct CadConnection {
    ApplicationHandle acadApp;
    DocumentHandle acadDoc;
};

// The 21 solids of a build by display group; a handle stays empty when its creation failed.
struct ModelSolids {
    // Limb 1 wide, limb 1 cross, limb 2 wide, limb 2 cross, limb 3 wide, limb 3 cross.
    std::array<SolidHandle, 6> limbPlates;
    SolidHandle upperYoke;
    SolidHandle lowerYoke;
    std::array<SolidHandle, 3> hvWindings;       // in limb order
    std::array<SolidHandle, 3> lvWindings;       // in limb order
    std::array<SolidHandle, 3> coreInsulations;  // between L.V. winding and core
    std::array<SolidHandle, 3> lvHvInsulations;  // between L.V. and H.V. winding
    SolidHandle tankSolid;
};

struct TransformerModel {
    CadConnection cadConnection;
    ModelSolids modelSolids;
};

// The files the build saves in the model folder (ModelFolder, engine/installation_paths.h).
inline constexpr std::string_view kModelStepFileName = "Trans1.step";
inline constexpr std::string_view kModelGltfFileName = "Trans1.glb";

// Starts a new workspace through 'launcher', builds, colours, shades and saves the 21 solids of
// 'record' and shows the closing message. Any failing operation is skipped, never reported; a
// build in which one failed saves nothing, so an earlier model stays whole.
TransformerModel BuildTransformerModel(const DesignRecord& record, CadLauncher& launcher,
                                       BuildFeedback& feedback,
                                       const std::filesystem::path& installFolder);

// Builds the model of 'record' without a window and saves it as STEP in 'stepFile' and as binary
// glTF in 'gltfFile' (an empty path skips that file); a build in which anything failed saves
// nothing. Returns the first failure.
CadStatus WriteTransformerModel(const DesignRecord& record, const std::filesystem::path& stepFile,
                                const std::filesystem::path& gltfFile);

// Builds the 21 solids of 'record' without a window or a file, in build order, named, coloured
// and with the tank hidden. Solids the kernel refused are missing.
std::vector<ModelSolid> BuildModelSolids(const DesignRecord& record);

}  // namespace kestrava::cad
