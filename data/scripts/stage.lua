-- The board's screens: one layer "StageLayer_" + stage for each country,
-- its board "GameField", the "Menu" button and the exit confirmation.

-- The layer of the active profile's stage.
function StageLayerName()
    return "StageLayer_" .. gameInfo:getStage()
end

-- Sends a message to the board of the current stage.
function TellBoard(...)
    Tell(StageLayerName(), "GameField", ...)
end

local function FadeInStageMusic()
    local stage = gameInfo:getStage() - 1
    Sound:FadeOutAllTracks(1.0)
    local track = gameInfo:getStageStartMusicName(stage)
    if track ~= "" then
        Sound:FadeInTrack(track, 1.0 / math.max(0.05, gameInfo:getStageStartFadeSpeed(stage)), true)
    end
end

-- At full black: the stage's artefact pieces and picture are loaded, the
-- board starts the level, the stage's music comes in.
function OnStageShown()
    local artefact = gameInfo:getStage() - 1
    UploadArtefactElements(artefact)
    UploadArtefactTexture(artefact)
    TellBoard("Reset")
    TellBoard("RunStart")
    FadeInStageMusic()
end

-- Starts the profile's current level on its stage's screen.
function StartStageLevel()
    gameInfo:Save()
    GoTo(StageLayerName(), "OnStageShown")
end

-- The exit confirmation over the board: the board pauses under it.
local function OpenExitConfirmation()
    TellBoard("Pause")
    if gameInfo:NeedDecLivesOnExit() then
        OpenDialog("ExitGame")
    else
        OpenDialog("ExitGameNoLostLife")
    end
end

-- Yes: the level is left for the menu; a life goes when leaving costs one,
-- but never the last (the game-over screen follows the lost levels only).
function LeaveStage()
    TellBoard("Reset")
    if gameInfo:NeedDecLivesOnExit() and gameInfo:getLives() > 1 then
        gameInfo:setLives(gameInfo:getLives() - 1)
    end
    gameInfo:Save()
    Sound:FadeOutAllTracks(1.0)
    Sound:FadeInTrack("menu", 2.0, true)
    GoTo("MainMenu", "OnMainMenuShown")
end

-- The tip box's check box changed whether hints are shown: nothing more to
-- do on this screen; the board has stored it in the profile.
function SetShowHints()
end

function StageHandler(message)
    local sender = message:getPublisher()
    if IsPressed(message, "Menu") or sender == "Escape" then
        if not IsFading() then
            OpenExitConfirmation()
        end
    elseif IsPressed(message, "MessageBoxBtn2") then
        TellBoard("MessageBoxBtn2", "press")
    elseif sender == "NextLevel" then
        StartStageLevel()
    end
end
