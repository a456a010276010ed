-- The main menu.

-- True when the active profile is one of the saved profiles.
function HasActivePlayer()
    local name = gameInfo:getName()
    return name ~= "" and gameInfo:isPlayerExist(name)
end

-- ==== The backdrop: gems, hi-score panel and greeting (begin) ====

-- Tells the menu's backdrop a command, with an integer when given.
local function TellBackdrop(command, parameter)
    if parameter ~= nil then
        Tell("MainMenu", "00Backdrop", command, parameter)
    else
        Tell("MainMenu", "00Backdrop", command)
    end
end

-- The idle count of the hi-score panel runs while the menu is the screen
-- in front and starts again with every action on it.
local function KeepMenuIdleCount(running)
    if running then
        TellBackdrop("HiscoreTick", 1)
    else
        TellBackdrop("HiscoreTick", 0)
    end
end

-- The menu goes: the gems' run counts as shown, the panel's count stops.
local function LeaveMainMenu()
    TellBackdrop("EndGemEffects")
    KeepMenuIdleCount(false)
    StopDemoClock() -- demohelp
end

-- A dialog over the menu stops the count until it closes again.
local menuDialog = false

local function OpenMenuDialog(layerName)
    menuDialog = true
    KeepMenuIdleCount(false)
    OpenDialog(layerName)
end

local closeDialog = CloseDialog
function CloseDialog()
    closeDialog()
    if menuDialog then
        menuDialog = false
        KeepMenuIdleCount(true)
    end
end

-- ==== (end) ====

-- The demo: after two idle minutes on the menu a country's board plays by
-- itself; a press of a key or the mouse brings the menu back. The demo plays
-- on the default player, so no profile changes.
local demoIdleSeconds = 120
local demoRunning = false
local demoWatching = false

function RestartDemoClock()
    StartDelay("MainMenu", "zDemoTimer", demoIdleSeconds, RunMenuDemo)
end

function StopDemoClock()
    StopDelay()
end

local function EndMenuDemo(stage)
    demoRunning = false
    Tell("StageLayer_" .. stage, "GameField", "StopDemo")
    GoTo("MainMenu", "OnMainMenuShown")
end

-- While the demo runs the stage screens answer only the player's press.
local function WatchDemoInput()
    if demoWatching then
        return
    end
    demoWatching = true
    local stageHandler = StageHandler
    StageHandler = function(message)
        if not demoRunning then
            stageHandler(message)
        elseif message:getPublisher() == "DemoInput" and not IsFading() then
            EndMenuDemo(message:getIntegerParam())
        end
    end
end

local demoStage = 1

function OnMenuDemoShown()
    -- The country's artefact, whose pieces the demo's board shows.
    UploadArtefactTexture(demoStage - 1)
    Tell("StageLayer_" .. demoStage, "GameField", "RunDemo", demoStage)
end

function RunMenuDemo()
    if menuDialog or IsFading() then
        RestartDemoClock()
        return
    end
    LeaveMainMenu()
    WatchDemoInput()
    demoStage = math.random(1, 6)
    demoRunning = true
    if not GoTo("StageLayer_" .. demoStage, "OnMenuDemoShown") then
        demoRunning = false
    end
end

-- Greets the active player, or asks for a profile.
function UpdateWelcome()
    local known = HasActivePlayer()
    Show("MainMenu", "Profile", known)
    Show("MainMenu", "NoPlayerText", not known)
    if known then
        Tell("MainMenu", "Profile", "SetProfile", gameInfo:getName())
    end
end

-- Cross handler of every fade to the menu. "SyncGems" is all the gems need:
-- it lights the gems won since the last visit one by one, each under its
-- ray, and starts the screensaver tip until the player has seen it. The
-- backdrop's run over all seven gems ("GemEffect", ended by "EndSyncGems")
-- is not played, since it would show the gems of countries not yet won; nor
-- is the tip shown or hidden by hand ("ShowSaverTip", "HideSaverTip"): it
-- would come back after being seen, and it fades by itself and leaves with
-- the menu.
function OnMainMenuShown()
    UpdateWelcome()
    TellBackdrop("SyncGems")
    KeepMenuIdleCount(true)
    RestartDemoClock() -- demohelp
end

function PrepareMainMenu()
    -- The title in the gold of the opening picture, the hint in pale sand.
    FindWidget("MainMenu", "Title"):setColor(Color(255, 222, 150, 255))
    FindWidget("MainMenu", "NoPlayerText"):setColor(Color(240, 226, 190, 255))
    UpdateWelcome()
end

-- Where the voyage goes on once the story (and, on the first voyage, the
-- setting out for Phoenicia) is done: the world map.
function GoOnToTheMap()
    ShowMap()
end

-- After the story of a profile's first voyage. The help screen plugs in
-- here, before the player sets out for the first country and its scene
-- plays, the first scene a profile sees.
function ShowHelpThenMap()
    local function SetOut()
        SetOutFor(1, function()
            ShowCountryScene(1, function()
                gameInfo:FirstMultIsShow()
                gameInfo:Save()
                GoOnToTheMap()
            end)
        end)
    end
    if gameInfo:getShowHelp() then
        gameInfo:setShowHelp(false)
        gameInfo:Save()
        ShowHelp(SetOut)
        return
    end
    SetOut()
end

-- Play with a profile: the story on its first voyage, else on to the map.
function BeginVoyage()
    LeaveMainMenu()
    if gameInfo:getViewHistory() then
        GoOnToTheMap()
    else
        ShowHistory()
    end
end

function MainMenuHandler(message)
    KeepMenuIdleCount(true)
    RestartDemoClock() -- demohelp
    if IsPressed(message, "Play") then
        if HasActivePlayer() then
            BeginVoyage()
        else
            LeaveMainMenu()
            ShowProfiles()
        end
    elseif IsPressed(message, "Gallery") then
        LeaveMainMenu()
        ShowGallery()
    elseif IsPressed(message, "Profiles") or IsPressed(message, "Profile") then
        LeaveMainMenu()
        ShowProfiles()
    elseif IsPressed(message, "Options") then
        LeaveMainMenu()
        ShowOptions()
    elseif IsPressed(message, "Help") then
        LeaveMainMenu()
        ShowHelp(nil)
    elseif IsPressed(message, "Quit") or message:getPublisher() == "Escape" then
        Tell("QuitConfirm", "2Shots", "Reset")
        OpenMenuDialog("QuitConfirm")
    end
end
