#include "game/board/Square.h"

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "game/board/SquareKinds.h"

#include <string>

namespace {

// Frames of the chip sheets.
constexpr int kSelectFirst = 0;
constexpr int kSelectLast = 35;

void PlayRange(SpriteAnimation& anim, int first, int last, int mode)
{
    anim.SetFirstFrame(first);
    anim.SetLastFrame(last);
    anim.SetFrame(first);
    anim.SetMode(mode);
    anim.Play(true);
}

// Frame 0, stopped.
void RestOnFirstFrame(SpriteAnimation& anim)
{
    anim.SetFirstFrame(0);
    anim.SetLastFrame(0);
    anim.SetFrame(0);
    anim.SetMode(SpriteAnimation::kLoop);
    anim.playing = false;
}

} // namespace

Square::Square(int cellX, int cellY, float screenX, float screenY, int squareKind)
    : x(cellX)
    , y(cellY)
    , kind(squareKind)
    , position(screenX, screenY, 0.0f)
{
    phase = static_cast<float>(RandomInt() % 1000) * 0.001f;
    phaseRate = static_cast<float>(RandomInt() % 250) * 0.001f + 0.6f;
    StartChipAnim();
}

void Square::StartChipAnim()
{
    if (IsSquareKind(kind)) {
        if (ResourceEntry<SpriteAnimation>* entry =
                g_resourceManager.FindAnimation("ChipAnim" + std::to_string(KindColour(kind)))) {
            if (entry->object)
                anim = *entry->object;
        }
        anim.SetFiltering(true);
    }
    if (kind < 48)
        RestOnFirstFrame(anim);
}

void Square::Update(float dt)
{
    if (landed) {
        bounceTime += dt;
        if (bounceTime >= bounceDuration) {
            landed = false;
            position.y = restY;
        } else {
            position.y = restY - bounceTime * bounceSpeed - gravity * bounceTime * bounceTime / 2.0f;
        }
    }
    anim.Update(dt);
    if (highlighted && !anim.playing) {
        highlighted = false;
        Deselect(this);
    }
}

void Square::SetBounce(float speed, float duration, float g, float restingY)
{
    bounceTime = 0.0f;
    bounceSpeed = speed;
    bounceDuration = duration;
    gravity = g;
    restY = restingY;
}

void Square::StartBounce()
{
    landed = true;
    bounceTime = 0.0f;
}

void Square::StopBounce()
{
    if (!landed)
        return;
    landed = false;
    position.y = restY;
}

void Square::Select(Square* square)
{
    if (!square)
        return;
    square->selected = true;
    if (square->kind < 16)
        PlayRange(square->anim, kSelectFirst, kSelectLast, SpriteAnimation::kLoop);
}

void Square::Deselect(Square* square)
{
    if (!square)
        return;
    square->selected = false;
    if (square->kind < 48)
        RestOnFirstFrame(square->anim);
}

void Square::RestoreFrame(Square* square)
{
    if (!square)
        return;
    square->selected = false;
    if (square->kind < 48) {
        square->anim.mode = 0;
        square->anim.SetFrame(square->storedFrame);
    }
}

void Square::PlayHighlight(Square* square)
{
    if (!square || square->selected || square->kind >= 48 || square->highlighted)
        return;
    square->highlighted = true;
    PlayRange(square->anim, kHighlightFirst, kHighlightLast, 0);
}
