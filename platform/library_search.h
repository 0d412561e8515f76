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

// Loads the common controls that the program's manifest asks for, version 6, which Windows XP
// needs loaded before the first window that uses them is made; later Windows load them
// themselves. Loaded by name, the one way Windows finds the version the manifest names, so
// after HardenLibrarySearch. Where Windows has no such versions (before XP, which read no
// manifest) the classic controls need nothing, and nothing is loaded. Kept until the end.
void LoadCommonControls();

}  // namespace platform
