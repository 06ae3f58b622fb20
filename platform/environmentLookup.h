// Environment look-ups that ignore the case of names, as the temporary-folder variables are
// found. Safe inside a signal handler.
#pragma once

// The value of the first variable in environment (a null-terminated array of "name=value"
// texts) whose name equals name without regard to ASCII case; null when there is none.
const char* findEnvironmentValueIgnoringCase(char* const* environment, const char* name);
