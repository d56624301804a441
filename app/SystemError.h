// The system's reason for a failed call (strerror), for the messages that
// say a file could not be written.
#pragma once

#include <string>

// "：" and the text of error, or nothing when error is 0.
std::wstring SystemErrorSuffix(int error);
