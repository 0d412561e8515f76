#pragma once

#include <string>

#include "registry/registry.h"
#include "toolkit/ruler.h"

// What a change of the title did and what Internet Explorer will show after it, in the words
// the main window's confirmation shows, for the window and the command line alike.

enum class Press { Change, Default };

// How a change ended, numbered as the command line's exit codes are.
enum class Ending {
    Shown = 0,       // done, and the browser shows what was asked
    OtherShows = 1,  // done, but another title shows, or none (Windows 11)
    Refused = 2,     // nothing changed
};

struct Outcome {
    std::wstring text;  // two lines, a carriage return and a line feed between them
    Ending ending;
};

// The outcome of a change that `done` tells of. `title` is the text the change was for: the one
// typed, or after a removal the browser's own name. Each line is fitted to `fit`.
Outcome DescribeChange(const Registry::ViewsChanged& done, bool machineWide, Press press,
                       const std::wstring& title, const toolkit::LineFit& fit);

// The confirmation of a title that shows as typed: how the title bar will read.
std::wstring CompletedText(const std::wstring& title, const toolkit::LineFit& fit);

// Which title the browser shows now, and where it comes from; changes nothing. Shown where one
// title can be named, OtherShows where none can (Windows 11, a value not read, views differ).
Outcome DescribeShownTitle(const toolkit::LineFit& fit);
