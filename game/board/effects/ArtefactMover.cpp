#include "game/board/effects/ArtefactMover.h"

#include "engine/render/RenderDevice.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/ChipPicture.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

Artefact* StageArtefact(const GameField& field)
{
    return g_artefacts.Find(field._stageIndex);
}

} // namespace

const ArtefactElement* ArtefactMover::StagePiece(const GameField& field, int piece)
{
    const Artefact* artefact = StageArtefact(field);
    if (!artefact || piece < 0 || static_cast<std::size_t>(piece) >= artefact->elements.size())
        return nullptr;
    return &artefact->elements[static_cast<std::size_t>(piece)];
}

ArtefactMover::ArtefactMover(const Vector3& start, const Vector3& end, int kind, GameField* field, float flashPhase,
                             float flashRate)
    : FlyingMover("ArtefactMover", 0.66f, field, start, end)
    , _kind(kind)
    , _flashPhase(flashPhase)
    , _flashRate(flashRate)
{
    if (!_field)
        return;
    gameInfo.ShowExitConfirmation();
    _field->_artefactTextPoint = Point(static_cast<int>(start.x), static_cast<int>(start.y));
    _field->_piecesThisMove += 1;
    g_sound.PlaySample("FallenArtefact");
    ActivePlayer().pieces += 1;

    const float r = static_cast<float>(RandomInt() % 500);
    const float nearX = end.x - 5.0f + 4.999f * static_cast<float>(RandomInt()) / 32767.0f;
    const float nearY = end.y + 4.999f * static_cast<float>(RandomInt()) / 32767.0f;
    SetCurveKeys(_pathX, {start.x, start.x, 250.0f + r, nearX, end.x});
    SetCurveKeys(_pathY, {start.y, start.y - 60.0f, 100.0f + std::trunc(3.0f * r / 4.0f), nearY, end.y});
    StartFlame(_field->_isHelpMode ? "ArtefactFlame3" : "ArtefactFlame" + IntToString(_field->PlayedStage()), start.x,
               start.y);
    SetCurveKeys(_pathScale, {1.0f, 1.3f, 1.3f, 1.3f, 1.0f});
}

ArtefactMover::~ArtefactMover()
{
    if (!_field)
        return;
    GameField* field = _field;
    LeaveFlight();
    if (field->_artInFly == 0)
        field->StartArtefactFlash();
    field->CheckCompleteLevel();
    if (!field->_isBlocked)
        field->ShowTip(2, 0);
    StopFlame();
    field->_checkMovesPending = true;
}

int ArtefactMover::Piece() const
{
    return _kind - kKindArtefact;
}

void ArtefactMover::Update(float dt)
{
    _time += 0.5f * _speed * dt;
    _flashPhase += _flashRate * dt;
    _flashPhase -= std::floor(_flashPhase);
    if (_phase != kFlying || !_field)
        return;
    const ArtefactElement* piece = StagePiece(*_field, Piece());
    const float halfW = piece ? static_cast<float>(piece->width) / 2.0f : 0.0f;
    const float halfH = piece ? static_cast<float>(piece->height) / 2.0f : 0.0f;
    const float t = std::min(_time, 1.0f);
    MoveFlame(PathX(t) + halfW, PathY(t) + halfH);
}

bool ArtefactMover::IsFinished()
{
    if (_finished)
        return true;
    if (_time < 1.0f)
        return false;
    if (_phase == kArrived)
        return true;
    _time = 0.0f;
    _speed = 2.55f;
    _flashPhase = 0.0f;
    _flashRate = 1.0f;
    _phase = kArrived;
    if (_field) {
        std::vector<int>& inPlace = _field->_artefactQueue;
        const int piece = Piece();
        inPlace.insert(std::find_if(inPlace.begin(), inPlace.end(), [piece](int n) { return n > piece; }), piece);
    }
    StopFlame();
    return false;
}

void ArtefactMover::Draw()
{
    if (!_field)
        return;
    Artefact* artefact = StageArtefact(*_field);
    if (!artefact)
        return;
    const int piece = Piece();
    const float t = _phase == kArrived ? 1.0f : std::min(_time, 1.0f);
    const float px = PathX(t);
    const float py = PathY(t);

    int strength = 80;
    float spread = t < 0.5f ? 2.0f - 2.4f * t : 0.8f;
    float dx = 0.0f;
    float dy = 0.0f;
    if (_phase == kArrived) {
        const float T = std::min(_time, 1.0f);
        const float w = std::sin(kPi * T);
        strength = static_cast<int>((96.0f * w + 80.0f) * std::cos(1.570795f * T));
        spread = 1.5f * w;
        const float along = 0.93f + 0.05f * T;
        dx = (PathX(along) - _end.x) * 0.75f * w;
        dy = (PathY(along) - _end.y) * 0.75f * w;
    }

    const float s = PathScale(_time);
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(px, py, 0.0f));
    if (_phase == kFlying) {
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(0.0f, -50.0f * (s - 1.0f), 0.0f));
        g_renderDevice.Scale(s, s, 1.0f);
        g_renderDevice.SetColor(Color(0, 0, 0, static_cast<std::uint8_t>(128 - static_cast<int>(10.0f * (s - 1.0f)))));
        artefact->DrawElementHighlighted(piece, 0, 0);
        g_renderDevice.ResetColor();
        g_renderDevice.PopMatrix();
        const float grow = 1.0f + 0.3f * (s - 1.0f);
        g_renderDevice.Scale(grow, grow, 1.0f);
    }
    artefact->DrawElementGlowing(piece, 0.0f, 0.0f, _flashPhase, strength, spread, dx, dy);
    RestoreDrawState();
    const int alpha = _phase == kArrived ? 255 - static_cast<int>(170.0f * _time) : 255;
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(std::clamp(alpha, 0, 255))));
    artefact->DrawElement(piece, 0, 0);
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
