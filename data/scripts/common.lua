-- Helpers that every screen's script uses.

-- The ink of words written on papyrus and marble.
InkColor = { 62, 36, 16 }

-- The widget of that name on that layer, or nil.
function FindWidget(layerName, widgetName)
    local layer = GUI:getLayer(layerName)
    if layer == nil then
        return nil
    end
    return layer:getWidget(widgetName)
end

-- Sends a message made of the remaining arguments to a widget.
function Tell(layerName, widgetName, ...)
    local widget = FindWidget(layerName, widgetName)
    if widget ~= nil then
        widget:AcceptMessage(Message(...))
    end
end

-- Asks a widget and returns the answer's data ("" without the widget).
function Ask(layerName, widgetName, query)
    local widget = FindWidget(layerName, widgetName)
    if widget == nil then
        return ""
    end
    return widget:QueryState(Message(query)):getData()
end

function Show(layerName, widgetName, visible)
    local widget = FindWidget(layerName, widgetName)
    if widget ~= nil then
        widget:setVisible(visible)
    end
end

-- Gives the named widgets of a layer the ink colour.
function Ink(layerName, ...)
    for _, widgetName in ipairs({ ... }) do
        local widget = FindWidget(layerName, widgetName)
        if widget ~= nil then
            widget:setColor(Color(InkColor[1], InkColor[2], InkColor[3], 255))
        end
    end
end

-- Whether the message is a press of the named button.
function IsPressed(message, name)
    return message:getPublisher() == name and message:getData() == "press"
end

function BoolText(value)
    if value then
        return "1"
    end
    return "0"
end

-- Fades through black to a screen: the layers shown now are left (their
-- resource groups released), the new one's group is loaded at full black,
-- and crossHandler (a global function's name, optional) runs there; once
-- the new screen is fully up, onShown (a function, optional) runs. One fade
-- at a time: a request while one runs is refused (false).
local fading = false
local crossHandlerName = nil
local shownAction = nil
local blackActions = {}

function GoTo(layerName, crossHandler, onShown)
    if fading then
        return false
    end
    local arguments = VariableSet()
    arguments:setString("Layer1", layerName)
    arguments:setString("CrossHandler", "OnCrossFadeBlack")
    arguments:setString("EndHandler", "OnCrossFadeDone")
    local fade = controlFactory:Create("CrossFade", arguments)
    if fade == nil then
        return false
    end
    fading = true
    crossHandlerName = crossHandler
    shownAction = onShown
    kernel:addController(fade)
    return true
end

-- Runs the action at the next fade's full black, before its cross handler:
-- what the screen being left still draws goes away unseen.
function AtNextBlack(action)
    blackActions[#blackActions + 1] = action
end

function OnCrossFadeBlack()
    local actions = blackActions
    blackActions = {}
    for _, action in ipairs(actions) do
        action()
    end
    local name = crossHandlerName
    crossHandlerName = nil
    if name ~= nil then
        local handler = _G[name]
        if handler == nil then
            error("the cross handler " .. name .. " is not a function")
        end
        handler()
    end
end

function OnCrossFadeDone()
    fading = false
    local action = shownAction
    shownAction = nil
    if action ~= nil then
        action()
    end
end

function IsFading()
    return fading
end

-- The seven countries in the order of the voyage, as the scenes, the
-- gallery's messages and the texts "Country1" ... "Country7" name them.
CountryNames = { "Phoenicia", "Babylon", "Egypt", "Carthage", "Rome", "Greece", "Troy" }

-- The number (1 to 7) of a country's name, or nil.
function CountryNumber(name)
    for number, country in ipairs(CountryNames) do
        if country == name then
            return number
        end
    end
    return nil
end

-- Shows a dialog over the current screen; CloseDialog returns to it.
function OpenDialog(layerName)
    Screen:pushLayer(GUI:getLayer(layerName))
end

function CloseDialog()
    Screen:popLayer()
end

-- A delay measured in half-second steps of a fader that changes nothing
-- (the engine has no other timer that calls a script). A fader takes every
-- widget out of the input while it runs, so each step gives the current
-- screen its input back at once: stepping off the screen and back onto it
-- rebuilds the input of its widgets.
local delay = { steps = 0, action = nil, layer = "", widget = "", running = false }

local function RunDelayStep()
    local widget = FindWidget(delay.layer, delay.widget)
    if widget == nil then
        delay.running = false
        return
    end
    local arguments = VariableSet()
    arguments:setWidget("Widget", widget)
    arguments:setColor("To", Color(255, 255, 255, 255))
    arguments:setString("EndHandler", "OnDelayStep")
    kernel:addController(controlFactory:Create("Fader", arguments))
    delay.running = true
    Screen:pushLayer(nil)
    Screen:popLayer()
end

-- Calls action after about that many seconds, unless StopDelay comes first.
-- The fader runs on an invisible widget of the given layer.
function StartDelay(layerName, widgetName, seconds, action)
    delay.steps = math.max(1, math.floor(seconds * 2 + 0.5))
    delay.action = action
    delay.layer = layerName
    delay.widget = widgetName
    if not delay.running then
        RunDelayStep()
    end
end

function StopDelay()
    delay.action = nil
end

function OnDelayStep()
    delay.running = false
    if delay.action == nil then
        return
    end
    delay.steps = delay.steps - 1
    if delay.steps > 0 then
        RunDelayStep()
        return
    end
    local action = delay.action
    delay.action = nil
    action()
end

-- The options of the game state applied to the engine.
function ApplySavedOptions()
    Sound:SetSoundVolume(gameInfo:getSoundVolume())
    Sound:SetMusicVolume(gameInfo:getMusicVolume())
    SetCustomCursor(gameInfo:getCustomCursor())
end

-- Dialogs shared by the screens.

function QuitConfirmHandler(message)
    local sender = message:getPublisher()
    if sender == "Yes" and message:getData() == "press" then
        gameInfo:Save()
        CloseApplication()
    elseif (sender == "No" and message:getData() == "press") or sender == "Escape" then
        CloseDialog()
    elseif sender == "Enter" then
        gameInfo:Save()
        CloseApplication()
    end
end

function ComingSoonHandler(message)
    local sender = message:getPublisher()
    if (sender == "Back" and message:getData() == "press") or sender == "Escape" or sender == "Enter" then
        CloseDialog()
    end
end

-- Leaving a level: the confirmation text is set by the game state
-- (with or without the loss of a life). Yes leaves the board for the menu,
-- No goes back to the paused board (stage.lua).
function ExitGameHandler(message)
    local sender = message:getPublisher()
    if sender == "Yes" and message:getData() == "press" then
        CloseDialog()
        LeaveStage()
    elseif (sender == "No" and message:getData() == "press") or sender == "Escape" then
        CloseDialog()
        TellBoard("Continue")
    end
end

function PrepareCommonScreens()
    for _, layerName in ipairs({ "QuitConfirm", "ComingSoon", "ExitGame", "ExitGameNoLostLife" }) do
        Ink(layerName, "ConfirmText")
    end
end
