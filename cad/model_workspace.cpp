#include "cad/model_workspace.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <exception>
#include <string>
#include <utility>

#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <Precision.hxx>
#include <Standard_Failure.hxx>
#include <gp.hxx>
#include <gp_Ax2.hxx>
#include <gp_Pnt.hxx>

#include "cad/aci_palette.h"

namespace kestrava::cad {

// What the application, its document and its solids share: they all die with the host's window.
struct WorkspaceSession {
    std::shared_ptr<WorkspaceHost> host;
    std::shared_ptr<ModelDocument> document = std::make_shared<ModelDocument>();
    bool quit = false;

    bool Available() const { return !quit && host->IsOpen(); }
};

namespace {

// Runs 'request' if the instance still exists, turning kernel exceptions into errors.
template <class Request>
auto Guarded(const WorkspaceSession& session, Request&& request) -> decltype(request()) {
    if (!session.Available()) return Fail(CadError{kInstanceGone, std::string(kInstanceGoneText)});
    try {
        return request();
    } catch (const Standard_Failure& failure) {
        const char* message = failure.GetMessageString();
        const bool hasMessage = message != nullptr && *message != '\0';
        return Fail(
            CadError{kModelingFailure, hasMessage ? message : failure.DynamicType()->Name()});
    } catch (const std::exception& failure) {
        return Fail(CadError{kModelingFailure, failure.what()});
    }
}

Failure<CadError> InvalidInput(std::string description) {
    return Fail(CadError{kInvalidInput, std::move(description)});
}

// The kernel builds some solids thinner than its length tolerance without complaint, but
// they cannot be meshed or exported soundly.
bool IsPositiveLength(double value) {
    return std::isfinite(value) && value >= Precision::Confusion();
}

bool IsFinite(Point3 p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class WorkspaceSolid : public CadSolid {
  public:
    WorkspaceSolid(std::shared_ptr<WorkspaceSession> session, std::size_t index)
        : session_(std::move(session)), index_(index) {}

    CadResult<int> Color() const override {
        return Guarded(*session_,
                       [&]() -> CadResult<int> { return Document().Solid(index_).colorIndex; });
    }

    CadStatus SetColor(int colorIndex) override {
        return Guarded(*session_, [&]() -> CadStatus {
            if (!AciToRgb(colorIndex)) {
                return InvalidInput("Invalid colour index " + std::to_string(colorIndex));
            }
            Document().SetSolidColor(index_, colorIndex);
            return {};
        });
    }

    CadStatus SetVisible(bool visible) override {
        return Guarded(*session_, [&]() -> CadStatus {
            Document().SetSolidVisible(index_, visible);
            return {};
        });
    }

    CadStatus SetPart(ModelPart part) override {
        return Guarded(*session_, [&]() -> CadStatus {
            Document().SetSolidPart(index_, part);
            return {};
        });
    }

  private:
    ModelDocument& Document() const { return *session_->document; }

    std::shared_ptr<WorkspaceSession> session_;
    std::size_t index_;
};

// The command texts a workspace understands and what each does to the document.
struct CommandEntry {
    std::string_view text;
    void (*apply)(ModelDocument&);
};

constexpr std::array<CommandEntry, 6> kCommands{{
    {kConceptualStyleCommand, [](ModelDocument& d) { d.SetVisualStyle(VisualStyle::Conceptual); }},
    {kPerspectiveOnCommand, [](ModelDocument& d) { d.SetPerspective(true); }},
    {kSouthEastIsometricCommand,
     [](ModelDocument& d) {
         d.SetViewDirection({1.0, -1.0, 1.0});
     }},
    {kDimensionCommand,
     [](ModelDocument& d) { d.RequestInteractiveCommand(InteractiveCommand::Dimension); }},
    {kContinuousOrbitCommand,
     [](ModelDocument& d) { d.RequestInteractiveCommand(InteractiveCommand::ContinuousOrbit); }},
    {kOrbitCommand,
     [](ModelDocument& d) { d.RequestInteractiveCommand(InteractiveCommand::Orbit); }},
}};

class WorkspaceDocument : public CadDocument {
  public:
    explicit WorkspaceDocument(std::shared_ptr<WorkspaceSession> session)
        : session_(std::move(session)) {}

    CadResult<SolidHandle> AddBox(Point3 origin, double length, double width,
                                  double height) override {
        return Guarded(*session_, [&]() -> CadResult<SolidHandle> {
            if (!IsFinite(origin) || !IsPositiveLength(length) || !IsPositiveLength(width) ||
                !IsPositiveLength(height)) {
                return InvalidInput("A box needs a finite centre and positive sizes");
            }
            const gp_Pnt corner(origin.x - length / 2.0, origin.y - width / 2.0,
                                origin.z - height / 2.0);
            return Add(BRepPrimAPI_MakeBox(corner, length, width, height).Shape());
        });
    }

    CadResult<SolidHandle> AddCylinder(Point3 centre, double radius, double height) override {
        return Guarded(*session_, [&]() -> CadResult<SolidHandle> {
            if (!IsFinite(centre) || !IsPositiveLength(radius) || !IsPositiveLength(height)) {
                return InvalidInput("A cylinder needs a finite centre and positive sizes");
            }
            const gp_Ax2 axis(gp_Pnt(centre.x, centre.y, centre.z - height / 2.0), gp::DZ());
            return Add(BRepPrimAPI_MakeCylinder(axis, radius, height).Shape());
        });
    }

    CadResult<Viewport> ActiveViewport() const override {
        return Guarded(*session_, [&]() -> CadResult<Viewport> {
            return Viewport{session_->document->View().viewDirection};
        });
    }

    CadStatus SetActiveViewport(const Viewport& viewport) override {
        return Guarded(*session_, [&]() -> CadStatus {
            const Point3 d = viewport.viewDirection;
            if (!IsFinite(d) || (d.x == 0.0 && d.y == 0.0 && d.z == 0.0)) {
                return InvalidInput("A view direction must be a finite, non-zero vector");
            }
            session_->document->SetViewDirection(d);
            return {};
        });
    }

    CadStatus SendCommand(std::string_view command) override {
        return Guarded(*session_, [&]() -> CadStatus {
            const auto entry =
                std::find_if(kCommands.begin(), kCommands.end(),
                             [&](const CommandEntry& e) { return e.text == command; });
            if (entry == kCommands.end()) {
                return InvalidInput("Unknown command: \"" + std::string(command) + "\"");
            }
            entry->apply(*session_->document);
            return {};
        });
    }

    CadStatus SaveAs(const std::filesystem::path& path) override {
        return Guarded(*session_, [&]() -> CadStatus {
            const std::string extension = Lowercase(path.extension().string());
            if (extension == ".step" || extension == ".stp") {
                return session_->document->SaveStep(path);
            }
            if (extension == ".glb") return session_->document->SaveGltf(path);
            return InvalidInput("Cannot save a drawing as \"" + extension +
                                "\"; use .step, .stp or .glb");
        });
    }

  private:
    SolidHandle Add(const TopoDS_Shape& shape) {
        ModelDocument& document = *session_->document;
        const std::size_t index =
            document.AddSolid(shape, "Solid " + std::to_string(document.SolidCount() + 1));
        return std::make_shared<WorkspaceSolid>(session_, index);
    }

    std::shared_ptr<WorkspaceSession> session_;
};

}  // namespace

ModelWorkspace::ModelWorkspace(std::shared_ptr<WorkspaceHost> host)
    : session_(std::make_shared<WorkspaceSession>()) {
    session_->host = std::move(host);
    document_ = std::make_shared<WorkspaceDocument>(session_);
}

ModelDocument& ModelWorkspace::Document() {
    return *session_->document;
}

std::shared_ptr<ModelDocument> ModelWorkspace::SharedDocument() const {
    return session_->document;
}

WorkspaceHost& ModelWorkspace::Host() {
    return *session_->host;
}

CadResult<DocumentHandle> ModelWorkspace::ActiveDocument() {
    return Guarded(*session_, [&]() -> CadResult<DocumentHandle> { return document_; });
}

CadStatus ModelWorkspace::SetWindowState(WindowState state) {
    return Guarded(*session_, [&]() -> CadStatus {
        session_->host->SetWindowState(state);
        return {};
    });
}

CadStatus ModelWorkspace::SetVisible(bool visible) {
    return Guarded(*session_, [&]() -> CadStatus {
        session_->host->SetVisible(visible);
        return {};
    });
}

CadStatus ModelWorkspace::ZoomExtents() {
    return Guarded(*session_, [&]() -> CadStatus {
        session_->host->ZoomExtents();
        return {};
    });
}

CadStatus ModelWorkspace::Quit() {
    return Guarded(*session_, [&]() -> CadStatus {
        session_->quit = true;
        session_->host->Quit();
        return {};
    });
}

CadStatus ModelWorkspace::BringToForeground() {
    return Guarded(*session_, [&]() -> CadStatus {
        session_->host->BringToForeground();
        return {};
    });
}

CadResult<ApplicationHandle> HeadlessLauncher::Create(std::string_view programmaticId) {
    if (programmaticId != kWorkspaceProgrammaticId) {
        return Fail(CadError{kUnknownProgrammaticId, "Cannot create an instance of \"" +
                                                         std::string(programmaticId) + "\""});
    }
    return ApplicationHandle(std::make_shared<ModelWorkspace>(std::make_shared<HeadlessHost>()));
}

}  // namespace kestrava::cad
