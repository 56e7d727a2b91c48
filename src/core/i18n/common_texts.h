// Names of the string-table entries used by more than one area of pages, or
// by the page kit and the program around the pages.
#pragma once

#include <array>

#include "core/i18n/text_id.h"

namespace texts {

using i18n::TextId;

// ---- page names: the navigation buttons, and some help windows' titles ----
inline constexpr TextId kCircleSegmentPageName{0};
inline constexpr TextId kRightTrianglePageName{1};
inline constexpr TextId kObliqueTrianglePageName{2};
inline constexpr TextId kDovetailPageName{3};
inline constexpr TextId kDovetailMeasurementPageName{4};
inline constexpr TextId kBoltCirclePageName{5};
inline constexpr TextId kThreadWiresPageName{6};
inline constexpr TextId kDividingHeadPageName{7};
inline constexpr TextId kThreadSeriesPageName{8};
inline constexpr TextId kPolygonPageName{9};
inline constexpr TextId kSpurGearPageName{10};
inline constexpr TextId kWormGearPageName{11};
inline constexpr TextId kBevelGearPageName{365};
inline constexpr TextId kOverPinsPageName{394};
inline constexpr TextId kChangeGearsPageName{414};
inline constexpr TextId kGearRatioPageName{419};
inline constexpr TextId kHelicalGearPageName{855};
inline constexpr TextId kSineBarPageName{896};
inline constexpr TextId kTaperPageName{927};

// ---- the main window ----
inline constexpr TextId kInchSystemButton{12};   ///< the Units button while inch is in force
inline constexpr TextId kMetricSystemButton{13}; ///< the same while metric
inline constexpr TextId kLanguageButton{14};
inline constexpr TextId kAboutButton{15};
inline constexpr TextId kExitButton{16};
inline constexpr TextId kMetricWindowTitle{17};
inline constexpr TextId kInchWindowTitle{18};

// ---- units and number formats of the pages ----
inline constexpr TextId kMmUnit{19};
inline constexpr TextId kInchUnit{20};
inline constexpr TextId kInchTip{56};
inline constexpr TextId kMmTip{59};
inline constexpr TextId kPrecisionLabel{54};
inline constexpr TextId kDecimalDegreesRadio{55};
inline constexpr TextId kDecimalDegreesTip{57};
inline constexpr TextId kDmsRadio{99};
inline constexpr TextId kDmsTip{58};
inline constexpr TextId kDegreesMark{269};
inline constexpr TextId kMinutesMark{270};
inline constexpr TextId kSecondsMark{271};
/// The three marks of a degrees, minutes and seconds triple, in order.
inline constexpr std::array<TextId, 3> kDmsMarks = {kDegreesMark, kMinutesMark, kSecondsMark};
inline constexpr TextId kFractionTitle{280}; ///< frames the whole-plus-fraction entries
inline constexpr TextId kFractionOver{308};  ///< between the whole part and the numerator
inline constexpr TextId kInchWord{232};
inline constexpr TextId kInchesWord{186};
inline constexpr TextId kMillimetresWord{243};
inline constexpr TextId kUnitsLabel{185}; ///< before the unit word of a printed list

// ---- words of more than one area ----
inline constexpr TextId kOk{223};
inline constexpr TextId kCancel{224};
inline constexpr TextId kPinDiameter{128};
inline constexpr TextId kOtherAngle{111}; ///< an angle the user types
inline constexpr TextId kToleranceLabel{413};
inline constexpr TextId kPercentSign{423};
inline constexpr TextId kCalculateButton{424};
inline constexpr TextId kErrorLabel{428};
inline constexpr TextId kDividingHeadWord{205};
inline constexpr TextId kHoleCircle{212};
inline constexpr TextId kWholeTurns{213};
inline constexpr TextId kHoles{214};
inline constexpr TextId kWholeTurnMark{272}; ///< the circle column of a whole-turn division
inline constexpr TextId kTurnsWord{670};
inline constexpr TextId kHolesOnWord{671};
inline constexpr TextId kWithCrankWord{672};
inline constexpr TextId kAgainstCrankWord{673};
inline constexpr TextId kIdlersWord{674};
/// The words of a differential-indexing line, in order.
inline constexpr std::array<TextId, 5> kDifferentialWords = {
    kTurnsWord, kHolesOnWord, kWithCrankWord, kAgainstCrankWord, kIdlersWord};

// ---- the two texts whose '~' is a line break ----
inline constexpr TextId kRatioExplanation{415};
inline constexpr TextId kNoTrainQuestion{461};

// ---- the right-click menu of the fields ----
inline constexpr TextId kCopy{470};
inline constexpr TextId kPaste{471};
inline constexpr TextId kUndo{472};

// ---- help ----
inline constexpr TextId kTextSizeLabel{264};
inline constexpr TextId kThreadHelpTitle{263};
inline constexpr TextId kBacklashHelpTitle{317};
inline constexpr TextId kWormGearHelpTitle{265};
inline constexpr TextId kWormCrownHelpTitle{266};
inline constexpr TextId kWormChangeGearsHelpTitle{720};
inline constexpr TextId kBevelGearHelpTitle{374};
inline constexpr TextId kIndexingTitle{660}; ///< angles and differential indexing
inline constexpr TextId kHelpRefusedTitle{840};
inline constexpr TextId kHelpTooLarge{841};
inline constexpr TextId kHelpBadTableRow{842};
inline constexpr TextId kHelpNotAFile{843};
inline constexpr TextId kHelpBadPicture{844};
inline constexpr TextId kHelpReinstall{845};

// ---- a number field's text that can't be used ----
inline constexpr TextId kTypedUnexpected{846}; ///< a format: the text where reading stopped
inline constexpr TextId kTypedDivisionByZero{847};
inline constexpr TextId kTypedNegative{848};
inline constexpr TextId kTypedTooLarge{849};
inline constexpr TextId kTypedTooLong{850};
inline constexpr TextId kTypedTooDeep{851};
inline constexpr TextId kTypedNoUnitHere{852};
inline constexpr TextId kTypedBadAngle{853};
inline constexpr TextId kTypedUnfinished{854};

// ---- the about window ----
inline constexpr TextId kVersionLabel{321};
inline constexpr TextId kAboutText{322};
inline constexpr TextId kAboutTitle{323};
inline constexpr TextId kContactButton{324};

// ---- messages ----
inline constexpr TextId kProgramName{604};  ///< the title of every message box
inline constexpr TextId kLanguageName{722}; ///< a language file's name for its language
inline constexpr TextId kMemoryError{285};
inline constexpr TextId kSettingsFileDamaged{283};
inline constexpr TextId kSettingsWriteError{290};
inline constexpr TextId kNoLanguageFiles{291};
inline constexpr TextId kTheLanguageFile{286}; ///< begins the questions about a language file
inline constexpr TextId kLanguageFileMissing{287};
inline constexpr TextId kSettingsWaiting{820};
inline constexpr TextId kSettingsSetAside{821};
inline constexpr TextId kStateNotAFile{822};
inline constexpr TextId kIsDirectory{823};
inline constexpr TextId kIsPipe{824};
inline constexpr TextId kIsDevice{825};
inline constexpr TextId kIsSpecial{826};
inline constexpr TextId kNoGearTrainFound{438};
inline constexpr TextId kSearchWaitNotice{457};

} // namespace texts
