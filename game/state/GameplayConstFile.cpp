#include "game/state/GameplayConstFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/XmlFile.h"
#include "game/state/StrictXmlReader.h"

#include <tinyxml.h>

bool LoadGameplayConstFile(const std::string& name, GameplayConstants& constants)
{
    TiXmlDocument document;
    if (!LoadXmlFile(name, document)) {
        LogError(name, "Can't load the game-play constants; points per extra life stay " +
                           std::to_string(constants.lifeBonusScores));
        return false;
    }
    StrictXmlReader reader(name);
    const TiXmlElement* root = document.RootElement();

    if (const TiXmlElement* chains = reader.Child(root, "Chains", "")) {
        for (const TiXmlElement* m = chains->FirstChildElement("ChainMessage"); m;
             m = m->NextSiblingElement("ChainMessage")) {
            int n = 0;
            std::string text;
            reader.Int(m, "n", n);
            reader.String(m, "text", text);
            constants.chainMessages.insert({n, text});
        }
    }

    // The board divides by the points per extra life: without a number above
    // 0 the value there is stays (a positive default at the first load).
    int lifeBonusScores = 0;
    if (const TiXmlElement* bonus = reader.Child(root, "LifeBonusScores", ""))
        reader.Int(bonus, "scores", lifeBonusScores);
    if (lifeBonusScores > 0)
        constants.lifeBonusScores = lifeBonusScores;
    else
        reader.Note("\"scores\" of \"LifeBonusScores\" must be a number above 0; points per extra life stay " +
                    std::to_string(constants.lifeBonusScores));
    reader.Int(reader.Child(root, "WiseTips", ""), "totalNumber", constants.wiseTipsTotal);

    const struct {
        const char* element;
        int GameplayConstants::*value;
    } counts[] = {
        {"MaxTrashOnField", &GameplayConstants::maxTrashOnField},
        {"AddMaxTrashOnCycle", &GameplayConstants::addMaxTrashOnCycle},
        {"AbsoluteMaxTrashOnField", &GameplayConstants::absoluteMaxTrashOnField},
        {"Chain5", &GameplayConstants::chain5},
        {"Chain9", &GameplayConstants::chain9},
        {"Chain12", &GameplayConstants::chain12},
    };
    for (const auto& c : counts)
        reader.Int(reader.Child(root, c.element, ""), "count", constants.*c.value);
    reader.Report("");
    return true;
}
