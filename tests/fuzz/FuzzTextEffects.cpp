// A text effect file (TextWithEffects.xml, HiScoresEffects.xml): the root's
// "Text" element read as the statistics page and the hi-score panel read it,
// its strings shown, stepped and finished.
#include "engine/util/XmlFile.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/TextWithEffects.h"
#include "tests/fuzz/FuzzTarget.h"

#include <tinyxml.h>

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    fuzz::WriteInput("TextWithEffects.xml", data, size);
    TiXmlDocument document;
    if (!LoadXmlFile("TextWithEffects.xml", document))
        return;
    EffectList effects;
    TextWithEffects text;
    text.Load(document.RootElement()->FirstChildElement("Text"));
    text.SetOwner(&effects);
    for (int frame = 0; frame < 3; ++frame)
        text.Update(0.25f);
    text.Finish();
    text.Update(0.25f);
}

const fuzz::FuzzTarget target("text_effects", Run);

} // namespace
