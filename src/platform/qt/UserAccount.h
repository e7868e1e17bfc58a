#pragma once

#include "platform/Platform.h"

namespace quillane {

// The full name and login name of the account the program runs under.
UserName CurrentUserAccount();

}  // namespace quillane
