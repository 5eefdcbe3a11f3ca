#include "cad/transformer_model_builder.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "cad/model_workspace.h"
#include "engine/installation_paths.h"

namespace kestrava::cad {
namespace {

constexpr int kProgressStep = 5;
constexpr int kLaunchProgressStep = 15;

// Colour indices of the model's parts.
constexpr int kCoreColor = 181;
constexpr int kHvWindingColor = 145;
constexpr int kTankColor = 161;
constexpr int kLvWindingColor = 142;
constexpr int kInsulationColor = 7;

// The wide cross plates stand this far beyond each yoke end, as a fraction of the core's
// circumscribing diameter.
constexpr double kPlateOverhangPerDiameter = 0.16;

// Receives the error of every operation the build skips.
using SkipSink = std::function<void(const CadError&)>;

// The build's dimensions, read from the design record (mm; the tank in m).
struct ModelDimensions {
    explicit ModelDimensions(const DesignRecord& r)
        : d(r.circumscribingCircleDiameter),
          wideStep(r.coreStepWidthA),
          narrowStep(r.coreStepWidthB),
          windowHeight(r.windowHeight),
          limbDistance(r.adjacentLimbDistance),
          yokeHeight(r.yokeHeight),
          yokeDepth(r.yokeDepth),
          frameHeight(r.frameHeight),
          frameWidth(r.frameWidth),
          hvHeight(r.hvWindingHeight),
          hvOutside(r.hvOutsideDiameter),
          hvInside(r.hvInsideDiameter),
          lvOutside(r.lvOutsideDiameter),
          lvInside(r.lvInsideDiameter),
          tankLength(r.tankLength),
          tankWidth(r.tankWidth),
          tankHeight(r.tankHeight),
          coreMidHeight(r.yokeHeight + r.windowHeight / 2.0) {}

    // The axis point of limb k (1-3) at the core's mid-height.
    Point3 LimbCentre(int k) const {
        const double x = k == 1 ? 0.0 : (k == 2 ? limbDistance : 2.0 * limbDistance);
        return {x, 0.0, coreMidHeight};
    }

    double d, wideStep, narrowStep, windowHeight, limbDistance, yokeHeight, yokeDepth, frameHeight,
        frameWidth;
    double hvHeight, hvOutside, hvInside, lvOutside, lvInside;
    double tankLength, tankWidth, tankHeight;
    double coreMidHeight;
};

// One run of the build sequence: each failing operation is handed to 'skipped' and the
// run goes on with the next one.
class ModelBuild {
  public:
    ModelBuild(const DesignRecord& record, BuildFeedback& feedback, SkipSink skipped)
        : dim_(record), feedback_(feedback), skipped_(std::move(skipped)) {}

    TransformerModel Run(CadLauncher& launcher, const std::filesystem::path& stepFile,
                         const std::filesystem::path& gltfFile) {
        feedback_.ShowProgressWindow();
        feedback_.SetProgressMaximum(kBuildProgressMaximum);
        feedback_.SetProgressValue(1);
        // The growth factor of the nested cylinders' heights, computed this way on purpose.
        const double f = 1010.0 / 1000.0;

        Advance();
        feedback_.SetMessage("Connecting to AutoCAD...");
        Connect(launcher);
        Advance(kLaunchProgressStep);

        DrawCore();
        DrawWindingsAndTank(f);
        SetView();

        feedback_.SetMessage("Saving the AutoCAD file...");
        Save(stepFile);
        Save(gltfFile);
        if (App()) Check(App()->ZoomExtents());
        Advance();

        feedback_.CloseProgressWindow();
        feedback_.ShowClosingMessage(kClosingMessage);
        return std::move(model_);
    }

  private:
    CadApplication* App() const { return model_.cadConnection.acadApp.get(); }
    CadDocument* Doc() const { return model_.cadConnection.acadDoc.get(); }

    void Advance(int step = kProgressStep) {
        feedback_.SetProgressValue(feedback_.ProgressValue() + step);
    }

    void Check(const CadStatus& status) {
        if (!status.has_value()) Skip(status.error());
    }

    void Skip(const CadError& error) {
        failed_ = true;
        skipped_(error);
    }

    void Connect(CadLauncher& launcher) {
        auto app = launcher.Create(kWorkspaceProgrammaticId);
        if (!app.has_value()) return Skip(app.error());
        model_.cadConnection.acadApp = app.value();
        auto doc = App()->ActiveDocument();
        if (!doc.has_value()) return Skip(doc.error());
        model_.cadConnection.acadDoc = doc.value();
    }

    SolidHandle AsPart(CadResult<SolidHandle> created, ModelPart part) {
        if (!created.has_value()) {
            Skip(created.error());
            return {};
        }
        Check(created.value()->SetPart(part));
        return created.value();
    }

    SolidHandle Box(Point3 centre, double length, double width, double height, ModelPart part) {
        if (!Doc()) return Missing();
        return AsPart(Doc()->AddBox(centre, length, width, height), part);
    }

    SolidHandle Cylinder(Point3 centre, double radius, double height, ModelPart part) {
        if (!Doc()) return Missing();
        return AsPart(Doc()->AddCylinder(centre, radius, height), part);
    }

    SolidHandle Missing() {
        Skip(CadError{kInstanceGone, "No drawing to draw into"});
        return {};
    }

    void ApplyColor(const SolidHandle& solid, int colorIndex) {
        if (solid) Check(solid->SetColor(colorIndex));
    }

    // The next core box takes the colour read from the box drawn before it.
    void CopyColor(const SolidHandle& from, const SolidHandle& to) {
        if (!from || !to) return;
        const CadResult<int> color = from->Color();
        if (!color.has_value()) return Skip(color.error());
        Check(to->SetColor(color.value()));
    }

    void DrawCore() {
        static constexpr std::array<std::string_view, 3> kLimbMessages{
            "Drawing 1st limb...", "Drawing 2nd limb...", "Drawing 3rd limb..."};
        auto& plates = model_.modelSolids.limbPlates;
        SolidHandle previous;
        for (int k = 1; k <= 3; ++k) {
            const auto wide = static_cast<std::size_t>(2 * (k - 1));
            plates[wide] = Box(dim_.LimbCentre(k), dim_.wideStep, dim_.narrowStep, dim_.frameHeight,
                               {PartKind::LimbWidePlate, k});
            if (k == 1) {
                ApplyColor(plates[wide], kCoreColor);
            } else {
                CopyColor(previous, plates[wide]);
            }
            Advance();
            plates[wide + 1] = Box(dim_.LimbCentre(k), dim_.narrowStep, dim_.wideStep,
                                   dim_.frameHeight, {PartKind::LimbCrossPlate, k});
            CopyColor(plates[wide], plates[wide + 1]);
            Advance();
            previous = plates[wide + 1];
            feedback_.SetMessage(kLimbMessages[static_cast<std::size_t>(k - 1)]);
        }

        const double yokeLength = dim_.frameWidth - 2.0 * (kPlateOverhangPerDiameter * dim_.d);
        const double halfWindow = dim_.windowHeight / 2.0;
        const double halfYoke = dim_.yokeHeight / 2.0;
        auto& upper = model_.modelSolids.upperYoke;
        upper = Box({dim_.limbDistance, 0.0, dim_.coreMidHeight + halfWindow + halfYoke},
                    yokeLength, dim_.yokeDepth, dim_.yokeHeight, {PartKind::UpperYoke});
        CopyColor(previous, upper);
        Advance();
        feedback_.SetMessage("Drawing upper yoke...");

        auto& lower = model_.modelSolids.lowerYoke;
        lower = Box({dim_.limbDistance, 0.0, dim_.coreMidHeight - halfWindow - halfYoke},
                    yokeLength, dim_.yokeDepth, dim_.yokeHeight, {PartKind::LowerYoke});
        CopyColor(upper, lower);
        Advance();
        feedback_.SetMessage("Drawing lower yoke...");
    }

    // Three concentric cylinders, one per limb, each followed by a progress step, then coloured.
    void DrawCylinderSet(std::array<SolidHandle, 3>& set, double radius, double height,
                         int colorIndex, PartKind kind) {
        for (int k = 1; k <= 3; ++k) {
            set[static_cast<std::size_t>(k - 1)] =
                Cylinder(dim_.LimbCentre(k), radius, height, {kind, k});
            Advance();
        }
        for (const SolidHandle& solid : set) ApplyColor(solid, colorIndex);
    }

    void DrawWindingsAndTank(double f) {
        ModelSolids& solids = model_.modelSolids;
        const double h = dim_.hvHeight;

        feedback_.SetMessage("Drawing H.V. windings...");
        DrawCylinderSet(solids.hvWindings, dim_.hvOutside / 2.0, h, kHvWindingColor,
                        PartKind::HvWinding);

        solids.tankSolid = Box(dim_.LimbCentre(2), 1000.0 * dim_.tankLength,
                               1000.0 * dim_.tankWidth, 1000.0 * dim_.tankHeight, {PartKind::Tank});
        ApplyColor(solids.tankSolid, kTankColor);
        if (solids.tankSolid) Check(solids.tankSolid->SetVisible(false));
        feedback_.SetMessage("Drawing tank...");
        Advance();

        feedback_.SetMessage("Drawing L.V. windings...");
        DrawCylinderSet(solids.lvWindings, dim_.lvOutside / 2.0, f * (f * h), kLvWindingColor,
                        PartKind::LvWinding);
        feedback_.SetMessage("Drawing insulations between L.V. winding and core...");
        DrawCylinderSet(solids.coreInsulations, dim_.lvInside / 2.0, (f * (f * h)) * f,
                        kInsulationColor, PartKind::CoreInsulation);
        feedback_.SetMessage("Drawing insulations between L.V. and H.V. winding...");
        DrawCylinderSet(solids.lvHvInsulations, dim_.hvInside / 2.0, h * f, kInsulationColor,
                        PartKind::LvHvInsulation);
    }

    void SetView() {
        if (Doc()) {
            CadResult<Viewport> viewport = Doc()->ActiveViewport();
            if (viewport.has_value()) {
                Viewport changed = viewport.value();
                changed.viewDirection = {-1.0, -1.0, 1.0};
                Check(Doc()->SetActiveViewport(changed));
            } else {
                Skip(viewport.error());
            }
        }
        Advance();

        feedback_.SetMessage("Shading transformer...");
        Advance();
        for (std::string_view command :
             {kConceptualStyleCommand, kPerspectiveOnCommand, kSouthEastIsometricCommand}) {
            if (Doc()) Check(Doc()->SendCommand(command));
        }
        Advance();

        if (App()) {
            Check(App()->SetWindowState(WindowState::Maximised));
            Check(App()->SetVisible(true));
        }
    }

    // An empty path means the build is not saved; a model with a part missing never replaces a
    // saved one.
    void Save(const std::filesystem::path& path) {
        if (Doc() && !path.empty() && !failed_) Check(Doc()->SaveAs(path));
    }

    ModelDimensions dim_;
    BuildFeedback& feedback_;
    SkipSink skipped_;
    TransformerModel model_;
    bool failed_ = false;
};

}  // namespace

TransformerModel BuildTransformerModel(const DesignRecord& record, CadLauncher& launcher,
                                       BuildFeedback& feedback,
                                       const std::filesystem::path& installFolder) {
    const std::filesystem::path folder = ModelFolder(installFolder);
    return ModelBuild(record, feedback, [](const CadError&) {})
        .Run(launcher, folder / kModelStepFileName, folder / kModelGltfFileName);
}

CadStatus WriteTransformerModel(const DesignRecord& record, const std::filesystem::path& stepFile,
                                const std::filesystem::path& gltfFile) {
    HeadlessLauncher launcher;
    SilentBuildFeedback feedback;
    std::optional<CadError> firstFailure;
    ModelBuild(record, feedback, [&](const CadError& error) {
        if (!firstFailure) firstFailure = error;
    }).Run(launcher, stepFile, gltfFile);
    if (firstFailure) return Fail(*std::move(firstFailure));
    return {};
}

std::vector<ModelSolid> BuildModelSolids(const DesignRecord& record) {
    HeadlessLauncher launcher;
    SilentBuildFeedback feedback;
    const TransformerModel model =
        ModelBuild(record, feedback, [](const CadError&) {}).Run(launcher, {}, {});
    const auto* workspace = dynamic_cast<ModelWorkspace*>(model.cadConnection.acadApp.get());
    if (!workspace) return {};
    return workspace->SharedDocument()->Solids();
}

}  // namespace kestrava::cad
