-- The world map: the way to the levels and back to the menu.

local function TellMap(command)
    Tell("Map", "Map", command)
end

-- Starts the level chosen on the map. The board's screen is not there yet:
-- the page that says so stands in for it.
function StartChosenLevel()
    Sound:FadeOutTagTracks("Map", 1.0)
    StartStageLevel()
end

local function StartMapMusic()
    Sound:FadeOutTagTracks("Menu", 1.0)
    Sound:FadeInTrack("Map", 2.0, true)
end

-- Once the map stands: the corner tip, and the island's title at the end of
-- a won cycle.
function OnMapShown()
    TellMap("ShowArtefactTip")
    if gameInfo:getWin() then
        TellMap("VelmoraAscendant")
    end
end

-- From the menu: the flag and the text on the player's level.
function OnMapFromMenu()
    TellMap("HideArtefactTip")
    TellMap("InitFlagPos")
    TellMap("InitAboutText")
    StartMapMusic()
end

function ShowMap()
    GoTo("Map", "OnMapFromMenu", OnMapShown)
end

-- After a won level: the next level's symbol waits for the flag, which
-- sails there once the map stands.
function OnMapAfterLevel()
    TellMap("HideArtefactTip")
    TellMap("EnableFlagMover")
    StartMapMusic()
end

local function OnMapShownAfterLevel()
    TellMap("MoveFlag")
    OnMapShown()
end

function ShowMapAfterLevel()
    GoTo("Map", "OnMapAfterLevel", OnMapShownAfterLevel)
end

-- After the last life: once the map stands, the flag walks back through the
-- lost country, which starts again from its first level.
function OnMapAfterGameOver()
    TellMap("HideArtefactTip")
    TellMap("InitAboutText")
    StartMapMusic()
end

local function OnMapShownAfterGameOver()
    TellMap("DestroyCountryProgress")
end

function ShowMapAfterGameOver()
    GoTo("Map", "OnMapAfterGameOver", OnMapShownAfterGameOver)
end

function OnMapLeftForMenu()
    Sound:FadeOutTagTracks("Map", 1.0)
    Sound:FadeInTrack("menu", 2.0, true)
    OnMainMenuShown()
end

function MapHandler(message)
    if IsPressed(message, "Play") then
        StartChosenLevel()
    elseif message:getPublisher() == "GoToArtefactScreen" then
        ShowShieldFromMap()
    elseif IsPressed(message, "Menu") or message:getPublisher() == "Escape" then
        gameInfo:Save()
        GoTo("MainMenu", "OnMapLeftForMenu")
    end
end
