#include "tools/rating_texts.h"

#include <algorithm>

#include "engine/number_text.h"

namespace kestrava {
namespace {

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::optional<RatingRefusal> ReadStrictNumber(std::string_view field, std::string_view text,
                                              double& value) {
    if (!IsNumericText(text)) return RatingRefusal{field, QuotedText(text) + " is not a number"};
    value = ReadLeadingNumber(text);
    return std::nullopt;
}

std::optional<RatingRefusal> ReadWholeNumber(std::string_view field, std::string_view text,
                                             std::int16_t& value) {
    const std::optional<std::int16_t> rounded = RoundToInt16(ReadLeadingNumber(text));
    if (!rounded) return RatingRefusal{field, QuotedText(text) + " is outside -32768..32767"};
    value = *rounded;
    return std::nullopt;
}

}  // namespace

std::string EscapedText(std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (IsControl(c)) {
            const auto byte = static_cast<unsigned char>(c);
            escaped.append("\\x").push_back(kHex[byte >> 4]);
            escaped.push_back(kHex[byte & 0xF]);
        } else {
            escaped.push_back(c);
        }
    }
    return escaped;
}

std::string QuotedText(std::string_view text) {
    constexpr std::size_t kQuotedLength = 200;
    std::string quoted(1, '"');
    quoted.append(EscapedText(text.substr(0, kQuotedLength)));
    if (text.size() > kQuotedLength) quoted += "...";
    quoted.push_back('"');
    return quoted;
}

std::optional<RatingRefusal> ReadRatingTexts(const RatingTexts& texts, DesignInputs& inputs) {
    const std::pair<std::string_view, std::string_view> all[] = {{"kva", texts.kva},
                                                                 {"primary", texts.primary},
                                                                 {"secondary", texts.secondary},
                                                                 {"frequency", texts.frequency},
                                                                 {"connection", texts.connection},
                                                                 {"tapping", texts.tapping}};
    for (const auto& [field, text] : all) {
        if (IsBlank(text)) return RatingRefusal{field, "is empty"};
    }
    // The three texts are copied into the sheet as typed, where a control character would break
    // its lines and columns.
    for (const auto& [field, text] : {all[0], all[1], all[2]}) {
        if (std::any_of(text.begin(), text.end(), IsControl)) {
            return RatingRefusal{field, QuotedText(text) + " holds a control character"};
        }
    }

    std::optional<RatingRefusal> refusal = ReadStrictNumber("kva", texts.kva, inputs.kvaRating);
    if (!refusal) refusal = ReadStrictNumber("primary", texts.primary, inputs.primaryVoltage);
    if (!refusal) refusal = ReadStrictNumber("secondary", texts.secondary, inputs.secondaryVoltage);
    if (!refusal) refusal = ReadWholeNumber("frequency", texts.frequency, inputs.frequency);
    if (!refusal) refusal = ReadWholeNumber("tapping", texts.tapping, inputs.tapping);
    if (refusal) return refusal;

    const std::optional<ConnectionType> connection = ConnectionNamed(texts.connection);
    if (!connection) {
        return RatingRefusal{"connection", QuotedText(texts.connection) + " is not one of " +
                                               ConnectionChoices(", ")};
    }
    inputs.connectionType = *connection;
    return std::nullopt;
}

}  // namespace kestrava
