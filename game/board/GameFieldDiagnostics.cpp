// The board's diagnostics: the trace of blocking and mouse changes, the
// "WriteDebugInfo" dump and the state file of the help board's loader.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/StartUp.h"
#include "engine/util/FileSystem.h"
#include "engine/util/StringUtils.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "gui/controllers/ControllerManager.h"

#include <fstream>
#include <locale>

namespace {

std::string Flag(bool value)
{
    return value ? "1" : "0";
}

} // namespace

void GameField::WriteTrace(const std::string& text)
{
    _traceLog.Write(text);
}

void GameField::SetBlocked(bool blocked, const std::string& operation, const std::string& source)
{
    _isBlocked = blocked;
    WriteTrace(std::string(blocked ? "isBlocked=true in " : "isBlocked=false in ") + source + " " + operation + " " +
               name);
}

void GameField::SetCanAcceptMouse(bool accept, const std::string& label, const std::string& operation)
{
    _canAcceptMouse = accept;
    WriteTrace(label + Flag(accept) + " in " + kTraceSource + " " + operation + " " + name);
}

std::vector<std::string> GameField::DebugFlagLines() const
{
    return {"------------------- FLAGS --------------------",
            "_isBlocked = " + Flag(_isBlocked),
            "_canAcceptMouse = " + Flag(_canAcceptMouse),
            "_stopTime = " + Flag(_stopTime),
            "_isActive = " + Flag(_isActive),
            "_artInFly = " + IntToString(_artInFly),
            "_isShowMessage = " + Flag(_isShowMessage),
            "EndLevelManager = " + Flag(_endLevelRunning),
            "",
            "Stage = " + IntToString(_stage),
            "Level = " + IntToString(_level),
            "_squares.size() = " + IntToString(static_cast<int>(_squares.size())),
            ""};
}

std::string GameField::DebugTracePath()
{
    // Beside log.htm: in the application-data folder, or in the game folder
    // when the log is kept there.
    const std::string& logPath = g_log.Path();
    std::string folder = g_appDataFolder;
    if (!logPath.empty()) {
        const std::size_t slash = logPath.find_last_of('/');
        folder = slash == std::string::npos ? std::string() : logPath.substr(0, slash);
    }
    return folder.empty() ? "log2.txt" : folder + "/log2.txt";
}

void GameField::WriteDebugInfo()
{
    const std::vector<std::string> lines = DebugFlagLines();
    for (const std::string& line : lines)
        g_log.WriteBlack(line);
    for (const std::string& line : lines)
        WriteTrace(line);
    WriteTrace("");
    // A file that cannot be written is skipped; the trace stays in memory.
    _traceLog.SaveTo(DebugTracePath());
    kernel.LogControllers();
}

void GameField::DumpState(const std::string& fileName)
{
    std::ofstream out(ResolvePath(fileName));
    if (!out)
        return;
    out.imbue(std::locale::classic());
    auto line = [&out](const auto& value) { out << value << std::endl; };

    line(_width);
    line(_height);
    line(_elapsed);
    line(_chipCount);
    line(_levelTime);
    line(_tipTime);
    line(_sunInc[4]);
    line(_sunInc[5]);
    line(_sunInc[6]);
    line(_stageIndex);
    line(static_cast<int>(_artefactQueue.size()));
    for (int piece : _artefactQueue)
        line(piece);
    for (int i = 0; i < _chipCount; ++i)
        line(_chips[i]);

    // The level codes as the squares leave them, on a copy: every cell a
    // plain one, but for the locks and stones and the bonus squares.
    UpdateKindMap();
    LevelGrid codes = _levelGrid;
    for (int x = -1; x <= LevelGrid::kSide; ++x)
        for (int y = -1; y <= LevelGrid::kSide; ++y)
            if (codes.At(x, y) > 0)
                codes.Set(x, y, 1);
    for (const std::unique_ptr<Square>& square : _squares) {
        if (square->kind >= kKindLocked && square->kind < kKindBonus)
            codes.Set(square->x, square->y, square->kind & 0xF0);
        else if (IsBonusKind(square->kind))
            codes.Set(square->x, square->y, square->kind);
    }

    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            line(_kinds[x][y]);
    for (int x = -1; x <= _width; ++x)
        for (int y = -1; y <= _height; ++y)
            line(codes.At(x, y));
}
