#pragma once

// traces.xml: named lists of screen points. The root holds "Trace"
// elements with a "name"; each child element (any name) is one point, its
// int attributes "x" and "y", in the order written.

#include "engine/util/Point.h"

#include <string>
#include <vector>

// The points of the first "Trace" of that name. False (and no points) when
// the file cannot be read or holds no such trace.
bool ReadTraceFile(const std::string& fileName, const std::string& traceName, std::vector<Point>& points);
