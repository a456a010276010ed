-- The main menu.

-- True when the active profile is one of the saved profiles.
function HasActivePlayer()
    local name = gameInfo:getName()
    return name ~= "" and gameInfo:isPlayerExist(name)
end

-- Greets the active player, or asks for a profile.
function UpdateWelcome()
    local known = HasActivePlayer()
    Show("MainMenu", "WelcomeLabel", known)
    Show("MainMenu", "WelcomeName", known)
    Show("MainMenu", "NoPlayerText", not known)
    if known then
        Tell("MainMenu", "WelcomeName", "SetString", gameInfo:getName())
    end
end

-- Cross handler of every fade to the menu.
function OnMainMenuShown()
    UpdateWelcome()
end

function PrepareMainMenu()
    Ink("MainMenu", "WelcomeLabel", "NoPlayerText")
    -- The title in the gold of the opening picture.
    FindWidget("MainMenu", "Title"):setColor(Color(255, 222, 150, 255))
    UpdateWelcome()
end

-- Where the voyage goes on once the story (and, on the first voyage, the
-- setting out for Phoenicia) is done. The world map plugs in here; until it
-- is charted, the menu says what comes next.
function GoOnToTheMap(fromMenu)
    if fromMenu then
        OpenDialog("ComingSoon")
    else
        GoTo("MainMenu", "OnMainMenuShown", function()
            OpenDialog("ComingSoon")
        end)
    end
end

-- After the story of a profile's first voyage. The help screen plugs in
-- here, before the player sets out for the first country and its scene
-- plays, the first scene a profile sees.
function ShowHelpThenMap()
    SetOutFor(1, function()
        ShowCountryScene(1, function()
            gameInfo:FirstMultIsShow()
            gameInfo:Save()
            GoOnToTheMap(false)
        end)
    end)
end

-- Play with a profile: the story on its first voyage, else on to the map.
function BeginVoyage()
    if gameInfo:getViewHistory() then
        GoOnToTheMap(true)
    else
        ShowHistory()
    end
end

function MainMenuHandler(message)
    if Pressed(message, "Play") then
        if HasActivePlayer() then
            BeginVoyage()
        else
            ShowProfiles()
        end
    elseif Pressed(message, "Gallery") then
        ShowGallery()
    elseif Pressed(message, "Profiles") then
        ShowProfiles()
    elseif Pressed(message, "Options") then
        ShowOptions()
    elseif Pressed(message, "Quit") or message:getPublisher() == "Escape" then
        OpenDialog("QuitConfirm")
    end
end
