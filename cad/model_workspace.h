#pragma once

#include <memory>
#include <string_view>

#include "cad/cad_automation.h"
#include "cad/model_document.h"

namespace kestrava::cad {

// The window (or stand-in) that shows one workspace instance.
class WorkspaceHost {
  public:
    virtual ~WorkspaceHost() = default;
    // False once the user closed the window or after Quit.
    virtual bool IsOpen() const = 0;
    virtual void SetWindowState(WindowState state) = 0;
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
    void SetWindowState(WindowState state) override { windowState_ = state; }
    void SetVisible(bool visible) override { visible_ = visible; }
    void ZoomExtents() override { ++zoomCount_; }
    void BringToForeground() override { ++foregroundCount_; }
    void Quit() override { open_ = false; }
    // As if the user closed the window by hand.
    void Close() { open_ = false; }

    WindowState CurrentWindowState() const { return windowState_; }
    bool Visible() const { return visible_; }
    int ZoomCount() const { return zoomCount_; }
    int ForegroundCount() const { return foregroundCount_; }

  private:
    bool open_ = true;
    WindowState windowState_ = WindowState::Normal;
    bool visible_ = false;
    int zoomCount_ = 0;
    int foregroundCount_ = 0;
};

struct WorkspaceSession;

// One workspace instance: the CadApplication whose active document is a ModelDocument shown by
// 'host'. Every request fails with kInstanceGone once the host is closed; kernel exceptions become
// CadError{kModelingFailure, message}. Document and solid handles keep the document alive.
// Solids created through the document learn their part, and with it their name, by
// CadSolid::SetPart.
class ModelWorkspace : public CadApplication {
  public:
    explicit ModelWorkspace(std::shared_ptr<WorkspaceHost> host);

    // The drawing a viewer mirrors (stays valid while this workspace or a handle lives).
    ModelDocument& Document();
    std::shared_ptr<ModelDocument> SharedDocument() const;
    WorkspaceHost& Host();

    CadResult<DocumentHandle> ActiveDocument() override;
    CadStatus SetWindowState(WindowState state) override;
    CadStatus SetVisible(bool visible) override;
    CadStatus ZoomExtents() override;
    CadStatus Quit() override;
    CadStatus BringToForeground() override;

  private:
    std::shared_ptr<WorkspaceSession> session_;
    DocumentHandle document_;
};

// Starts a new ModelWorkspace on its own HeadlessHost for each Create(kWorkspaceProgrammaticId).
class HeadlessLauncher : public CadLauncher {
  public:
    CadResult<ApplicationHandle> Create(std::string_view programmaticId) override;
};

}  // namespace kestrava::cad
