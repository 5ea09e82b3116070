#pragma once

#include <memory>
#include <ostream>

// Windows: a console shows the bytes a program writes in the console's code page, so UTF-8
// text comes out garbled on a code-page-936 one. A stream made here takes UTF-8 and hands
// the console wide characters, which show right on any code page. Null when the standard
// handle (1 output, 2 error) is not a console: a file or pipe gets the UTF-8 bytes.
std::unique_ptr<std::ostream> WideConsoleStream(int standardHandle);
