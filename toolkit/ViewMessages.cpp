#include "ViewMessages.h"

namespace VSTGUI {

const char* const kMsgCheckIfViewContainer = "kMsgCheckIfViewContainer";
const char* const kMsgNewFocusView = "kMsgNewFocusView";
const char* const kMsgOldFocusView = "kMsgOldFocusView";

} // namespace VSTGUI
