#include "engine/platform/StartUp.h"

#include <clocale>

int main()
{
    // Numbers in data files are read in the C locale, whatever the user's.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    return RunGame();
}
