#pragma once

// Recipes of the world map's pictures: the chart (its land with the sea cut
// out, and the sea under it), the water's shimmer, the waypoint symbols, the
// flag, the country badges, the corner artefact tip and its light, the
// island's title, the sea's name, the bonus icons and the wave ring.
//
// Chart coordinates are pixels of the 800 x 600 screen, y downward.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"

// The sea of the chart (islands cut out); built once per run.
const Shape& ChartWater();

// The land with the sea transparent but for a faint band of shallows, the
// coasts engraved, rivers, hills, a compass and the cartouche of the
// level texts.
void DrawChartLand(Canvas& canvas);
// The sea under the land: deep in the middle, lighter towards the coasts.
void DrawChartSea(Canvas& canvas);
// The chart as one opaque picture (land over sea).
void DrawChart(Canvas& canvas);
// Soft caustic light, tiling, mostly transparent: added three times over
// the sea, drifting.
void DrawSeaShimmer(Canvas& canvas);

// 128 x 256: per stage a cell of 64 x 32 (first-level symbol left, other
// levels right) in the left column, stage 0 at the top; in the right column
// the "current" symbols, the "locked" ones and the light's glow.
void DrawWaypointSheet(Canvas& canvas);
// 64 x 64: the pole in the left 14 columns, the cloth in the upper half of
// the rest.
void DrawMapFlag(Canvas& canvas);
// 128 x 256: one ribbon with the country's name per 32-pixel row, stage 0 at
// the top; lit or dim.
void DrawCountryBadges(Canvas& canvas, TitleLetterer& serifBold, bool lit);
// 256 x 256: white rays around the middle, fading outward.
void DrawArtefactLight(Canvas& canvas);
// 128 x 128: a golden shard of an artefact with a glint crossing it at frame
// 0 to 10.
void DrawArtefactShard(Canvas& canvas, int frame);
// The island's name in gold.
void DrawIslandTitle(Canvas& canvas, TitleLetterer& serifBold);
// The sea's name, engraved.
void DrawSeaName(Canvas& canvas, TitleLetterer& serif);
// 128 x 32: five 20 x 20 icons in the top rows, one per bonus letter.
void DrawBonusIcons(Canvas& canvas, TitleLetterer& serifBold);
// A ring of foam, clear in the middle.
void DrawWaveRing(Canvas& canvas);
