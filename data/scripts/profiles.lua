-- The profile screen: a list of the saved players, a new name typed into
-- the edit box, and the chosen player made active or deleted.

-- The names the list box holds now, so that it can be emptied again.
local listed = {}
local listedCount = 0
local toDelete = ""

-- Fills the list from the game state and selects the active player.
local function FillList()
    for i = 1, listedCount do
        Tell("Profiles", "ProfileList", "Delete", listed[i])
    end
    listed = {}
    listedCount = gameInfo:getNumberOfPlayers()
    for i = 1, listedCount do
        listed[i] = gameInfo:getPlayerName(i - 1)
        Tell("Profiles", "ProfileList", "Add", listed[i])
    end
    if HasActivePlayer() then
        Tell("Profiles", "ProfileList", "Set", gameInfo:getName())
    elseif listedCount > 0 then
        Tell("Profiles", "ProfileList", "Set", listed[1])
    end
    Tell("Profiles", "ProfileList", "UpdateButtons")
    local any = listedCount > 0 and 1 or 0
    Tell("Profiles", "Choose", "Active", any)
    Tell("Profiles", "Delete", "Active", any)
end

-- The line under the title: the active player, or a note (a string id).
local function ShowStatus(noteId)
    local note = noteId
    if note == nil and not HasActivePlayer() then
        note = listedCount > 0 and "NoPlayer" or "ListEmpty"
    end
    Show("Profiles", "StatusLabel", note == nil)
    Show("Profiles", "StatusName", note == nil)
    Show("Profiles", "StatusNote", note ~= nil)
    if note == nil then
        Tell("Profiles", "StatusName", "SetString", gameInfo:getName())
    else
        Tell("Profiles", "StatusNote", "SetString", "#" .. note)
    end
end

function ShowProfiles()
    GoTo("Profiles", "OnProfilesShown")
end

-- Cross handler: the screen is filled while it is still black.
function OnProfilesShown()
    Tell("Profiles", "NewName", "Clear")
    FillList()
    ShowStatus(nil)
end

function PrepareProfiles()
    Ink("Profiles", "Title", "StatusLabel", "StatusNote", "NewPlayerLabel", "NewName")
    Ink("DeleteProfile", "ConfirmText", "Note")
end

-- The name typed so far, without blanks at its end.
local function TypedName()
    local name = Ask("Profiles", "NewName", "Text")
    return (string.gsub(name, "%s+$", ""))
end

local function CreatePlayer()
    local name = TypedName()
    if name == "" then
        ShowStatus("TypeAName")
        return
    end
    if gameInfo:isPlayerExist(name) then
        ShowStatus("NameTaken")
        return
    end
    -- A new player becomes the active one.
    gameInfo:AddNewPlayer(name)
    gameInfo:Save()
    Tell("Profiles", "NewName", "Clear")
    FillList()
    ShowStatus(nil)
end

local function SelectedName()
    return Ask("Profiles", "ProfileList", "CurrentItem")
end

local function ChoosePlayer()
    local name = SelectedName()
    if name == "" or not gameInfo:isPlayerExist(name) then
        return
    end
    gameInfo:setActivePlayer(name)
    gameInfo:Save()
    GoTo("MainMenu", "OnMainMenuShown")
end

local function AskToDelete()
    local name = SelectedName()
    if name == "" or not gameInfo:isPlayerExist(name) then
        return
    end
    toDelete = name
    Tell("DeleteProfile", "Who", "SetString", name)
    OpenDialog("DeleteProfile")
end

function ProfilesHandler(message)
    local sender = message:getPublisher()
    if Pressed(message, "Create") or Pressed(message, "Ok") then
        CreatePlayer()
    elseif Pressed(message, "Choose") then
        ChoosePlayer()
    elseif sender == "ProfileList" and message:getData() == "DoubleClick" then
        ChoosePlayer()
    elseif Pressed(message, "Delete") then
        AskToDelete()
    elseif Pressed(message, "ListUp") then
        Tell("Profiles", "ProfileList", "ScrollUp")
    elseif Pressed(message, "ListDown") then
        Tell("Profiles", "ProfileList", "ScrollDown")
    elseif Pressed(message, "Back") or sender == "Escape" then
        GoTo("MainMenu", "OnMainMenuShown")
    end
end

function DeleteProfileHandler(message)
    local sender = message:getPublisher()
    if Pressed(message, "Yes") then
        local wasActive = gameInfo:getName() == toDelete
        gameInfo:DeletePlayer(toDelete)
        if wasActive then
            -- Another saved player takes over, or none is active.
            gameInfo:setActivePlayer(gameInfo:getPlayerName(0))
        end
        gameInfo:Save()
        CloseDialog()
        FillList()
        ShowStatus(nil)
    elseif Pressed(message, "No") or sender == "Escape" then
        CloseDialog()
    end
end
