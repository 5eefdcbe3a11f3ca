#pragma once

#include <memory>
#include <string_view>

#include "cad/cad_automation.h"
#include "cad/model_document.h"

namespace kestrava::cad {

// The description of kInstanceGone, as the workspace reports it.
inline constexpr std::string_view kInstanceGoneText =
    "The remote server machine does not exist or is unavailable";
// Error number of a request the modelling kernel refused (its message is the description).
inline constexpr long kModelingFailure = 1001;
// Error number of a request with an unusable argument (unknown command, bad size, bad colour).
inline constexpr long kInvalidInput = 1002;
// Error number of a save that could not write its file.
inline constexpr long kSaveFailed = 1003;
// Error number of a launch for a programmatic identifier nobody answers to.
inline constexpr long kUnknownProgrammaticId = 1004;

// The window (or stand-in) that shows one workspace instance.
class WorkspaceHost {
  public:
    virtual ~WorkspaceHost() = default;
    // False once the user closed the window or after Quit.
    virtual bool IsOpen() const = 0;
    // 3 = maximised, 2 = minimised, 1 = normal.
    virtual void SetWindowState(int state) = 0;
    virtual void SetVisible(bool visible) = 0;
    // Fits the whole drawing into the view.
    virtual void ZoomExtents() = 0;
    virtual void BringToForeground() = 0;
    // Closes the window; IsOpen() is false afterwards.
    virtual void Quit() = 0;
};

// A host without a window: open until Quit() or Close(); records what it was asked to do.
class HeadlessHost : public WorkspaceHost {
  public:
    bool IsOpen() const override { return open_; }
    void SetWindowState(int state) override { windowState_ = state; }
    void SetVisible(bool visible) override { visible_ = visible; }
    void ZoomExtents() override { ++zoomCount_; }
    void BringToForeground() override { ++foregroundCount_; }
    void Quit() override { open_ = false; }
    // As if the user closed the window by hand.
    void Close() { open_ = false; }

    int WindowState() const { return windowState_; }
    bool Visible() const { return visible_; }
    int ZoomCount() const { return zoomCount_; }
    int ForegroundCount() const { return foregroundCount_; }

  private:
    bool open_ = true;
    int windowState_ = 1;
    bool visible_ = false;
    int zoomCount_ = 0;
    int foregroundCount_ = 0;
};

struct WorkspaceSession;

// One workspace instance: the CadApplication whose active document is a ModelDocument shown by
// 'host'. Every request fails with kInstanceGone once the host is closed; kernel exceptions become
// CadError{kModelingFailure, message}. Document and solid handles keep the document alive.
// Solids created through the document take names by CadSolid::SetName.
class ModelWorkspace : public CadApplication {
  public:
    explicit ModelWorkspace(std::shared_ptr<WorkspaceHost> host);

    // The drawing a viewer mirrors (stays valid while this workspace or a handle lives).
    ModelDocument& Document();
    std::shared_ptr<ModelDocument> SharedDocument() const;
    WorkspaceHost& Host();

    CadResult<DocumentHandle> ActiveDocument() override;
    CadStatus SetWindowState(int state) override;
    CadStatus SetVisible(bool visible) override;
    CadStatus ZoomExtents() override;
    CadStatus Quit() override;
    CadStatus BringToForeground() override;

  private:
    std::shared_ptr<WorkspaceSession> session_;
    DocumentHandle document_;
};

// The programmatic identifier a launcher answers to.
inline constexpr std::string_view kWorkspaceProgrammaticId = "AutoCAD.Application";

// Starts a new ModelWorkspace on its own HeadlessHost for each Create(kWorkspaceProgrammaticId).
class HeadlessLauncher : public CadLauncher {
  public:
    CadResult<ApplicationHandle> Create(std::string_view programmaticId) override;
};

}  // namespace kestrava::cad
