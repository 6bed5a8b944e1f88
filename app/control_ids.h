// Ids of the controls of MainWindow and of the commands the program sends itself.
#pragma once

#include "platform/platform.h"

constexpr int IdOriginalPathEdit = 1000;
constexpr int IdTranslationPathEdit = 1001;
constexpr int OriginalPane = 1002;
constexpr int TranslationPane = 1003;
constexpr int IdBrowseOriginal = 1004;
constexpr int IdBrowseTranslation = 1005;
constexpr int IdScrollUp = 1006;
constexpr int IdScrollDown = 1007;
constexpr int IdSave = 1008;
constexpr int IdSeriesNext = 1009;
constexpr int IdTranslationLabel = 1010;
constexpr int IdScrollPageUp = 1011;
constexpr int IdAutoSave = 1012;
constexpr int IdSeriesPrevious = 1013;
constexpr int IdUpDown = 1014;
constexpr int IdSeriesNumber = 1015;
constexpr int IdStackedLayout = 1016;
constexpr int IdSwap = 1017;
constexpr int IdDiff = 1018;
constexpr int IdMerge = 1019;
constexpr int IdScrollPageDown = 1020;
constexpr int IdCheck = 1021;
constexpr int IdColour = 1022;
constexpr int IdSaveAs = 1023;
constexpr int IdExistOriginal = 1024;
constexpr int IdExistTranslation = 1025;
constexpr int IdSearchOriginalEdit = 1026;
constexpr int IdSearchOriginalBack = 1027;
constexpr int IdSearchOriginalForward = 1028;
constexpr int IdSearchTranslationEdit = 1029;
constexpr int IdSearchTranslationBack = 1030;
constexpr int IdSearchTranslationForward = 1031;
constexpr int IdStandardEntries = 1032;
constexpr int IdAlignLeft = 1033;
constexpr int IdAlignRight = 1034;
constexpr int IdCaretOriginal = 1035;
constexpr int IdCaretTranslation = 1036;

constexpr int LoadOriginalCommand = 2001;
constexpr int LoadTranslationCommand = 2002;
constexpr int CaretPositionCommand = 3001;

// Commands of keys that have no button (see resources/accelerators.cpp).
constexpr int FindNextCommand = 3002;
constexpr int FindPreviousCommand = 3003;
constexpr int FocusSearchCommand = 3004;
constexpr int NextRedLineCommand = 3005;
constexpr int PreviousRedLineCommand = 3006;
