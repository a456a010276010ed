#include "game/state/GameInfoFile.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "game/state/StrictXmlReader.h"

#include <cmath>
#include <limits>
#include <tinyxml.h>

namespace {

const char* const FILE_NAME = "GameInfo.xml";

// The attributes of a "Player" element, in the order they are written.
enum class FieldKind { Int, Bool, TruncatedFloat, SunEnergy };
struct Field {
    const char* name;
    FieldKind kind;
    int Player::*intField;
    bool Player::*boolField;
    float Player::*floatField;
};
constexpr Field IntField(const char* name, int Player::*field)
{
    return {name, FieldKind::Int, field, nullptr, nullptr};
}
constexpr Field BoolField(const char* name, bool Player::*field)
{
    return {name, FieldKind::Bool, nullptr, field, nullptr};
}
constexpr Field FloatField(const char* name, float Player::*field, FieldKind kind = FieldKind::TruncatedFloat)
{
    return {name, kind, nullptr, nullptr, field};
}

const Field PLAYER_FIELDS[] = {
    IntField("lives", &Player::lives),
    IntField("score", &Player::score),
    IntField("pieces", &Player::pieces),
    IntField("tiles", &Player::tiles),
    IntField("lastScore", &Player::lastScore),
    IntField("numMatches", &Player::numMatches),
    IntField("bonusInLevel", &Player::bonusInLevel),
    FloatField("levelTime", &Player::levelTime),
    IntField("level", &Player::level),
    IntField("stage", &Player::stage),
    IntField("maxLevel", &Player::maxLevel),
    IntField("maxStage", &Player::maxStage),
    BoolField("levelNotComp", &Player::levelNotComp),
    BoolField("hintsEnabled", &Player::hintsEnabled),
    FloatField("sunEnergy", &Player::sunEnergy, FieldKind::SunEnergy),
    FloatField("timeToLevel", &Player::timeToLevel),
    FloatField("totalTime", &Player::totalTime),
    BoolField("viewHistory", &Player::viewHistory),
    BoolField("showHelp", &Player::showHelp),
    BoolField("ignoreShowHints", &Player::ignoreShowHints),
    IntField("cycle", &Player::cycle),
    IntField("uid", &Player::uid),
    IntField("menuParam1", &Player::menuParam1),
    IntField("wiseTipNumber", &Player::wiseTipNumber),
    BoolField("win", &Player::win),
    BoolField("showSSTip", &Player::showSSTip),
    BoolField("firstMultIsShow", &Player::firstMultIsShow),
    IntField("difficultyLevel", &Player::difficultyLevel),
    IntField("completeLevelFactor", &Player::completeLevelFactor),
    BoolField("needShowArtefactTip", &Player::needShowArtefactTip),
};

TiXmlElement BonusElement(int number, int count)
{
    TiXmlElement bonus("Bonus");
    bonus.SetAttribute("number", number);
    bonus.SetAttribute("count", count);
    return bonus;
}

// Seven "Bonus" children, numbers 0 to 6.
void WriteBonusList(TiXmlElement& parent, const int (&counts)[LEVEL_INFO_SLOTS])
{
    for (int i = 0; i < LEVEL_INFO_SLOTS; ++i)
        parent.InsertEndChild(BonusElement(i, counts[i]));
}

void WriteLevelRecords(const Player& player, const std::vector<LevelMapStage>& stages, TiXmlElement& parent)
{
    const int mapStages = static_cast<int>(stages.size());
    const int heldStages = static_cast<int>(player.levelInfos.size());
    for (int s = 0;; ++s) {
        const bool fromMap = s < mapStages;
        if (fromMap && s > player.maxStage - 1)
            return;
        int count = 0;
        if (fromMap)
            count = static_cast<int>(stages[s].levels.size());
        else if (s < heldStages)
            // Records past the level map (or with no map at all) are written
            // as they are held, so that nothing is lost.
            count = static_cast<int>(player.levelInfos[s].size());
        else
            return;
        for (int l = 0; l < count; ++l) {
            if (fromMap && s == player.maxStage - 1 && l == player.maxLevel - 1)
                return;
            const LevelInfo info = player.GetLevelInfo(s, l);
            TiXmlElement level("Level");
            TiXmlElement taked("TakedBonus");
            WriteBonusList(taked, info.takedBonus);
            TiXmlElement used("UsedBonus");
            WriteBonusList(used, info.usedBonus);
            level.InsertEndChild(taked);
            level.InsertEndChild(used);
            parent.InsertEndChild(level);
        }
    }
}

// Every "Bonus" child with a number of 0 to 6 sets that count.
void ReadBonusList(const TiXmlElement* parent, int (&counts)[LEVEL_INFO_SLOTS], StrictXmlReader& reader)
{
    for (const TiXmlElement* b = parent->FirstChildElement("Bonus"); b; b = b->NextSiblingElement("Bonus")) {
        int number = -1;
        int count = 0;
        reader.Int(b, "number", number);
        reader.Int(b, "count", count);
        if (number >= 0 && number < LEVEL_INFO_SLOTS)
            counts[number] = count;
    }
}

void ReadLevelRecords(const TiXmlElement* info, const std::vector<LevelMapStage>& stages, Player& player,
                      StrictXmlReader& reader)
{
    player.levelInfos.clear();
    if (!info)
        return;
    std::vector<LevelInfo> current;
    std::size_t s = 0;
    bool missingTaked = false;
    bool missingUsed = false;
    for (const TiXmlElement* e = info->FirstChildElement("Level"); e; e = e->NextSiblingElement("Level")) {
        // A stage of the map without levels holds an empty list.
        while (current.empty() && s < stages.size() && stages[s].levels.empty()) {
            player.levelInfos.emplace_back();
            ++s;
        }
        LevelInfo record;
        if (const TiXmlElement* taked = e->FirstChildElement("TakedBonus"))
            ReadBonusList(taked, record.takedBonus, reader);
        else
            missingTaked = true;
        if (const TiXmlElement* used = e->FirstChildElement("UsedBonus"))
            ReadBonusList(used, record.usedBonus, reader);
        else
            missingUsed = true;
        current.push_back(record);
        // Past the level map, the remaining records stay together in one list.
        if (s < stages.size() && current.size() == stages[s].levels.size()) {
            player.levelInfos.push_back(current);
            current.clear();
            ++s;
        }
    }
    if (!current.empty())
        player.levelInfos.push_back(current);
    if (missingTaked)
        reader.Note("a \"Level\" without \"TakedBonus\"");
    if (missingUsed)
        reader.Note("a \"Level\" without \"UsedBonus\"");
}

void ReadStageRecords(const TiXmlElement* info, Player& player, StrictXmlReader& reader)
{
    int s = 0;
    if (info) {
        for (const TiXmlElement* e = info->FirstChildElement("Stage"); e && s < STAGE_COUNT;
             e = e->NextSiblingElement(), ++s) {
            LevelInfo record;
            for (const TiXmlElement* b = e->FirstChildElement("Bonus"); b; b = b->NextSiblingElement()) {
                int number = -1;
                int count = 0;
                reader.Int(b, "number", number);
                reader.Int(b, "count", count);
                if (number >= 0 && number < LEVEL_INFO_SLOTS)
                    record.extra[number] = count;
                if (number >= LEVEL_INFO_SLOTS - 1)
                    break;
            }
            player.completedStages[s] = record;
        }
    }
    for (; s < STAGE_COUNT; ++s)
        player.completedStages[s] = LevelInfo();
}

// Progress fields out of their ranges would send every reader of the level
// tables past their ends: they are set back to the first level.
void CheckProgress(Player& player, StrictXmlReader& reader)
{
    const struct {
        const char* name;
        int Player::*field;
        int highest;
    } limits[] = {
        {"stage", &Player::stage, STAGE_COUNT},
        {"level", &Player::level, std::numeric_limits<int>::max()},
        {"maxStage", &Player::maxStage, STAGE_COUNT + 1},
        {"maxLevel", &Player::maxLevel, std::numeric_limits<int>::max()},
    };
    for (const auto& limit : limits) {
        int& value = player.*limit.field;
        if (value < 1 || value > limit.highest) {
            reader.Note(std::string("\"") + limit.name + "\" " + IntToString(value) + " is out of range");
            value = 1;
        }
    }
    if (player.maxStage < player.stage) {
        reader.Note("\"maxStage\" is below \"stage\"");
        player.maxStage = player.stage;
    }
}

} // namespace

Player ReadPlayerElement(const TiXmlElement& element, const std::vector<LevelMapStage>& stages)
{
    StrictXmlReader reader(FILE_NAME);
    Player player;
    reader.String(&element, "name", player.name);
    for (const Field& field : PLAYER_FIELDS) {
        switch (field.kind) {
        case FieldKind::Int:
            reader.Int(&element, field.name, player.*field.intField);
            break;
        case FieldKind::Bool:
            reader.Bool(&element, field.name, player.*field.boolField);
            break;
        case FieldKind::TruncatedFloat:
        case FieldKind::SunEnergy:
            reader.Float(&element, field.name, player.*field.floatField);
            break;
        }
    }
    player.sunEnergy *= 0.001f;
    CheckProgress(player, reader);

    if (const TiXmlElement* bonuses = reader.Child(&element, "Bonuses", "")) {
        const TiXmlElement* b = bonuses->FirstChildElement();
        for (int i = 0; i < BONUS_KINDS && b; ++i, b = b->NextSiblingElement()) {
            int number = -1;
            int count = 0;
            reader.Int(b, "number", number);
            reader.Int(b, "count", count);
            if (Player::IsBonusNumber(number))
                player.bonusCount[number] = count;
        }
    }

    player.shownHints.clear();
    if (!player.ignoreShowHints) {
        if (const TiXmlElement* hints = reader.Child(&element, "Hints", "")) {
            reader.Bool(hints, "isArtefactSwapped", player.isArtefactSwapped);
            for (const TiXmlElement* h = hints->FirstChildElement(); h; h = h->NextSiblingElement()) {
                if (const char* name = h->Attribute("name"))
                    player.shownHints.insert(name);
            }
        }
    } else {
        player.isArtefactSwapped = false;
    }

    ReadStageRecords(reader.Child(&element, "CompletedStageInfo", ""), player, reader);
    ReadLevelRecords(reader.Child(&element, "CompletedLevelInfo", ""), stages, player, reader);

    // Kept by this program beside the fields above; a file without it holds
    // no queue.
    if (const TiXmlElement* queue = element.FirstChildElement("ArtefactQueue")) {
        for (const TiXmlElement* p = queue->FirstChildElement("Piece"); p; p = p->NextSiblingElement("Piece")) {
            int number = 0;
            reader.Int(p, "number", number);
            player.artefactQueue.push_back(number);
        }
    }
    reader.Report("Player \"" + player.name + "\"");
    return player;
}

void WritePlayerElement(const Player& player, const std::vector<LevelMapStage>& stages, TiXmlElement& parent)
{
    TiXmlElement element("Player");
    element.SetAttribute("name", player.name);
    for (const Field& field : PLAYER_FIELDS) {
        switch (field.kind) {
        case FieldKind::Int:
            element.SetAttribute(field.name, player.*field.intField);
            break;
        case FieldKind::Bool:
            element.SetAttribute(field.name, player.*field.boolField ? 1 : 0);
            break;
        case FieldKind::TruncatedFloat:
            element.SetAttribute(field.name, TruncateToInt(player.*field.floatField));
            break;
        case FieldKind::SunEnergy:
            element.SetAttribute(field.name, TruncateToInt(player.sunEnergy * 1000.0f));
            break;
        }
    }

    TiXmlElement bonuses("Bonuses");
    for (int i = 0; i < BONUS_KINDS; ++i)
        bonuses.InsertEndChild(BonusElement(i, player.bonusCount[i]));
    element.InsertEndChild(bonuses);

    TiXmlElement hints("Hints");
    hints.SetAttribute("isArtefactSwapped", player.isArtefactSwapped ? 1 : 0);
    for (const std::string& name : player.shownHints) {
        TiXmlElement hint("Hint");
        hint.SetAttribute("name", name);
        hints.InsertEndChild(hint);
    }
    element.InsertEndChild(hints);

    TiXmlElement stageInfo("CompletedStageInfo");
    for (int s = 0; s < STAGE_COUNT; ++s) {
        TiXmlElement stage("Stage");
        WriteBonusList(stage, player.completedStages[s].extra);
        stageInfo.InsertEndChild(stage);
    }
    element.InsertEndChild(stageInfo);

    TiXmlElement levelInfo("CompletedLevelInfo");
    WriteLevelRecords(player, stages, levelInfo);
    element.InsertEndChild(levelInfo);

    TiXmlElement queue("ArtefactQueue");
    for (int number : player.artefactQueue) {
        TiXmlElement piece("Piece");
        piece.SetAttribute("number", number);
        queue.InsertEndChild(piece);
    }
    element.InsertEndChild(queue);

    parent.InsertEndChild(element);
}

void ReadGameInfoDocument(const TiXmlDocument& document, const std::vector<LevelMapStage>& stages,
                          GameInfoContents& contents)
{
    StrictXmlReader reader(FILE_NAME);
    const TiXmlElement* root = document.RootElement();

    contents.players.clear();
    if (const TiXmlElement* profiles = reader.Child(root, "Profiles", "")) {
        for (const TiXmlElement* p = profiles->FirstChildElement("Player"); p; p = p->NextSiblingElement()) {
            if (!p->Attribute("name")) {
                reader.Note("a profile without \"name\" is skipped");
                continue;
            }
            Player player = ReadPlayerElement(*p, stages);
            contents.players.insert({player.name, std::move(player)});
        }
    }

    contents.activePlayer.clear();
    reader.String(reader.Child(root, "ActivePlayer", ""), "name", contents.activePlayer);

    if (const TiXmlElement* options = reader.Child(root, "Options", "")) {
        ReadBoolAttribute(options, "fullscreen", contents.options.fullscreen);
        ReadIntAttribute(options, "music", contents.options.musicVolume);
        ReadIntAttribute(options, "sound", contents.options.soundVolume);
        ReadBoolAttribute(options, "customCursor", contents.options.customCursor);
    }

    contents.hiScores.clear();
    if (const TiXmlElement* hiScores = reader.Child(root, "HiScores", "")) {
        int dropped = 0;
        for (const TiXmlElement* h = hiScores->FirstChildElement("HiScoresElem"); h; h = h->NextSiblingElement()) {
            // The table shows so many; a longer list would only be carried
            // from save to save.
            if (contents.hiScores.size() >= static_cast<std::size_t>(HI_SCORE_LINES)) {
                ++dropped;
                continue;
            }
            HiScoresElem entry;
            reader.String(h, "name", entry.name);
            reader.Int(h, "score", entry.score);
            reader.Int(h, "uid", entry.uid);
            reader.Int(h, "cycle", entry.cycle);
            contents.hiScores.push_back(entry);
        }
        if (dropped > 0)
            LogError(FILE_NAME, IntToString(dropped) + " hi-score entries past the table's " +
                                    IntToString(HI_SCORE_LINES) + " are dropped");
    }
    reader.Report("");
}

void WriteGameInfoDocument(const GameInfoContents& contents, int version, const std::vector<LevelMapStage>& stages,
                           TiXmlDocument& document)
{
    document.Clear();
    TiXmlElement root("GameInfo");
    root.SetAttribute("version", version);

    TiXmlElement profiles("Profiles");
    for (const auto& entry : contents.players)
        WritePlayerElement(entry.second, stages, profiles);
    root.InsertEndChild(profiles);

    TiXmlElement active("ActivePlayer");
    active.SetAttribute("name", contents.activePlayer);
    root.InsertEndChild(active);

    TiXmlElement options("Options");
    options.SetAttribute("fullscreen", contents.options.fullscreen ? "true" : "false");
    options.SetAttribute("sound", contents.options.soundVolume);
    options.SetAttribute("music", contents.options.musicVolume);
    options.SetAttribute("customCursor", contents.options.customCursor ? 1 : 0);
    root.InsertEndChild(options);

    TiXmlElement hiScores("HiScores");
    for (const HiScoresElem& entry : contents.hiScores) {
        TiXmlElement e("HiScoresElem");
        e.SetAttribute("name", entry.name);
        e.SetAttribute("score", entry.score);
        e.SetAttribute("uid", entry.uid);
        e.SetAttribute("cycle", entry.cycle);
        hiScores.InsertEndChild(e);
    }
    root.InsertEndChild(hiScores);

    document.InsertEndChild(root);
}
