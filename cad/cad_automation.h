#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "cad/automation_vocabulary.h"
#include "cad/model_part.h"
#include "engine/result.h"

namespace kestrava::cad {

// A failed request to a CAD workspace: its number and description.
struct CadError {
    long number = 0;
    std::string description;
};

// The outcome of a request that yields nothing.
using CadStatus = Result<void, CadError>;

// The outcome of a request that yields a value.
template <class T>
using CadResult = Result<T, CadError>;

struct Point3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// The active viewport's settings that the model build changes.
struct Viewport {
    Point3 viewDirection{0.0, 0.0, 1.0};
};

// A 3-D solid of a workspace document.
class CadSolid {
  public:
    virtual ~CadSolid() = default;
    // The colour as a CAD colour index (1 red ... 7 white, 8-255 the standard palette).
    virtual CadResult<int> Color() const = 0;
    virtual CadStatus SetColor(int colorIndex) = 0;
    virtual CadStatus SetVisible(bool visible) = 0;
    // Tells the solid which part of the transformer it is, which also names it in saved files;
    // solids of workspaces that keep no parts accept and ignore it.
    virtual CadStatus SetPart(ModelPart /*part*/) { return {}; }
};

using SolidHandle = std::shared_ptr<CadSolid>;

// The open drawing of a workspace.
class CadDocument {
  public:
    virtual ~CadDocument() = default;
    // A box centred on 'origin': 'length' along X, 'width' along Y, 'height' along Z.
    virtual CadResult<SolidHandle> AddBox(Point3 origin, double length, double width,
                                          double height) = 0;
    // A cylinder whose axis runs along Z through 'centre', half its height above and below.
    virtual CadResult<SolidHandle> AddCylinder(Point3 centre, double radius, double height) = 0;
    virtual CadResult<Viewport> ActiveViewport() const = 0;
    virtual CadStatus SetActiveViewport(const Viewport& viewport) = 0;
    // Runs 'command' as if typed at the command line; it ends in one space.
    virtual CadStatus SendCommand(std::string_view command) = 0;
    // Writes the drawing to 'path'.
    virtual CadStatus SaveAs(const std::filesystem::path& path) = 0;
};

using DocumentHandle = std::shared_ptr<CadDocument>;

// One started workspace instance.
class CadApplication {
  public:
    virtual ~CadApplication() = default;
    virtual CadResult<DocumentHandle> ActiveDocument() = 0;
    virtual CadStatus SetWindowState(WindowState state) = 0;
    virtual CadStatus SetVisible(bool visible) = 0;
    virtual CadStatus ZoomExtents() = 0;
    virtual CadStatus Quit() = 0;
    // Raises and activates the workspace window.
    virtual CadStatus BringToForeground() = 0;
};

using ApplicationHandle = std::shared_ptr<CadApplication>;

// Starts workspace instances by programmatic identifier; never attaches to a running one.
class CadLauncher {
  public:
    virtual ~CadLauncher() = default;
    virtual CadResult<ApplicationHandle> Create(std::string_view programmaticId) = 0;
};

}  // namespace kestrava::cad
