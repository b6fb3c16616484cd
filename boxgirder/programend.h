#pragma once

#include <functional>

namespace elsbrook {

// Ends the program at once, whichever of its windows is showing (退出, or closing the input or
// geometry window by its title bar).
void EndProgram();

// What EndProgram does; tests put a recorder here so that the test run goes on. The previous
// function is returned.
using ProgramEndFunction = std::function<void()>;
ProgramEndFunction SetProgramEndFunction(ProgramEndFunction function);

} // namespace elsbrook
