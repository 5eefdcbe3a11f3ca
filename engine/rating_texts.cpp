#include "engine/rating_texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "engine/escaped_text.h"
#include "engine/number_text.h"

namespace kestrava {
namespace {

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::optional<RatingRefusal> ReadStrictNumber(RatingField field, std::string_view text,
                                              double& value) {
    if (!IsNumericText(text)) return RatingRefusal{field, QuotedText(text) + " is not a number"};
    value = ReadLeadingNumber(text);
    return std::nullopt;
}

std::optional<RatingRefusal> ReadWholeNumber(RatingField field, std::string_view text,
                                             std::int16_t& value) {
    const std::optional<std::int16_t> rounded = RoundToInt16(ReadLeadingNumber(text));
    if (!rounded) return RatingRefusal{field, QuotedText(text) + " is outside -32768..32767"};
    value = *rounded;
    return std::nullopt;
}

}  // namespace

std::string_view RatingFieldName(RatingField field) {
    constexpr std::array<std::string_view, 6> kNames = {"kva",       "primary",    "secondary",
                                                        "frequency", "connection", "tapping"};
    return kNames[static_cast<std::size_t>(field)];
}

Result<DesignInputs, RatingRefusal> ReadRatingTexts(const RatingTexts& texts) {
    using enum RatingField;
    const std::pair<RatingField, std::string_view> all[] = {{Kva, texts.kva},
                                                            {Primary, texts.primary},
                                                            {Secondary, texts.secondary},
                                                            {Frequency, texts.frequency},
                                                            {Connection, texts.connection},
                                                            {Tapping, texts.tapping}};
    for (const auto& [field, text] : all) {
        if (IsBlank(text)) return Fail(RatingRefusal{field, "is empty"});
    }
    // The three texts are copied into the sheet as typed, where a control character would break
    // its lines and columns.
    for (const auto& [field, text] : {all[0], all[1], all[2]}) {
        if (std::any_of(text.begin(), text.end(), IsControlCharacter)) {
            return Fail(RatingRefusal{field, QuotedText(text) + " holds a control character"});
        }
    }

    DesignInputs inputs;
    std::optional<RatingRefusal> refusal = ReadStrictNumber(Kva, texts.kva, inputs.kvaRating);
    if (!refusal) refusal = ReadStrictNumber(Primary, texts.primary, inputs.primaryVoltage);
    if (!refusal) refusal = ReadStrictNumber(Secondary, texts.secondary, inputs.secondaryVoltage);
    if (!refusal) refusal = ReadWholeNumber(Frequency, texts.frequency, inputs.frequency);
    if (!refusal) refusal = ReadWholeNumber(Tapping, texts.tapping, inputs.tapping);
    if (refusal) return Fail(std::move(*refusal));

    const std::optional<ConnectionType> connection = ConnectionNamed(texts.connection);
    if (!connection) {
        return Fail(RatingRefusal{Connection, QuotedText(texts.connection) + " is not one of " +
                                                  ConnectionChoices(", ")});
    }
    inputs.connectionType = *connection;
    return inputs;
}

}  // namespace kestrava
