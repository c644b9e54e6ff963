// Orvanel: the program starts in its invisible start-up window, whose load step shows the
// main window (or refuses a second copy).
#include "program.h"

int main(int argc, char** argv)
{
    return RunOrvanel(argc, argv);
}
