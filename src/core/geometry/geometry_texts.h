// Names of the string-table entries only the geometry pages use: circle
// segment, right and oblique triangle, bolt-hole circle, polygon and the
// conversions page.
#pragma once

#include "core/i18n/text_id.h"

namespace texts {

using i18n::TextId;

// ---- circle segment ----
inline constexpr TextId kSegmentExplanation{21}; ///< first of seven lines
inline constexpr TextId kSegmentKnownLabel{28};
// The cases of the choice, by the two values known.
inline constexpr TextId kSegmentRadiusAngle{29};
inline constexpr TextId kSegmentRadiusHeight{30};
inline constexpr TextId kSegmentChordHeight{31};
inline constexpr TextId kSegmentHeightDistance{32};
inline constexpr TextId kSegmentRadiusChord{33};
inline constexpr TextId kSegmentRadiusDistance{34};
inline constexpr TextId kSegmentChordDistance{35};
inline constexpr TextId kSegmentChordArc{36};
inline constexpr TextId kSegmentRadiusArc{37};
inline constexpr TextId kSegmentArcAngle{38};
// The quantities, as input labels or result rows.
inline constexpr TextId kSegmentRadius{39};
inline constexpr TextId kSegmentChord{40};
inline constexpr TextId kSegmentHeight{41};
inline constexpr TextId kSegmentCentreToChord{42};
inline constexpr TextId kSegmentCentralAngle{43};
inline constexpr TextId kSegmentArc{44};
inline constexpr TextId kSegmentCircumference{45};
inline constexpr TextId kSegmentArea{46};
inline constexpr TextId kSegmentTriangleArea{47}; ///< the triangle of centre and chord
inline constexpr TextId kSegmentSectorArea{48};
inline constexpr TextId kSegmentCircleArea{49};
inline constexpr TextId kSegmentDiameter{50};
inline constexpr TextId kSegmentRestOfTurn{51}; ///< 360° less the central angle
inline constexpr TextId kSegmentSketchSector{52};
inline constexpr TextId kSegmentSketchSegment{53};
// Why there is no segment.
inline constexpr TextId kChordOverDiameter{780};
inline constexpr TextId kDistanceOverRadius{781};
inline constexpr TextId kPastHalfCircle{782};
inline constexpr TextId kArcNotOverChord{783};

// ---- right triangle ----
inline constexpr TextId kRightFirstCase{60}; ///< the six cases follow in the buttons' order
inline constexpr TextId kKnownCasesTitle{66};
inline constexpr TextId kRightSketchHypotenuse{67};
inline constexpr TextId kRightSketchSideB{68};
inline constexpr TextId kRightSketchSideA{69};
inline constexpr TextId kRightSketchSideA2{70}; ///< a second line beside side a
inline constexpr TextId kRightSideBInput{71};
inline constexpr TextId kRightAngleAInput{72};
inline constexpr TextId kRightSideAResult{73};
inline constexpr TextId kRightHypotenuseResult{74};
inline constexpr TextId kRightSideAInput{75};
inline constexpr TextId kRightSideBResult{76};
inline constexpr TextId kRightHypotenuseInput{77};
inline constexpr TextId kRightAngleAResult{79};
inline constexpr TextId kAngleB{80};
inline constexpr TextId kTriangleArea{81};
inline constexpr TextId kRightSideTooLong{800};
inline constexpr TextId kRightAngleTooLarge{801};

// ---- oblique triangle ----
inline constexpr TextId kObliqueSideAInput{82};
inline constexpr TextId kObliqueSideBInput{83};
inline constexpr TextId kObliqueSideCInput{84};
inline constexpr TextId kObliqueAngleAResult{85};
inline constexpr TextId kObliqueAngleBResult{86};
inline constexpr TextId kObliqueAngleCResult{87};
inline constexpr TextId kObliqueSideAResult{88};
inline constexpr TextId kObliqueSideBResult{89};
inline constexpr TextId kObliqueSideCResult{90};
inline constexpr TextId kObliqueAngleAInput{91};
inline constexpr TextId kObliqueAngleBInput{92};
inline constexpr TextId kObliqueAngleCInput{93};
inline constexpr TextId kObliqueTwoSidesAngle{94};
inline constexpr TextId kObliqueSideTwoAngles{95};
inline constexpr TextId kObliqueThreeAngles{96};
inline constexpr TextId kObliqueThreeSides{97};
inline constexpr TextId kObliqueShapeOnlyNote{98}; ///< side b is taken as 1
inline constexpr TextId kLegendStart{100};         ///< the colour legend of the sketch
inline constexpr TextId kLegendRed{101};
inline constexpr TextId kLegendRest{102};
inline constexpr TextId kLegendSecondLine{103};
inline constexpr TextId kSketchSideB{104};
inline constexpr TextId kSketchSideC{105};
inline constexpr TextId kSketchSideA{106};
inline constexpr TextId kSidesDontClose{802};
inline constexpr TextId kAnglesLeaveNoC{803};
inline constexpr TextId kAnglesNot180{804};

// ---- bolt-hole circle ----
inline constexpr TextId kZeroAtTitle{148};
inline constexpr TextId kZeroAtTop{149};
inline constexpr TextId kZeroAtRight{150};
inline constexpr TextId kZeroAtBottom{151};
inline constexpr TextId kZeroAtLeft{152};
inline constexpr TextId kDirectionTitle{153};
inline constexpr TextId kClockwise{154};
inline constexpr TextId kCounterClockwise{155};
inline constexpr TextId kTotalHolesLabel{156};
inline constexpr TextId kCircleDiameterLabel{157};
inline constexpr TextId kXOriginLabel{158};
inline constexpr TextId kHolesToListLabel{159};
inline constexpr TextId kFirstHoleAngleLabel{160};
inline constexpr TextId kYOriginLabel{161};
inline constexpr TextId kSignsTitle{163};
inline constexpr TextId kHoleListTitle{164};
inline constexpr TextId kAngleFieldTip{165};
inline constexpr TextId kListCountsClockwise{166};
inline constexpr TextId kListCountsCounterClockwise{167};
inline constexpr TextId kListZeroAt{168};
inline constexpr TextId kListRight{169};
inline constexpr TextId kListBottom{170};
inline constexpr TextId kListLeft{171};
inline constexpr TextId kListTop{172};
inline constexpr TextId kListHole{173};
inline constexpr TextId kListHeaderZeroAt{174};
inline constexpr TextId kListFirstHoleAt{175};
inline constexpr TextId kDegreesWord{176}; ///< also the conversions page's degrees
inline constexpr TextId kListXOrigin{177};
inline constexpr TextId kListPositiveX{178};
inline constexpr TextId kListYOrigin{179};
inline constexpr TextId kListPositiveY{180};
inline constexpr TextId kListDiameter{181};
inline constexpr TextId kListCircleOf{182}; ///< "circle of n holes, of which k are listed"
inline constexpr TextId kListHolesOfWhich{183};
inline constexpr TextId kListAreListed{184};
inline constexpr TextId kSaveHoleList{267};
inline constexpr TextId kCannotOpenFile{268}; ///< the path follows
inline constexpr TextId kFullCircle{403};
inline constexpr TextId kPartialCircle{404};
inline constexpr TextId kOriginTip{407};
inline constexpr TextId kHolesToListTip{408};
inline constexpr TextId kPartHolesLabel{409};
inline constexpr TextId kStartAngleLabel{410};
inline constexpr TextId kEndAngleLabel{411};
inline constexpr TextId kStartBeyondEnd{807};
inline constexpr TextId kMoreListedThanHoles{809};

// ---- polygon ----
inline constexpr TextId kPolygonKnownTitle{251};
inline constexpr TextId kPolygonKnownFlats{252};
inline constexpr TextId kPolygonKnownCorners{253};
inline constexpr TextId kPolygonKnownSide{254};
inline constexpr TextId kPolygonKnownCornerToFlat{255};
inline constexpr TextId kPolygonSides{256};
inline constexpr TextId kPolygonKnownValue{257};
inline constexpr TextId kPolygonCentralAngle{258};
inline constexpr TextId kPolygonAcrossCorners{259};
inline constexpr TextId kPolygonSide{260};
inline constexpr TextId kPolygonAcrossFlats{261};
inline constexpr TextId kPolygonCornerToFlat{262};
inline constexpr TextId kNoCornerToFlat{805}; ///< an even polygon has none

// ---- conversions ----
inline constexpr TextId kPiRadians{320};

} // namespace texts
