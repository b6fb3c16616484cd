#include "formprogram.h"
#include "travelmotorwindow.h"

int main(int argc, char *argv[]) {
    return runtime::RunFormProgram(argc, argv, "dunmoor", [] { return new TravelMotorWindow; });
}
