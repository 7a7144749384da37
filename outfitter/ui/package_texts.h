#pragma once
// The fixed texts of the autoscript and package controls, kept in one place.

#include <QString>

namespace outfitter::texts {

using namespace Qt::StringLiterals;

inline const QString kEnterFileName = u"Enter the filename"_s;
inline const QString kSaveAutoscript = u"Save Autoscript"_s;
inline const QString kSaveYourAutoscript = u"Save your AutoScript"_s;
inline const QString kNameTaken = u"There is already an autoscript with this name"_s;
inline const QString kOverwrite = u"Overwrite"_s;
inline const QString kCancel = u"Cancel"_s;
inline const QString kChooseScript = u"Click on the script you want to run"_s;
inline const QString kScriptContents = u"Contents of selected Autoscript:"_s;
inline const QString kLoadIt = u"OK load it!"_s;
inline const QString kLoadPackage = u"Load this package"_s;
inline const QString kResetBeforeLoading = u"Reset all before loading"_s;
inline const QString kPostOnline = u"Save to memory to post online"_s;
inline const QString kAutoLoading = u"Loading "_s;
inline const QString kDelMsn = u"Del MSN"_s;
inline const QString kDelMsnTip =
    u"Deletes the default mission files (Default*.msn) of the Savedata folder"_s;
inline const QString kDelMsnAsk = u"Delete the %1 default missions (Default*.msn) of the Savedata folder?"_s;
inline const QString kDelMsnAskOne = u"Delete the 1 default mission (Default*.msn) of the Savedata folder?"_s;
inline const QString kNoDefaultMissions = u"No default missions (Default*.msn) to delete in Savedata."_s;
inline const QString kDefaultMissionsDeleted = u"Default missions deleted: %1"_s;

} // namespace outfitter::texts
