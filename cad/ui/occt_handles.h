#pragma once

#include <Standard_Handle.hxx>

// Reference-counted handles to the modelling kernel's display objects, named once so that the
// viewer's code reads without the kernel's handle macro.
class AIS_InteractiveContext;
class AIS_Shape;
class Aspect_DisplayConnection;
class Aspect_NeutralWindow;
class Graphic3d_Camera;
class OpenGl_Context;
class OpenGl_FrameBuffer;
class OpenGl_GraphicDriver;
class OpenGl_View;
class Prs3d_DimensionAspect;
class Prs3d_Drawer;
class PrsDim_LengthDimension;
class V3d_AmbientLight;
class V3d_DirectionalLight;
class V3d_View;
class V3d_Viewer;

namespace kestrava::cad::ui {

using InteractiveContextHandle = opencascade::handle<AIS_InteractiveContext>;
using ShapePresentationHandle = opencascade::handle<AIS_Shape>;
using DimensionPresentationHandle = opencascade::handle<PrsDim_LengthDimension>;
using DimensionAspectHandle = opencascade::handle<Prs3d_DimensionAspect>;
using DrawerHandle = opencascade::handle<Prs3d_Drawer>;
using ViewHandle = opencascade::handle<V3d_View>;
using ViewerHandle = opencascade::handle<V3d_Viewer>;
using AmbientLightHandle = opencascade::handle<V3d_AmbientLight>;
using DirectionalLightHandle = opencascade::handle<V3d_DirectionalLight>;
using CameraHandle = opencascade::handle<Graphic3d_Camera>;
using DisplayConnectionHandle = opencascade::handle<Aspect_DisplayConnection>;
using NeutralWindowHandle = opencascade::handle<Aspect_NeutralWindow>;
using GlContextHandle = opencascade::handle<OpenGl_Context>;
using GlFrameBufferHandle = opencascade::handle<OpenGl_FrameBuffer>;
using GlGraphicDriverHandle = opencascade::handle<OpenGl_GraphicDriver>;
using GlViewHandle = opencascade::handle<OpenGl_View>;

}  // namespace kestrava::cad::ui
