#pragma once

namespace kestrava::report {

// Where the rules of a design came from. Free of Qt, so that the light command can name it.
enum class RulesOrigin { Fixed, Chosen, Searched };

}  // namespace kestrava::report
