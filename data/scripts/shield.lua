-- The shield: opened from the map's corner tip, and by the hand-over of a
-- won artefact; its button leads back to the map.

local function TellShield(command)
    Tell("Shield", "Shield", command)
end

-- Whether the shield was opened from the map (else by an artefact's
-- hand-over at the end of a level, after which the map moves the flag on).
local openedFromMap = false

-- At the fade's full black: the gems of the active profile, fading in.
function OnShieldFromMap()
    TellShield("Reset")
    TellShield("FadeIn")
end

function ShowShieldFromMap()
    if GoTo("Shield", "OnShieldFromMap") then
        openedFromMap = true
    end
end

-- The statistics' "Ok" after a level that opened a new country: the pages
-- over the board go (the board's screen lies at the bottom of the stack:
-- popping stops there), the shield forgets any other profile's gems, and
-- the board hands the country's artefact over to it. The hand-over itself
-- shows the artefact over the shield where it stood on the board and turns
-- its gem on under a ray; the shield's own flight into a slot ("Test") is
-- not started here: the shield draws no slot pictures, and its gem would be
-- switched on a second time.
local pagesOverTheBoard = 8

function CollectArtefact()
    for _ = 1, pagesOverTheBoard do
        Screen:popLayer()
    end
    TellShield("Reset")
    TellBoard("StartCollectArtefact")
end

function OnMapFromShield()
    for _, command in ipairs({ "HideArtefactTip", "InitFlagPos", "InitAboutText" }) do
        Tell("Map", "Map", command)
    end
end

-- After a hand-over the player sets out for the country just opened: the
-- sail, that country's scene the first time it is reached, then the map
-- where the flag moves on. A cycle's end (back to the first country) goes
-- straight to the map, which shows the closing pages.
function SetOutForTheNewCountry()
    local stage = gameInfo:getStage()
    if stage < 2 or stage > 7 then
        ShowMapAfterLevel()
        return
    end
    SetOutFor(stage, function()
        ShowCountryScene(stage, ShowMapAfterLevel)
    end)
end

function ShieldHandler(message)
    if IsPressed(message, "ToMap") or message:getPublisher() == "Escape" then
        local fromMap = openedFromMap
        openedFromMap = false
        if fromMap then
            GoTo("Map", "OnMapFromShield", OnMapShown)
        else
            SetOutForTheNewCountry()
        end
    end
end
