#pragma once

// Reader of Artefact.xml: root > "Artefact" (attribute "path") > "element"
// (attributes "x", "y", "width", "height"). Each artefact's full picture is
// loaded and uploaded as it is read; piece pictures wait for their upload.

#include <string>

class ArtefactCatalogue;

// Appends the file's artefacts; false (and nothing added) when the file
// cannot be loaded.
bool ReadArtefactFile(const std::string& file, ArtefactCatalogue& catalogue);
