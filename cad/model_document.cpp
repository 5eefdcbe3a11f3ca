#include "cad/model_document.h"

#include <algorithm>
#include <utility>

#include "cad/model_export.h"

namespace kestrava::cad {

template <class Event>
void ModelDocument::Notify(Event event) {
    // A copy, so that a listener may remove itself while it is told.
    const std::vector<ModelDocumentListener*> listeners = listeners_;
    for (ModelDocumentListener* listener : listeners) event(*listener);
}

std::size_t ModelDocument::AddSolid(TopoDS_Shape shape, std::string name) {
    solids_.push_back(ModelSolid{std::move(shape), kDefaultColorIndex, true, std::move(name), {}});
    const std::size_t index = solids_.size() - 1;
    Notify([index](ModelDocumentListener& l) { l.OnSolidAdded(index); });
    return index;
}

void ModelDocument::SetSolidColor(std::size_t index, int colorIndex) {
    solids_.at(index).colorIndex = colorIndex;
    Notify([index](ModelDocumentListener& l) { l.OnSolidChanged(index); });
}

void ModelDocument::SetSolidVisible(std::size_t index, bool visible) {
    solids_.at(index).visible = visible;
    Notify([index](ModelDocumentListener& l) { l.OnSolidChanged(index); });
}

void ModelDocument::SetSolidPart(std::size_t index, ModelPart part) {
    ModelSolid& solid = solids_.at(index);
    solid.part = part;
    solid.name = PartName(part);
    Notify([index](ModelDocumentListener& l) { l.OnSolidChanged(index); });
}

void ModelDocument::SetViewDirection(Point3 direction) {
    view_.viewDirection = direction;
    Notify([](ModelDocumentListener& l) { l.OnViewChanged(); });
}

void ModelDocument::SetPerspective(bool on) {
    view_.perspective = on;
    Notify([](ModelDocumentListener& l) { l.OnViewChanged(); });
}

void ModelDocument::SetVisualStyle(VisualStyle style) {
    view_.visualStyle = style;
    Notify([](ModelDocumentListener& l) { l.OnViewChanged(); });
}

void ModelDocument::RequestInteractiveCommand(InteractiveCommand kind) {
    view_.lastInteractiveCommand = kind;
    Notify([kind](ModelDocumentListener& l) { l.OnInteractiveCommand(kind); });
}

void ModelDocument::AddListener(ModelDocumentListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
        listeners_.push_back(listener);
    }
}

void ModelDocument::RemoveListener(ModelDocumentListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

CadStatus ModelDocument::SaveStep(const std::filesystem::path& path) const {
    return WriteStepFile(solids_, path);
}

CadStatus ModelDocument::SaveGltf(const std::filesystem::path& path) const {
    return WriteGltfFile(solids_, path);
}

}  // namespace kestrava::cad
