#pragma once
// The fixed texts of the "General Settings" editor and the "Planes and Skins" skin controls.

#include <QString>

namespace outfitter::texts {

using namespace Qt::StringLiterals;

inline const QString kUserSettings = u"User settings"_s;
inline const QString kCurrentSettings = u"Current settings:  Press \"Enter\" after changing any value"_s;
inline const QString kIniEdit = u"Display \"eaw.ini' for inspection or further editing"_s;
inline const QString kClickToHide = u"Click to hide"_s;
inline const QString kInSaver = u"Save ini in EAW Directory"_s;
inline const QString kIniNotSavedRefreshing =
    u"eaw.ini was not saved while the set list is being rebuilt; press Enter again when it is done."_s;
// %1 the box's caption, %2 its text as typed.
inline const QString kIniNotWholeNumber = u"eaw.ini not saved: %1 \"%2\" is not a whole number."_s;
// %3 the largest number the game reads.
inline const QString kIniTooLarge = u"eaw.ini not saved: %1 \"%2\" is above %3."_s;
// %3 and %4 the lowest and highest values.
inline const QString kIniOutOfRange = u"eaw.ini not saved: %1 \"%2\" is not from %3 to %4."_s;
// %1 the saved lines, as "Month=7" joined by ", ".
inline const QString kIniSaved = u"eaw.ini: %1 saved"_s;
inline const QString kIniFreeTextSaved = u"eaw.ini saved from the editor"_s;

inline const QString kSkinAll = u"ALL"_s;
inline const QString kSkinSelected = u"Selected"_s;
inline const QString kDoubleClickHint = u"Double-click to select/deselect"_s;
inline const QString kIncludeFlt = u"Include flt files"_s;
inline const QString kIncludeFltTip =
    u"If checked it will load any *.fly files which come with the skin folder"_s;
inline const QString kClearAllSkins = u"Clear all skins"_s;
inline const QString kReName = u"Re-Name"_s;
inline const QString kRenameTitle = u"Hang On..........."_s;
inline const QString kNameInUse = u"This name is already in use"_s;
inline const QString kChooseSkinFirst = u"Click the skin to rename first."_s;

} // namespace outfitter::texts
