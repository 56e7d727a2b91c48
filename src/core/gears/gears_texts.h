// Names of the string-table entries only the gear pages use: spur gear and
// its job sheet, worm gear, bevel gears, measuring over pins and the
// gear-ratio search, the helical gear and its milling.
#pragma once

#include <array>

#include "core/i18n/text_id.h"

namespace texts {

using i18n::TextId;

// ---- tooth sizes ----
inline constexpr TextId kToothSizeTitle{292};
inline constexpr TextId kModuleName{293};
inline constexpr TextId kDiametralPitchName{294};
inline constexpr TextId kCircularPitchInchName{295};
inline constexpr TextId kCircularPitchMmName{296};
/// The tooth-size systems, in the order of gears::ToothSystem.
inline constexpr std::array<TextId, 4> kToothSystemNames = {
    kModuleName, kDiametralPitchName, kCircularPitchInchName, kCircularPitchMmName};
inline constexpr TextId kTeethCount{307};
inline constexpr TextId kPressureAngle{309};
inline constexpr TextId kAngle14_5{310};
inline constexpr TextId kAngle20{311};

// ---- spur gear ----
inline constexpr TextId kWholeDepth{297};
inline constexpr TextId kAddendum{298};
inline constexpr TextId kDedendum{299};
inline constexpr TextId kWorkingDepth{300};
inline constexpr TextId kCircularPitch{301};
inline constexpr TextId kToothThickness{302};
inline constexpr TextId kToothClearance{303};
inline constexpr TextId kPitchDiameter{304};
inline constexpr TextId kOutsideDiameter{305};
/// The rows of the spur gear's table, in order.
inline constexpr std::array<TextId, 9> kSpurRowNames = {
    kWholeDepth,     kAddendum,       kDedendum,      kWorkingDepth,   kCircularPitch,
    kToothThickness, kToothClearance, kPitchDiameter, kOutsideDiameter};
inline constexpr TextId kSpurNote{306};
inline constexpr TextId kCutterNumber{313};
inline constexpr TextId kSpanTitle{314};
inline constexpr TextId kSpanAcrossTeeth{315}; ///< a format: teeth spanned, pitches
inline constexpr TextId kTooFewTeeth{318};
inline constexpr TextId kSpanTeethLabel{750}; ///< the count the caliper spans
inline constexpr TextId kSpanTeethTip{751};
inline constexpr TextId kNoToothSizeYet{752};
inline constexpr TextId kNoTeethYet{753};
inline constexpr TextId kSpanAcrossTwoTeeth{754}; ///< the format for one pitch
// The job sheet.
inline constexpr TextId kJobSheetTitle{730};
inline constexpr TextId kJobSheetJob{731};
inline constexpr TextId kJobSheetDate{732};
inline constexpr TextId kJobSheetGear{733};
inline constexpr TextId kJobSheetBlank{734};
inline constexpr TextId kJobSheetDepth{735};
inline constexpr TextId kJobSheetTeeth{736}; ///< after the teeth a cutter serves
inline constexpr TextId kJobSheetSimple{737};
inline constexpr TextId kJobSheetDifferential{738};
inline constexpr TextId kJobSheetNoIndexing{739};
inline constexpr TextId kJobSheetChecking{740};

// ---- worm gear ----
inline constexpr TextId kAngle25{327};
inline constexpr TextId kAngle30{328};
inline constexpr TextId kWormStarts{329};
inline constexpr TextId kBacklashInch{330};
inline constexpr TextId kAngle17_5{331};
inline constexpr TextId kAngle22_5{332};
inline constexpr TextId kAngle27_5{333};
inline constexpr TextId kHobColumn{334};
inline constexpr TextId kWormColumn{335};
inline constexpr TextId kWormOutsideDiameter{336};
inline constexpr TextId kCentreDistanceButton{337};
inline constexpr TextId kTooFewTeethForAngle{338}; ///< a format: two breaks, teeth, angle
inline constexpr TextId kToolTipWidth{339};
inline constexpr TextId kVToFlat{340}; ///< from the tool's V to its flat
inline constexpr TextId kHobOutsideDiameter{341};
inline constexpr TextId kHobCrownCut{342};
inline constexpr TextId kHobLeadAngle{343};
inline constexpr TextId kWormLeadAngle{344};
inline constexpr TextId kLeftHand{345};
inline constexpr TextId kRightHand{346};
inline constexpr TextId kToolFlanks{347};
inline constexpr TextId kRightFlank{348};
inline constexpr TextId kLeftFlank{349};
inline constexpr TextId kWormHelpButton{350};
inline constexpr TextId kRoundRim{351};
inline constexpr TextId kSquareRim{352};
inline constexpr TextId kThroatDiameter{353};
inline constexpr TextId kWheelFaceWidth{354};
inline constexpr TextId kWheelWholeDepth{355};
inline constexpr TextId kCentreDistance{356};
inline constexpr TextId kWormChangeGearsHelp{357};
inline constexpr TextId kThreadWholeDepth{358}; ///< of the hob's and the worm's thread
inline constexpr TextId kHobThreadLength{359};
inline constexpr TextId kWormThreadLength{360};
inline constexpr TextId kRoundRimNote{361};
inline constexpr TextId kSquareRimNote{362};
inline constexpr TextId kBacklashMm{363};
inline constexpr TextId kWantedCentreDistance{364};
inline constexpr TextId kWormTooSmall{792};

// ---- bevel gears ----
inline constexpr TextId kPitchAngleMark{366}; ///< the angle marked 3 in the picture
inline constexpr TextId kBackConeMark{367};   ///< the angle marked 4
inline constexpr TextId kFaceMark{368};       ///< the length marked 5
inline constexpr TextId kMiterGears{369};
inline constexpr TextId kBevelHelpButton{370};
inline constexpr TextId kPinionTeeth{371};
inline constexpr TextId kGearTeethLabel{372};
inline constexpr TextId kMiterTeeth{373};
inline constexpr TextId kShaftAngle{375};
inline constexpr TextId kPinionInch{376};
inline constexpr TextId kPinionMm{377};
inline constexpr TextId kGearInch{378};
inline constexpr TextId kGearMm{379};
inline constexpr TextId kMiterInch{380};
inline constexpr TextId kMiterMm{381};
inline constexpr TextId kFaceWidth{382};
inline constexpr TextId kPitchAngle{383};
inline constexpr TextId kPitchAngleComplement{384};
inline constexpr TextId kBevelHoleCircle{385};
inline constexpr TextId kBevelWholeTurns{386};
inline constexpr TextId kBevelHoles{387};
inline constexpr TextId kBevelWholeDepth{388};
inline constexpr TextId kQuarterPitch{389};
inline constexpr TextId kQuarterToothHoles{390};
inline constexpr TextId kHalfPitch{391};
inline constexpr TextId kHalfToothHoles{392};
inline constexpr TextId kFaceWidthRange{393};

// ---- measuring over pins ----
inline constexpr TextId kOverPinsValue{395};
inline constexpr TextId kTheoreticalThickness{396};
inline constexpr TextId kMeasuredThickness{397};
inline constexpr TextId kThicknessDifference{398};
inline constexpr TextId kRecommendedPin{402};
inline constexpr TextId kHelixSelect{467};
inline constexpr TextId kHelixAngle{468};
inline constexpr TextId kOverPinsNote{469};
inline constexpr TextId kHelixNotUsed{473};
inline constexpr TextId kNoPinPosition{808};

// ---- gear-ratio search ----
inline constexpr TextId kToothRange{416};
inline constexpr TextId kToothRangeTo{417};
inline constexpr TextId kToothRangeTeeth{418};
inline constexpr TextId kBothSides{420};
inline constexpr TextId kAboveOnly{421};
inline constexpr TextId kBelowOnly{422};
/// The tolerance modes, in the order of the radios.
inline constexpr std::array<TextId, 3> kToleranceModes = {kBothSides, kAboveOnly, kBelowOnly};
inline constexpr TextId kResultsLimit{426};
inline constexpr TextId kRatioLabel{427};
inline constexpr TextId kRatioHeading{429};
inline constexpr TextId kRatioToFind{430};
inline constexpr TextId kHeadingWithin{433};
inline constexpr TextId kToOne{434};
inline constexpr TextId kShowAtMost{435};
inline constexpr TextId kResultsWord{436};
inline constexpr TextId kLimitNote{437};
inline constexpr TextId kTrainsFoundTitle{600};
inline constexpr TextId kDriven{601};
inline constexpr TextId kDriver{602};

// ---- helical gear and its milling ----
inline constexpr TextId kNormalToothSize{856};
inline constexpr TextId kNormalModule{857};
inline constexpr TextId kNormalDiametralPitch{858};
inline constexpr TextId kHelixHand{859};
inline constexpr TextId kIdlersLabel{860};
inline constexpr TextId kSwivelDirectionLabel{861};
inline constexpr TextId kMatingTeeth{862};
inline constexpr TextId kTransverseModule{863};
inline constexpr TextId kTransverseDiametralPitch{864};
inline constexpr TextId kRootDiameter{865};
inline constexpr TextId kNormalCircularPitch{866};
inline constexpr TextId kTransverseCircularPitch{867};
inline constexpr TextId kHelixLead{868};
inline constexpr TextId kEquivalentTeeth{869};
inline constexpr TextId kMatingRatio{871};
inline constexpr TextId kChordalThickness{872};
inline constexpr TextId kChordalAddendum{873};
inline constexpr TextId kTableLeadScrew{874};
inline constexpr TextId kMachineLead{875};
inline constexpr TextId kLeadTrains{876};
inline constexpr TextId kGearOnLeadScrew{877};
inline constexpr TextId kFirstStudGear{878};
inline constexpr TextId kSecondStudGear{879};
inline constexpr TextId kGearOnWorm{880};
inline constexpr TextId kLeadCut{881};
inline constexpr TextId kLeadError{882};
inline constexpr TextId kExactWord{883};
inline constexpr TextId kTableSwivel{884};
inline constexpr TextId kSwivelRightEnd{885};
inline constexpr TextId kSwivelLeftEnd{886};
inline constexpr TextId kIdlersRightHand{887};
inline constexpr TextId kIdlersLeftHand{888};
inline constexpr TextId kHelicalIndexing{889};
inline constexpr TextId kNoSimpleIndexing{890}; ///< a format: the tooth count
inline constexpr TextId kNoLeadTrain{891};
inline constexpr TextId kTooFewEquivalentTeeth{892};
inline constexpr TextId kHelicalNote{893};
inline constexpr TextId kNoMachineLead{894};
inline constexpr TextId kMillingSetUp{895};

} // namespace texts
