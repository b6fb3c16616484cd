#include "formprogram.h"
#include "ropeselectionwindow.h"

int main(int argc, char **argv) {
    return runtime::RunFormProgram(argc, argv, "galtry",
                                   [] { return new hoistrope::RopeSelectionWindow; });
}
