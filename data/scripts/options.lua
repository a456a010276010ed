-- The options screen: full screen, the game's own cursor, and the volumes of
-- sound and music. Each change is applied at once and kept in the game state.

local function ShowVolume(widgetName, volume)
    Tell("Options", widgetName, "SetString", tostring(volume))
end

function ShowOptions()
    GoTo("Options", "OnOptionsShown")
end

-- Cross handler: the controls show the saved options.
function OnOptionsShown()
    Tell("Options", "Fullscreen", "SetState", BoolText(gameInfo:getFullscreen()))
    Tell("Options", "CustomCursor", "SetState", BoolText(gameInfo:getCustomCursor()))
    Tell("Options", "SoundVolume", "SetPos", tostring(gameInfo:getSoundVolume()))
    Tell("Options", "MusicVolume", "SetPos", tostring(gameInfo:getMusicVolume()))
    ShowVolume("SoundValue", gameInfo:getSoundVolume())
    ShowVolume("MusicValue", gameInfo:getMusicVolume())
end

function PrepareOptions()
    Ink("Options", "Title", "FullscreenLabel", "CustomCursorLabel", "SoundLabel", "SoundValue", "MusicLabel",
        "MusicValue")
end

local function IsOn(widgetName)
    return Ask("Options", widgetName, "GetState") == "1"
end

-- A slider reports its position in percent with every move.
local function Percent(message)
    return math.max(0, math.min(100, message:getIntegerParam()))
end

local function LeaveOptions()
    -- The volumes change with every move of a slider; they are saved here.
    gameInfo:Save()
    GoTo("MainMenu", "OnMainMenuShown")
end

function OptionsHandler(message)
    local sender = message:getPublisher()
    if sender == "Fullscreen" and message:getData() == "Change" then
        local on = IsOn("Fullscreen")
        if on then
            SetFullscreenMode()
        else
            SetWindowedMode()
        end
        gameInfo:setFullscreen(on)
        gameInfo:Save()
    elseif sender == "CustomCursor" and message:getData() == "Change" then
        local on = IsOn("CustomCursor")
        SetCustomCursor(on)
        gameInfo:setCustomCursor(on)
        gameInfo:Save()
    elseif sender == "SoundVolume" then
        local volume = Percent(message)
        Sound:SetSoundVolume(volume)
        gameInfo:setSoundVolume(volume)
        ShowVolume("SoundValue", volume)
    elseif sender == "MusicVolume" then
        local volume = Percent(message)
        Sound:SetMusicVolume(volume)
        gameInfo:setMusicVolume(volume)
        ShowVolume("MusicValue", volume)
    elseif (sender == "Back" and message:getData() == "press") or sender == "Escape" then
        LeaveOptions()
    end
end
