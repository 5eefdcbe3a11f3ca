#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <TopoDS_Shape.hxx>

#include "cad/cad_automation.h"

namespace kestrava::cad {

// The colour index a new solid gets before anyone colours it (white).
inline constexpr int kDefaultColorIndex = 7;

// One solid of a model document.
struct ModelSolid {
    TopoDS_Shape shape;
    int colorIndex = kDefaultColorIndex;  // CAD colour index, see AciToRgb
    bool visible = true;
    std::string name;
    std::optional<ModelPart> part;  // none for a solid nobody told what it is
};

// How solids are drawn.
enum class VisualStyle { Wireframe, Conceptual };

// Commands that hand the next interaction to the user of a viewer.
enum class InteractiveCommand { None, Dimension, ContinuousOrbit, Orbit };

// The view settings that commands change.
struct ViewSettings {
    // From the target towards the eye, e.g. (1, -1, 1) for the south-east isometric view.
    Point3 viewDirection{0.0, 0.0, 1.0};
    bool perspective = false;
    VisualStyle visualStyle = VisualStyle::Wireframe;
    InteractiveCommand lastInteractiveCommand = InteractiveCommand::None;
};

// Told about every change of a ModelDocument, so that a viewer can mirror it.
class ModelDocumentListener {
  public:
    virtual ~ModelDocumentListener() = default;
    virtual void OnSolidAdded(std::size_t index) = 0;
    // Colour, visibility or name of the solid changed.
    virtual void OnSolidChanged(std::size_t index) = 0;
    // Direction, projection or visual style changed.
    virtual void OnViewChanged() = 0;
    virtual void OnInteractiveCommand(InteractiveCommand kind) = 0;
};

// The drawing of one workspace instance: an ordered list of solids and the view settings.
// Not thread-safe; listeners are called synchronously on the calling thread.
class ModelDocument {
  public:
    // Appends a solid drawn in the default colour, visible; returns its index.
    std::size_t AddSolid(TopoDS_Shape shape, std::string name);
    std::size_t SolidCount() const { return solids_.size(); }
    // 'index' must be below SolidCount().
    const ModelSolid& Solid(std::size_t index) const { return solids_.at(index); }
    const std::vector<ModelSolid>& Solids() const { return solids_; }

    void SetSolidColor(std::size_t index, int colorIndex);
    void SetSolidVisible(std::size_t index, bool visible);
    // Gives the solid its part and that part's name.
    void SetSolidPart(std::size_t index, ModelPart part);

    const ViewSettings& View() const { return view_; }
    void SetViewDirection(Point3 direction);
    void SetPerspective(bool on);
    void SetVisualStyle(VisualStyle style);
    // Records 'kind' as the last interactive command and forwards it to the listeners.
    void RequestInteractiveCommand(InteractiveCommand kind);

    // 'listener' must stay alive until removed.
    void AddListener(ModelDocumentListener* listener);
    void RemoveListener(ModelDocumentListener* listener);

    // Writes every solid, named and coloured, as STEP AP214; hidden solids stay hidden.
    CadStatus SaveStep(const std::filesystem::path& path) const;
    // Meshes the solids and writes the visible ones as binary glTF (.glb).
    CadStatus SaveGltf(const std::filesystem::path& path) const;

  private:
    template <class Event>
    void Notify(Event event);

    std::vector<ModelSolid> solids_;
    ViewSettings view_;
    std::vector<ModelDocumentListener*> listeners_;
};

}  // namespace kestrava::cad
