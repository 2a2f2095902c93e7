// Another program's windows on the test's X server, found the way a user
// would look for them: by window class, with where they sit on the screen.
// Xlib stays out of this header, as in support/HostWindow.h.
#pragma once

#include <string>

namespace gravelo::test::display {

struct ForeignWindow {
    unsigned long id = 0; // 0: none found
    int rootX = 0, rootY = 0;
    std::string topLevelName; // the name of the top-level window that holds it
};

// The first window whose class starts with `classPrefix`.
ForeignWindow findWindowByClass(const std::string& classPrefix);

} // namespace gravelo::test::display
