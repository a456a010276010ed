#pragma once

#include <string>

// The seven countries of the world map, in stage order.
extern const std::string g_countryNames[7];
