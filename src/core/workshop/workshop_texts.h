// Names of the string-table entries only the workshop pages use: the
// dovetails, the dividing head with its windows, the change gears, and the
// sine bar with its gauge blocks.
#pragma once

#include "core/i18n/text_id.h"

namespace texts {

using i18n::TextId;

// ---- dovetail and dovetail measurement ----
inline constexpr TextId kNominalWidth{107};
inline constexpr TextId kNominalDepth{108};
inline constexpr TextId kAngle60{109};
inline constexpr TextId kAngle45{110};
inline constexpr TextId kFlankAngle{112};
inline constexpr TextId kTypedAngleLabel{113};
inline constexpr TextId kGibCheck{114};
inline constexpr TextId kGibThickness{115};
inline constexpr TextId kClearanceTitle{116};
inline constexpr TextId kFemaleDeeper{117}; ///< first of the four clearance kinds, in order
inline constexpr TextId kClearanceAmount{121};
inline constexpr TextId kFemaleMouthWidth{122}; ///< first of the six result rows, in order
inline constexpr TextId kMaleTopWidth{123};
inline constexpr TextId kFemaleDepth{124};
inline constexpr TextId kMaleHeight{125};
inline constexpr TextId kBetweenPinsSize{126};
inline constexpr TextId kOverPinsSize{127};
inline constexpr TextId kDovetailNote2{129};
inline constexpr TextId kDovetailNote1{130};
// The sketches.
inline constexpr TextId kSketchBetweenPins{131};
inline constexpr TextId kSketchWidthAtBottom{132};
inline constexpr TextId kSketchWidthAtMouth{133};
inline constexpr TextId kSketchGib{134};
inline constexpr TextId kFemaleDovetail{135};
inline constexpr TextId kMaleDovetail{136};
inline constexpr TextId kSketchWidthAtTop{137};
inline constexpr TextId kGibSlotCaption{138};
inline constexpr TextId kDeeperSlotCaption{139};
inline constexpr TextId kSketchClearance{140};
inline constexpr TextId kDeeperGibSlotCaption{141};
inline constexpr TextId kMaleHeightLine1{142};
inline constexpr TextId kMaleHeightLine2{143};
inline constexpr TextId kSketchOverPins{145};
inline constexpr TextId kMaleTallerCaption{146};
inline constexpr TextId kMaleLowerCaption{147};
inline constexpr TextId kHaveMale{325};   ///< the male is at hand: make the female
inline constexpr TextId kHaveFemale{326}; ///< the female is at hand: make the male
// Why there is no dovetail.
inline constexpr TextId kClearanceTakesDepth{784};
inline constexpr TextId kFlanksMeet{785};
inline constexpr TextId kPinsMeet{786};
inline constexpr TextId kTooLittleOverPins{787};
inline constexpr TextId kPartTooNarrow{788};
inline constexpr TextId kAnglePast90{789};

// ---- dividing head ----
inline constexpr TextId kTableNote{187};
inline constexpr TextId kDivisionsWord{188}; ///< the table's range and first column
inline constexpr TextId kDivisionsLabel{206};
inline constexpr TextId kCalculateDivisions{207};
inline constexpr TextId kEditPlates{208};
inline constexpr TextId kDividingHeadNote{209};
inline constexpr TextId kDividingHeadNote2{210};
inline constexpr TextId kHeadPlatesLabel{211};
inline constexpr TextId kHolePlatesTitle{215};
inline constexpr TextId kNoCircleWorks{216};
inline constexpr TextId kOtherCircles{217}; ///< two lines before the known plates that work
inline constexpr TextId kOtherCircles2{218};
inline constexpr TextId kHeadPlatesList{219};
inline constexpr TextId kCataloguePlatesList{220};
inline constexpr TextId kNewPlateButton{221};
inline constexpr TextId kNewPlatePrompt{222};
inline constexpr TextId kNewPlateTitle{225};
inline constexpr TextId kTableFrom{319};
inline constexpr TextId kTableTo{399};
inline constexpr TextId kWormRatio{630};
inline constexpr TextId kAngleGroup{661};
inline constexpr TextId kAngleFieldLabel{662};
inline constexpr TextId kDifferentialGroup{663};
inline constexpr TextId kHeadGearsButton{664};
inline constexpr TextId kClosestAngles{665};
inline constexpr TextId kAngleHeader{666};
inline constexpr TextId kSimpleIndexingServes{667};
inline constexpr TextId kNoHeadGearServes{668};
inline constexpr TextId kHeadGearsTitle{669};
inline constexpr TextId kErrorHeader{675};
inline constexpr TextId kOtherWaysButton{676}; ///< to angles and differential indexing
inline constexpr TextId kDifferentialCan{770};
inline constexpr TextId kDifferentialForA{771}; ///< follows 770: "index for A = %d"
inline constexpr TextId kDifferentialButton{772};
inline constexpr TextId kManyPagesQuestion{773}; ///< the number of pages as %d
inline constexpr TextId kUnreadableAngle{774};
inline constexpr TextId kAngleOutOfRange{775};
inline constexpr TextId kHeadWithoutRatio{830};
inline constexpr TextId kNameHeadWithRatio{831}; ///< follows 830

// ---- change gears ----
inline constexpr TextId kChangeGearsExplanation{439};
inline constexpr TextId kPitchToMake{440};
inline constexpr TextId kInchPitchUnit{441}; ///< also closes the heading of an inch thread
inline constexpr TextId kMetricPitchUnit{442};
inline constexpr TextId kModuleUnit{443};
inline constexpr TextId kDiametralPitchUnit{444};
inline constexpr TextId kMetricHeadingUnit{78}; ///< closes the heading of a metric thread
inline constexpr TextId kGearSetButton{445};
inline constexpr TextId kModesTitle{446};
inline constexpr TextId kFirstMode{447}; ///< the four modes follow in order
inline constexpr TextId kGearSetTitle{451};
inline constexpr TextId kGearSetList{452};
inline constexpr TextId kAddGear{453};
inline constexpr TextId kGearTeeth{454};
inline constexpr TextId kGearCopies{455};
inline constexpr TextId kLeadScrewPitch{456};
inline constexpr TextId kFirstGear{458};
inline constexpr TextId kSecondGear{459};
inline constexpr TextId kNotOwned{460};
inline constexpr TextId kSearchAll{462};
inline constexpr TextId kDeclineSearch{463};
inline constexpr TextId kHeadingLeadScrew{464};
inline constexpr TextId kTrainLabel{465}; ///< before the first gear
inline constexpr TextId kTrainEnd{466};   ///< after the last pair
inline constexpr TextId kNoExactPair{474};
inline constexpr TextId kChangeGearsTitle{603};
inline constexpr TextId kMetricOnInch{700};
inline constexpr TextId kInchOnMetric{701};
inline constexpr TextId kRedKey{760};     ///< under trains with a red gear
inline constexpr TextId kStarredKey{761}; ///< under printed trains with a starred gear

// ---- sine bar and gauge blocks ----
inline constexpr TextId kSineBarLength{897};
inline constexpr TextId kAngleToHeight{898};
inline constexpr TextId kHeightToAngle{899};
inline constexpr TextId kSineBarAngle{900};
inline constexpr TextId kStackHeight{901};
inline constexpr TextId kGaugeBlockSet{902};
inline constexpr TextId kEditGaugeSets{903};
inline constexpr TextId kWearBlocks{904};
inline constexpr TextId kWearBlockSize{905};
inline constexpr TextId kBlocksToWring{906};
inline constexpr TextId kBlockCount{907}; ///< a format: the count
inline constexpr TextId kStackGives{908};
inline constexpr TextId kSteepSineBar{909};
inline constexpr TextId kNoExactStack{910};
inline constexpr TextId kNearestBelow{911};
inline constexpr TextId kNearestAbove{912};
inline constexpr TextId kHeightOverLength{913};
inline constexpr TextId kSineBarNote{914};
inline constexpr TextId kGaugeSetsTitle{915};
inline constexpr TextId kGaugeSetName{916};
inline constexpr TextId kNewGaugeSet{917};
inline constexpr TextId kDeleteGaugeSet{918};
inline constexpr TextId kBlockSize{919};
inline constexpr TextId kBlockCopies{920};
inline constexpr TextId kGaugeSetNameTaken{921};
inline constexpr TextId kSineBarSetUp{922};
inline constexpr TextId kWearBlocksTooHigh{923};
inline constexpr TextId kBuiltInSetFixed{924};
inline constexpr TextId kBadBlockSize{925};
inline constexpr TextId kDeleteGaugeSetQuestion{926}; ///< a format: the set's name

// ---- tapers ----
inline constexpr TextId kStandardTaper{928};
inline constexpr TextId kOwnTaper{929};
inline constexpr TextId kTaperGivenAs{930};
/// The forms a taper is given in, in the order of TaperEntry; per inch and
/// per mm share a place, by the page's unit.
inline constexpr TextId kTaperPerFoot{931};
inline constexpr TextId kTaperPerInch{932};
inline constexpr TextId kTaperPerMm{933};
inline constexpr TextId kTaperRatio{934};
inline constexpr TextId kIncludedAngle{935};
inline constexpr TextId kHalfAngle{936};
inline constexpr TextId kDiametersAndLength{937};
inline constexpr TextId kLargeDiameter{938};
inline constexpr TextId kSmallDiameter{939};
inline constexpr TextId kTaperLength{940};
inline constexpr TextId kLatheSetUp{941};
inline constexpr TextId kCompoundFromAxis{942};
inline constexpr TextId kCompoundFromCrossSlide{943};
inline constexpr TextId kCompoundDirection{944};
inline constexpr TextId kWorkLength{945};
inline constexpr TextId kTailstockSetover{946};
inline constexpr TextId kSetoverTooLarge{947};
inline constexpr TextId kAttachmentPerFoot{948};
inline constexpr TextId kAttachmentPer100Mm{949};
inline constexpr TextId kTaperMeasuring{950};
inline constexpr TextId kRollDiameter{951};
inline constexpr TextId kFirstReading{952};
inline constexpr TextId kSecondReading{953};
inline constexpr TextId kMeasuredTaper{954};
inline constexpr TextId kDiametersAtRolls{955};
inline constexpr TextId kExpectedReading{956};
inline constexpr TextId kSmallBall{957};
inline constexpr TextId kLargeBall{958};
inline constexpr TextId kBoreTaper{959};
inline constexpr TextId kSineBarCheck{960};
inline constexpr TextId kIdentifyTolerance{961};
inline constexpr TextId kMatchingTapers{962};
inline constexpr TextId kNoMatchingTaper{963};
inline constexpr TextId kTaperSetUp{964};
inline constexpr TextId kMetricTaperFamily{965};
inline constexpr TextId kPerFootUnit{966};
inline constexpr TextId kIdentifyHint{967};

} // namespace texts
