#pragma once

#include <string>
#include <string_view>

#include "engine/design_record.h"
#include "engine/result.h"

namespace kestrava {

// The six texts of one rating as typed (UTF-8): in the parameter window, as options of the
// command or as a line of a batch file. The sheet and the record store keep some of them as typed.
struct RatingTexts {
    std::string kva{};         // txtKVARating
    std::string primary{};     // txtPrmVolt
    std::string secondary{};   // txtSecondVolt
    std::string frequency{};   // txtFrequency
    std::string connection{};  // text of cboConnType
    std::string tapping{};     // txtTapping
};

// One text of a rating, in the order of RatingTexts.
enum class RatingField { Kva, Primary, Secondary, Frequency, Connection, Tapping };

// The field as the command's options and the batch header name it: "kva", "primary", ...
std::string_view RatingFieldName(RatingField field);

// Which text of a rating was refused and why.
struct RatingRefusal {
    RatingField field;
    std::string reason;
};

// The design inputs of 'texts', read the way the parameter window stores them:
// no text may be blank, kVA and both voltages must be strictly numeric without control characters,
// frequency and tapping are rounded half to even into 16 bits, the connection must be one of the
// four names. The first refusal in RatingTexts order wins.
Result<DesignInputs, RatingRefusal> ReadRatingTexts(const RatingTexts& texts);

}  // namespace kestrava
