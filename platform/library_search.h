#pragma once

namespace platform {

// Takes the program's own folder and the current folder out of the search for every library the
// process loads by bare name from now on, the system's own libraries' dependencies included: a
// DLL of a system library's name downloaded next to the program must never be loaded. Where
// the system offers it (Windows 8; Windows 7 and Server 2008 R2 with update KB2533623) only the
// system folder is searched; else, from Windows XP SP1, the current folder is left out but the
// program's folder is still searched first; Windows 2000 and the 9x family have neither and keep
// their search. Called first thing at start-up.
void HardenLibrarySearch();

// Makes the common controls 6.0, drawn in the system's visual style, the ones the program's
// windows are made with: the program's second manifest asks for them, in an activation context
// of its own, so that the 9x family, whose real systems have none, never gets them; and loads
// them with the classes the windows use, which Windows XP needs before the first window that
// uses them is made. Loaded by name, the one way Windows finds the version the manifest names,
// so after HardenLibrarySearch. Before XP, which reads no manifest, nothing is done.
void LoadCommonControls();

}  // namespace platform
