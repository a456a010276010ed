#pragma once

// The strict lookups: most lookups by name (a picture, a sample, a track, a
// particle effect, a text id, a board message) let a missing name pass
// quietly, as the game expects. Tests and the data check tools switch the
// strict mode on, and each miss then writes one log line under the fixed
// title kMissingNameTitle, so a walk through the game can be checked for
// names the data forgot. The mode starts on when the environment variable
// VELMORA_STRICT_LOOKUPS is set to anything but "0" or "".

#include <string>

extern const char* const kMissingNameTitle;

void SetStrictLookups(bool on);
bool StrictLookups();

// In the strict mode: logs that the kind of thing ("picture", "sample", ...)
// of that name is not there. Otherwise nothing.
void ReportMissingName(const char* kind, const std::string& name);
