#pragma once

#include <string_view>

// The words that pass between a caller and a CAD workspace: what a launcher is asked for, the
// command texts, the window states and the numbers of the errors that come back.
namespace kestrava::cad {

// The programmatic identifier a launcher answers to.
inline constexpr std::string_view kWorkspaceProgrammaticId = "AutoCAD.Application";

// The command texts, each exactly as typed at the command line, trailing space included.
inline constexpr std::string_view kConceptualStyleCommand = "vscurrent conceptual ";
inline constexpr std::string_view kPerspectiveOnCommand = "perspective 1 ";
inline constexpr std::string_view kSouthEastIsometricCommand = "-view _seiso ";
inline constexpr std::string_view kDimensionCommand = "DIMLINEAR ";
inline constexpr std::string_view kContinuousOrbitCommand = "3dCOrbit ";
inline constexpr std::string_view kOrbitCommand = "3dOrbit ";

// The state of a workspace window, numbered as the automation interface numbers it.
enum class WindowState { Normal = 1, Minimised = 2, Maximised = 3 };

// A request to a workspace that no longer exists (its window was closed).
inline constexpr long kInstanceGone = 462;
// The description of kInstanceGone, as the workspace reports it.
inline constexpr std::string_view kInstanceGoneText =
    "The remote server machine does not exist or is unavailable";
// A quit that the vanished workspace could not answer.
inline constexpr long kInstanceGoneOnQuit = -2147023067;
// A request the modelling kernel refused (its message is the description).
inline constexpr long kModelingFailure = 1001;
// A request with an unusable argument (unknown command, bad size, bad colour).
inline constexpr long kInvalidInput = 1002;
// A save that could not write its file.
inline constexpr long kSaveFailed = 1003;
// A launch for a programmatic identifier nobody answers to.
inline constexpr long kUnknownProgrammaticId = 1004;
// A request through the handle of a solid whose creation failed.
inline constexpr long kSolidMissing = 1010;
// A request through the workspace handle of a build that started none.
inline constexpr long kNoWorkspace = 1011;

}  // namespace kestrava::cad
