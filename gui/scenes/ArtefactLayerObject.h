#pragma once

// The artefact of a country on its background ("Artefact"): it flies in,
// shakes, fades, then bursts into its pieces, which fall and spin away. The
// scene's script drives the animation through x (0 to 1; above 1 draws as 1).
// Command: a country number 0 to 6 switches to that country's artefact and
// starts again; anything else is ignored.

#include "engine/util/SplinePath.h"
#include "gui/scenes/LayerObject.h"

#include <vector>

class Sprite;

class ArtefactLayerObject : public LayerObject {
public:
    static constexpr int kCountries = 7;

    // Country 0 without its background.
    ArtefactLayerObject();

    void Draw() override;
    void Update(float dt) override;
    void UploadResources() override;
    void ReleaseResources() override;
    void Do(const std::string& command) override;

    struct ShakeOffset {
        float x = 0.0f;
        float y = 0.0f;
    };
    // The path of one piece as it bursts out: ten keys of position, angle
    // and scale, read at the piece's progress.
    struct PiecePath {
        SplinePath<float> x, y, angle, scale;
        float random = 0.0f;
    };

    // The shake offset now: from shakeFrom towards shakeTo.
    ShakeOffset CurrentShake() const;
    // A piece's progress p at animation time t (see Draw).
    static float PieceProgress(float t, int piece, int pieceCount);

    int country = 0;
    Sprite* background = nullptr; // the resource manager's, not owned
    bool shaking = false;
    ShakeOffset shakeFrom;
    ShakeOffset shakeTo;
    float shakeTime = 0.0f;
    float shakeInterval = 0.0f;
    std::vector<PiecePath> paths;

private:
    void BuildPiecePaths();
    void NewShakeTarget();
    void DrawPieces(float t);
};
