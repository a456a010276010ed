#pragma once

// The board's pictures looked up by name ("#id" of a registered picture), and
// which of them stay loaded: the board's own pictures always, a country's
// pictures (its layer's group) while the board plays that country.

#include <string>

class Sprite;

// The registered picture; flagged to stay loaded unless it is one of a
// country's pictures. Null, with one log line for each missing name, when
// none is registered. A null picture is drawn as nothing.
Sprite* BoardPicture(const std::string& name);
// The same without the log line for a missing name.
Sprite* KeptBoardPicture(const std::string& name);

// The group of a country's pictures: its layer's name.
std::string CountryPictureGroup(int stage);
// The board starts to play the country (1 to 7): its pictures stay loaded
// from now on, and the last country's go, with its artefact's pieces,
// unless that country's layer is still on screen (its own release takes
// them then).
void KeepCountryPictures(int stage);
