#include "gui/effects/TextWithEffects.h"

#include "engine/render/RenderDevice.h"
#include "gui/effects/TextEffectFile.h"

void TextWithEffects::Load(const TiXmlElement* element)
{
    ParseTextEffect(element, *this);
}

void TextWithEffects::BuildFromText(const std::string& textName)
{
    BuildTextEffectsFromText(textName, *this);
}

void TextWithEffects::SetOwner(EffectList* owner)
{
    _owner = owner;
    for (auto& entry : _strings)
        entry.second._owner = owner;
}

bool TextWithEffects::Insert(const std::string& name, const TextEffectString& string)
{
    const auto result = _strings.emplace(name, string);
    if (result.second && _owner)
        result.first->second._owner = _owner;
    return result.second;
}

TextEffectString& TextWithEffects::String(const std::string& name)
{
    const auto found = _strings.find(name);
    if (found != _strings.end())
        return found->second;
    TextEffectString& made = _strings[name];
    made._owner = _owner;
    return made;
}

TextEffectString* TextWithEffects::Find(const std::string& name)
{
    const auto found = _strings.find(name);
    return found == _strings.end() ? nullptr : &found->second;
}

void TextWithEffects::Update(float dt)
{
    _allFinished = true;
    for (auto& entry : _strings) {
        TextEffectString& string = entry.second;
        string.Update(dt);
        if (string._enabled && !string._done)
            _allFinished = false;
    }
}

void TextWithEffects::Draw()
{
    for (auto& entry : _strings)
        entry.second.Draw();
}

void TextWithEffects::DrawAt(const Point& p)
{
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(p.x), static_cast<float>(p.y), 0.0f));
    Draw();
    g_renderDevice.PopMatrix();
}

void TextWithEffects::Finish()
{
    _allFinished = true;
    for (auto& entry : _strings)
        entry.second.Finish();
}

void TextWithEffects::FinishString(const std::string& name)
{
    String(name).Finish();
}

void TextWithEffects::StopFlames()
{
    for (auto& entry : _strings)
        entry.second.StopFlames();
}

void TextWithEffects::Reset()
{
    _allFinished = false;
    for (auto& entry : _strings)
        entry.second.Reset();
}
