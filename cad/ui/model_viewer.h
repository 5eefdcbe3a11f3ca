#pragma once

#include <AIS_InteractiveContext.hxx>
#include <AIS_Shape.hxx>
#include <AIS_ViewController.hxx>
#include <PrsDim_LengthDimension.hxx>
#include <V3d_View.hxx>
#include <V3d_Viewer.hxx>

#include <QOpenGLWidget>
#include <QTimer>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "cad/model_document.h"
#include "cad/ui/occt_handles.h"

namespace kestrava::cad::ui {

// A shaded 3-D view of one ModelDocument, kept in step with it through its listener. Mouse: the
// left button pans (orbits after "3dOrbit "), the middle button orbits, the right button and the
// wheel zoom; Escape ends an interactive command.
class ModelViewer : public QOpenGLWidget,
                    protected AIS_ViewController,
                    public ModelDocumentListener {
    Q_OBJECT

  public:
    // Mirrors 'document' (its current solids and view, then every change) until destroyed.
    explicit ModelViewer(std::shared_ptr<ModelDocument> document, QWidget* parent = nullptr);
    ~ModelViewer() override;

    // Fits every shown solid into the view at the next frame.
    void FitAll();

    // The interactive command in progress, or None.
    InteractiveCommand ActiveCommand() const { return activeCommand_; }
    // Vertices picked so far for the dimension in progress (0 or 1).
    std::size_t PickedVertexCount() const { return pickedPoints_.size(); }
    // The dimensions placed so far.
    const std::vector<DimensionPresentationHandle>& Dimensions() const { return dimensions_; }
    // Whether the solid at 'index' is on screen.
    bool IsSolidDisplayed(std::size_t index) const;
    // The shaded presentation of the solid at 'index'.
    const ShapePresentationHandle& SolidPresentation(std::size_t index) const;
    const ViewHandle& View() const { return view_; }
    // The widget position where 'point' appears (after the first frame).
    QPoint ProjectToWidget(const gp_Pnt& point) const;
    // True once OCCT could not use Qt's OpenGL context.
    bool GraphicsFailed() const { return graphicsFailed_; }

    void OnSolidAdded(std::size_t index) override;
    void OnSolidChanged(std::size_t index) override;
    void OnViewChanged() override;
    void OnInteractiveCommand(InteractiveCommand kind) override;

  signals:
    // The second vertex of a dimension was picked and the dimension placed.
    void dimensionPlaced();

  protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    bool UpdateMouseClick(const Graphic3d_Vec2i& point, Aspect_VKeyMouse button,
                          Aspect_VKeyFlags modifiers, bool isDoubleClick) override;
    void OnSelectionChanged(const InteractiveContextHandle& context,
                            const ViewHandle& view) override;
    void handleViewRedraw(const InteractiveContextHandle& context, const ViewHandle& view) override;

  private:
    void ApplySolidAttributes(std::size_t index);
    void ApplyViewSettings();
    void SetNavigationGestures(bool leftButtonOrbits);
    void StartDimension();
    void PlaceDimension();
    void StartContinuousOrbit();
    void TurnCameraStep();
    void EndInteractiveCommand();
    void RequestRedraw();
    // A widget position in the view's device pixels.
    Graphic3d_Vec2i ViewPoint(const QPointF& position) const;
    // Hands a press, release or move to the view controller; redraws if it changed the view.
    void ForwardMouseEvent(const QMouseEvent& event);

    std::shared_ptr<ModelDocument> document_;
    ViewerHandle viewer_;
    ViewHandle view_;
    InteractiveContextHandle context_;
    std::vector<ShapePresentationHandle> solids_;
    std::vector<DimensionPresentationHandle> dimensions_;
    std::vector<gp_Pnt> pickedPoints_;
    InteractiveCommand activeCommand_ = InteractiveCommand::None;
    QTimer orbitTimer_;
    bool fitPending_ = false;
    bool graphicsFailed_ = false;
};

}  // namespace kestrava::cad::ui
