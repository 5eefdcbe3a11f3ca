#include "sheet/design_sheet_writer.h"

#include <cmath>
#include <string_view>

#include "engine/number_text.h"
#include "sheet/file_replacement.h"
#include "sheet/number_format.h"
#include "sheet/windows_1252.h"

namespace kestrava {
namespace {

// Pieces of a sheet line: a number as it is, rounded to 4 decimals, rounded to a whole
// number, and a text as the user typed it.
struct Plain {
    double value;
};
struct Round4 {
    double value;
};
struct Round0 {
    double value;
};
struct Typed {
    std::string_view utf8;
};

void Put(std::string& out, std::string_view literal) {
    out += literal;
}
void Put(std::string& out, Plain piece) {
    AppendPlainNumber(out, piece.value);
}
void Put(std::string& out, Round4 piece) {
    AppendPlainNumber(out, RoundToDecimals(piece.value, 4));
}
void Put(std::string& out, Round0 piece) {
    AppendPlainNumber(out, RoundToDecimals(piece.value, 0));
}
void Put(std::string& out, Typed piece) {
    AppendAsWindows1252(out, piece.utf8);
}

template <typename... Pieces>
void Line(std::string& out, const Pieces&... pieces) {
    (Put(out, pieces), ...);
    out += "\r\n";
}

constexpr std::string_view kSectionRule = "----------------";
constexpr std::string_view kTitleRule =
    "-----------------------------------------------------------------------------";
constexpr std::string_view kRatingRule =
    "---------------------------------------------------------------------------";
constexpr std::string_view kWindingsRule =
    "-----------------------------------------------------------------------------------------"
    "----------------------------";

void EmptyLines(std::string& out, int count) {
    for (int i = 0; i < count; ++i) Line(out);
}

void Section(std::string& out, std::string_view title) {
    Line(out, kSectionRule);
    Line(out, title);
    Line(out, kSectionRule);
}

// How a winding is connected, as the Connections line names it.
std::string_view WindingConnection(bool star) {
    return star ? "Star" : "Delta";
}

void WriteRating(std::string& out, const DesignRecord& r, const RatingTexts& texts) {
    const double sqrt3 = std::sqrt(3.0);
    const double hvLineCurrent =
        IsHvStar(r.connectionType) ? r.hvPhaseCurrent : r.hvPhaseCurrent * sqrt3;
    const double lvLineCurrent =
        IsLvStar(r.connectionType) ? r.lvPhaseCurrent : r.lvPhaseCurrent * sqrt3;

    Line(out, "\t\t\t*** DESIGN SHEET ***");
    Line(out, kTitleRule);
    Line(out);
    Line(out, "KVA ", Plain{r.kvaRating}, "\tPhase 3\tFrequency--", std::to_string(r.frequency),
         "Hz\t", Typed{texts.connection});
    Line(out, "Line Voltage:");
    Line(out, "\tH.V. - ", Typed{texts.primary}, " V ,");
    Line(out, "\tL.V. - ", Typed{texts.secondary}, " V");
    Line(out, "Phase Voltage:");
    Line(out, "\tH.V. - ", Round4{r.primaryVoltage}, " V ,");
    Line(out, "\tL.V. - ", Round4{r.lvPhaseVoltage}, " V");
    Line(out, "Line Current:");
    Line(out, "\tH.V. - ", Round4{hvLineCurrent}, " A ,");
    Line(out, "\tL.V. - ", Round4{lvLineCurrent}, " A");
    Line(out, "Phase Current:");
    Line(out, "\tH.V. - ", Round4{r.hvPhaseCurrent}, " A ,");
    Line(out, "\tL.V. - ", Round4{r.lvPhaseCurrent}, " A");
    Line(out, "Type - core\t\t\t");
    Line(out, kRatingRule);
}

void WriteCoreAndYoke(std::string& out, const DesignRecord& r) {
    const double coreWeight = r.coreIronLoss / r.coreSpecificIronLoss;

    EmptyLines(out, 3);
    Section(out, " Core");
    Line(out, "Material\t\t\t\t0.35 mm thick 92 Grade");
    Line(out, "Output constant\t\tK\t", Round4{r.outputConstant});
    Line(out, "Voltage per turn\t\tEt\t", Round4{r.voltagePerTurn}, " V");
    Line(out, "Circumscribing circle diameter\td\t", Round4{r.circumscribingCircleDiameter}, " mm");
    Line(out, "Number of steps\t\t...\t2");
    Line(out, "Dimensions\t\t...");
    Line(out, "\t\t\ta\t", Round4{r.coreStepWidthA}, " mm");
    Line(out, "\t\t\tb\t", Round4{r.coreStepWidthB}, " mm");
    Line(out, "Net iron area\t\tAi\t", Round4{r.netIronArea}, " Sq.mm");
    Line(out, "Flux density\t\tBm\t", Round4{r.coreFluxDensity}, " Wb/Sq.m");
    Line(out, "Flux\t\t\t\xD8", "m\t", Round4{r.flux}, " Wb");
    Line(out, "Weight\t\t\t\t", Round4{coreWeight}, " Kg");
    Line(out, "Specific iron loss\t\t\t", Plain{r.coreSpecificIronLoss}, " W/Kg");
    Line(out, "Iron loss\t\t\t\t", Round4{r.coreIronLoss}, " W");

    EmptyLines(out, 3);
    Section(out, "Yoke");
    Line(out, "Depth of yoke\t\tDy\t", Round4{r.yokeDepth}, "mm");
    Line(out, "Height of yoke\t\tHy\t", Round4{r.yokeHeight}, "mm");
    Line(out, "Net yoke area\t\t\t", Round4{r.netYokeArea}, " Sq.mm");
    Line(out, "Flux density\t\t\t", Round4{r.yokeFluxDensity}, " Wb/Sq.m");
    Line(out, "Flux\t\t\t\t", Round4{r.flux}, " Wb");
    Line(out, "Weight\t\t\t\t", Round4{r.yokeWeight}, " Kg");
    Line(out, "Specific iron loss\t\t\t", Plain{r.yokeSpecificIronLoss});
    Line(out, "Iron loss\t\t\t\t", Round4{r.yokeIronLoss}, "\t W");
}

void WriteWindowsAndFrame(std::string& out, const DesignRecord& r) {
    EmptyLines(out, 3);
    Section(out, "Windows");
    Line(out, "Number\t\t\t\t\t2");
    Line(out, "Window space factor\tKw\t\t", Round4{r.windowSpaceFactor});
    Line(out, "Height of Window\t\tHw\t\t", Round4{r.windowHeight}, "mm");
    Line(out, "Width of Window\t\tWw\t\t", Round4{r.windowWidth}, "mm");
    Line(out, "Window area\t\tAw\t\t", Round4{r.windowArea}, " Sq.mm");

    EmptyLines(out, 3);
    Section(out, "Frame");
    Line(out, "Dist. between adjacent limbs\tD\t\t", Round4{r.adjacentLimbDistance}, " mm");
    Line(out, "Height of frame\t\tH\t\t", Round4{r.frameHeight}, " mm");
    Line(out, "Width of frame\t\tW\t\t", Round4{r.frameWidth}, " mm");
    Line(out, "Depth of frame\t\tDy\t\t", Round4{r.yokeDepth}, " mm");
}

void WriteWindings(std::string& out, const DesignRecord& r) {
    const double lvTurnsPerLayer = r.lvTurnsPerPhase / 3 + 1;

    EmptyLines(out, 3);
    Line(out, kWindingsRule);
    Line(out, "Windings\t\t\t\tL.V.\t\t\tH.V");
    Line(out, kWindingsRule);
    Line(out, "Type of winding\t\t\tHelical\t\t\tCross-over");
    Line(out, "Connections\t\t\t", WindingConnection(IsLvStar(r.connectionType)), "\t\t\t",
         WindingConnection(IsHvStar(r.connectionType)));
    Line(out, "Conductor Dimensions: ");
    Line(out, "   -radial depth\t\t\t", Plain{r.lvConductorRadialDepth}, " mm");
    Line(out, "   -axial depth\t\t\t", Plain{r.lvConductorAxialDepth}, " mm");
    Line(out, "Area\t\t\t\t", Round4{r.lvConductorArea}, " Sq.mm\t\t", Round4{r.hvConductorArea},
         " Sq.mm");
    Line(out, "Current density\t\t\t", Plain{r.currentDensity}, " A/Sq.mm");
    Line(out, "Turns per phase\t\t\t", Round4{r.lvTurnsPerPhase}, "\t\t\t",
         Round4{r.hvTurnsPerPhase});
    Line(out, "Turns per coil\t\t\t", Round4{r.lvTurnsPerPhase}, "\t\t", Round4{r.hvTurnsPerCoil});
    Line(out, "Turns per layer\t\t\t", Round4{lvTurnsPerLayer}, "\t\t", Round0{r.hvTurnsPerLayer});
    Line(out, "Number of layers\t\t\t", Round0{r.lvLayers}, "\t\t\t", Round0{r.hvLayers});
    Line(out, "Height of winding\t\t\t", Round4{r.lvWindingHeight}, " mm\t\t",
         Round4{r.hvWindingHeight}, " mm");
    Line(out, "Depth of winding\t\t\t", Round4{r.lvWindingDepth}, " mm\t\t\t",
         Round4{r.hvWindingDepth}, " mm");
    Line(out, "Insulation between layers\t\t0.3 mm press board\t\t0.3 mm paper");
    Line(out, "Insulation between coils\t\t\t\t \t\t5.0 mm spacer");
    Line(out, "Coil Diameters - Inside\t\t", Round4{r.lvInsideDiameter}, " mm\t\t",
         Round4{r.hvInsideDiameter}, " mm");
    Line(out, "Coil Diameters - Outside\t\t", Round4{r.lvOutsideDiameter}, " mm\t\t",
         Round4{r.hvOutsideDiameter}, " mm");
    Line(out, "Length of mean turn\t\t\t", Round4{r.lvMeanTurnLength}, " m\t\t\t",
         Round4{r.hvMeanTurnLength}, " m");
    Line(out, "Resistance at 75\xB0", "C \t\t\t", Round4{r.lvResistance75}, " ohm\t\t",
         Round4{r.hvResistance75}, " ohm");
}

void WriteInsulationTankAndLosses(std::string& out, const DesignRecord& r) {
    EmptyLines(out, 3);
    Section(out, " Insulation");
    Line(out, "Between l.v. winding and core\t=press board wraps 1.5 mm");
    Line(out, "Between l.v. winding and h.v. winding\t=bakelized paper",
         Round4{r.lvHvInsulationThickness}, " mm");
    Line(out, "Width of duct between l.v. and h.v\t=5 mm");

    EmptyLines(out, 3);
    Section(out, " Tank");
    Line(out, "Dimensions");
    Line(out, "\theight\t\tHt\t\t", Round4{r.tankHeight}, " m");
    Line(out, "\tlength\t\tLt\t\t", Round4{r.tankLength}, " m");
    Line(out, "\twidth\t\tWt\t\t", Round4{r.tankWidth}, " m");
    Line(out, "Oil Level\t\t\t\t\t", Round4{r.oilLevel}, " m");

    EmptyLines(out, 2);
    Section(out, " Impedance");
    Line(out, "P.U. Resistance\t\t\t\t", Round4{r.puResistance});
    Line(out, "P.U. Reactance\t\t\t\t", Round4{r.puReactance});
    Line(out, "P.U. Impedance\t\t\t\t", Round4{r.puImpedance});

    EmptyLines(out, 2);
    Section(out, " Losses");
    Line(out, "Total core loss\t\t\t\t", Round4{r.totalCoreLoss}, " W");
    Line(out, "Total copper loss\t\t\t\t", Round4{r.totalCopperLoss}, " W");
    Line(out, "Total losses at full load\t\t\t", Round4{r.totalLosses}, " W");
    Line(out, "Efficiency at full load & u.p.f\t\t\t", Round4{r.efficiency}, " %");
}

}  // namespace

std::string FormatDesignSheet(const DesignRecord& record, const RatingTexts& texts) {
    std::string out;
    out.reserve(6000);
    WriteRating(out, record, texts);
    WriteCoreAndYoke(out, record);
    WriteWindowsAndFrame(out, record);
    WriteWindings(out, record);
    WriteInsulationTankAndLosses(out, record);
    return out;
}

Result<void, std::string> WriteDesignSheet(const std::filesystem::path& path,
                                           const DesignRecord& record, const RatingTexts& texts) {
    if (const FileReplaced replaced = ReplaceFileBytes(path, FormatDesignSheet(record, texts));
        !replaced.has_value()) {
        return Fail(DescribeFileFailure(replaced.error(), "the design sheet", path));
    }
    return {};
}

}  // namespace kestrava
