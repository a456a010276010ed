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

local function Pressed(message, name)
    return message:getPublisher() == name and message:getData() == "press"
end

function MainMenuHandler(message)
    if Pressed(message, "Play") then
        if HasActivePlayer() then
            ShowMap()
        else
            ShowProfiles()
        end
    elseif Pressed(message, "Profiles") then
        ShowProfiles()
    elseif Pressed(message, "Options") then
        ShowOptions()
    elseif Pressed(message, "Quit") or message:getPublisher() == "Escape" then
        OpenDialog("QuitConfirm")
    end
end
