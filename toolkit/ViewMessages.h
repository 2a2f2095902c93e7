// Notifications between views. They are compared by the identity of these
// shared strings, not by their text, so a sender must pass these pointers.
#pragma once

namespace VSTGUI {

extern const char* const kMsgCheckIfViewContainer;
extern const char* const kMsgNewFocusView;
extern const char* const kMsgOldFocusView;

} // namespace VSTGUI
