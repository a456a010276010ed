#pragma once

// Every stage's artefact, in the order of Artefact.xml, indexed from 0.
// Artefacts live in a deque, so the catalogue may grow without moving the
// textures of those already read.

#include "game/state/Artefact.h"

#include <deque>

class ArtefactCatalogue {
public:
    // Appends an empty artefact and returns it.
    Artefact& Add() { return _artefacts.emplace_back(); }
    // The artefact of that index, or null outside the catalogue.
    Artefact* Find(int index);
    int Count() const { return static_cast<int>(_artefacts.size()); }
    void Clear() { _artefacts.clear(); }

private:
    std::deque<Artefact> _artefacts;
};

extern ArtefactCatalogue g_artefacts;

// Reads Artefact.xml into g_artefacts and uploads every full picture.
void LoadArtefacts();

// Script access by index: an index outside the catalogue is logged and
// changes nothing.
void UploadArtefactTexture(int index);
void ReleaseArtefactTexture(int index);
void UploadArtefactElements(int index);
void ReleaseArtefactElements(int index);
