#pragma once
// The fixed texts of the selector's main window, kept in one place.

#include <QString>

namespace outfitter::texts {

using namespace Qt::StringLiterals;

inline const QString kWindowTitle = u"QIV Outfitter"_s;
inline const QString kDuplicateTitle = u"Hang On..........."_s;
inline const QString kDuplicateAppTitle = u"... duplicate instance."_s;
// %1 the game folder, %2 " (process 1234)" or nothing.
inline const QString kAlreadyOpen = u"outfitter is already open for the game folder\n"
                                    u"%1%2.\n"
                                    u"\n"
                                    u"You have probably minimised it; it has been waiting patiently for you\n"
                                    u"at the bottom of your screen!"_s;
// %1 " (process 1234)" or nothing.
inline const QString kStartedWhileBusy =
    u"Another outfitter%1 is changing this game folder: what is shown may change, and nothing left "
    u"unfinished was repaired. Changes wait until it has finished."_s;

inline const QString kTabGeneral = u"General Settings"_s;
inline const QString kTabCompleteSets = u"Complete Sets"_s;
inline const QString kTabWorld = u"World Settings"_s;
inline const QString kTabAutoscripts = u"Autoscripts and Program launch"_s;
inline const QString kTabPlanesSkins = u"Planes and Skins"_s;

inline const QString kShowAll = u"Show ALL"_s;
inline const QString kShowSelections = u"Show Selections"_s;
inline const QString kCodeLetter = u"Code letter"_s;
inline const QString kRefresh = u"Refresh!"_s;
inline const QString kWhatsSet = u"Whats Set?"_s;
inline const QString kOnlineAutoLoad = u"Online client AutoLoad area"_s;
inline const QString kCurrentMusic = u"Current Music"_s;
inline const QString kResolution = u"User's PC natural resolution:"_s;
inline const QString kLinksCaption = u"Links, Support and Downloads"_s;
inline const QString kCredits = u"Sets, skins and aircraft belong to the players who made them.\n"
                                u"Thank them, and share your own work with the community.\n"_s;
inline const QString kSelectExe = u"Select an exe to launch: "_s;
inline const QString kGameFolder = u"EAW folder:"_s;
inline const QString kMusicFolders = u"Music folders you can switch to:"_s;
inline const QString kLoadedNow = u"Loaded now:"_s;

inline const QString kLoadHint =
    u"Click on a white row to load a folder, or click on a green row to unload it."_s;
inline const QString kDetailHint = u"Point at a listed set for more detail"_s;
inline const QString kResetAll = u"Reset All"_s;
inline const QString kResetAllTip = u"Moves all extra files added by this software to the EAW folder back "
                                    u"to their original folders."_s;
inline const QString kJustLaunch = u"Just Launch"_s;
inline const QString kMinimiseAndLaunch = u"Minimise QIV and launch"_s;
inline const QString kExitAndLaunch = u"Exit QIV and launch"_s;
inline const QString kExit = u"Exit"_s;
inline const QString kMinimise = u"Minimise"_s;
inline const QString kUndo = u"Undo"_s;
inline const QString kUndoTip = u"Undo: %1 (Ctrl+Z)"_s;
inline const QString kNothingToUndo = u"Nothing to undo"_s;

} // namespace outfitter::texts
