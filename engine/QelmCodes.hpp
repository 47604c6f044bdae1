// The QELM codes that carry a meaning of their own: how an article's code was found, the group of
// report lines, and the codes that mark a part as not to be taken off.
#pragma once

// How an article's code was found (Article::qelmType, a 16-bit value shown as "Type N").
namespace QelmType {
constexpr short kUnresolved = -1;       // no route gave a code; the article is a report line
constexpr short kNotSet = 0;            // no route has run
constexpr short kWallLayer = 1;         // a wall skin's code chosen by its layer, description and thickness
constexpr short kThicknessPrefix = 2;   // a code prefix completed by the thickness in the group description
constexpr short kMaterialCode = 3;      // the building material's code, used unchanged
constexpr short kProperty = 4;          // a code from one of the element's QELM properties
constexpr short kOwnClassification = 5; // the element's own QELM classification
} // namespace QelmType

namespace QelmCode {
// Group 0 collects the report lines; its code "Onbekend" is also the code of a skin on no wall layer.
constexpr short kReportGroup = 0;
constexpr const char* kUnknown = "Onbekend";
// A building material with this ID is resolved by its wall layer (QelmType::kWallLayer).
constexpr const char* kLayerResolvedMaterial = "20.xx.xx.";
// Codes of parts that are never filed: "00.00." as code or material, "27.00." as material, and "pm"
// (pro memorie) as the material of a wall, slab, roof or shell.
constexpr const char* kNotTakenOff = "00.00.";
constexpr const char* kNotTakenOffMaterial = "27.00.";
constexpr const char* kProMemoryMaterial = "pm";
} // namespace QelmCode
