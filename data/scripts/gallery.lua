-- The gallery of the countries' scenes, and a country's scene when the
-- player reaches it for the first time. The scene window of both layers is
-- the widget "1Scene".

-- The layers whose window plays a scene with its pictures loaded.
local playing = {}

local function PlayScene(layerName, sceneName)
    local window = FindWidget(layerName, "1Scene")
    if window == nil then
        return
    end
    window:AcceptMessage(Message("Play", sceneName))
    window:AcceptMessage(Message("UploadResources"))
    -- Loading puts each picture in its own middle; the scene places them.
    window:AcceptMessage(Message("Reset"))
    window:AcceptMessage(Message("BlackScreen", 0))
    window:AcceptMessage(Message("Active", 1))
    playing[layerName] = true
end

-- The scene stops and its pictures are released; the window forgets it
-- and shows what lies behind it (the wall's painting in the gallery).
local function StopScene(layerName)
    if not playing[layerName] then
        return
    end
    playing[layerName] = nil
    local window = FindWidget(layerName, "1Scene")
    if window == nil then
        return
    end
    window:AcceptMessage(Message("Active", 0))
    window:AcceptMessage(Message("ReleaseResources"))
    window:AcceptMessage(Message("Play", ""))
    window:AcceptMessage(Message("BlackScreen", 0))
end

function ShowGallery()
    GoTo("Gallery", "OnGalleryShown")
end

-- At full black: nothing chosen, the wall's painting in the window.
function OnGalleryShown()
    Tell("Gallery", "2List", "Reset")
    StopScene("Gallery")
    Tell("Gallery", "1Scene", "BlackScreen", 0)
end

local function LeaveGallery()
    if GoTo("MainMenu", "OnMainMenuShown") then
        AtNextBlack(function()
            StopScene("Gallery")
        end)
    end
end

function GalleryHandler(message)
    local sender = message:getPublisher()
    if IsPressed(message, "Back") or sender == "Escape" then
        LeaveGallery()
    elseif message:getData() == "press" and CountryNumber(sender) ~= nil then
        -- A locked scene keeps its picture in the window; the list draws it.
        StopScene("Gallery")
        if message:getIntegerParam() > 0 then
            PlayScene("Gallery", sender)
        end
    end
end

local reached = { stage = 1, afterwards = nil }

-- The scene of a country (1 to 7) the player has just reached; afterwards
-- runs when the player goes on.
function ShowCountryScene(stage, afterwards)
    reached.stage = stage
    reached.afterwards = afterwards
    GoTo("CountryScene", "OnCountrySceneShown")
end

-- At full black: the country's name, and its scene starts.
function OnCountrySceneShown()
    Tell("CountryScene", "Caption", "SetString", "#Country" .. reached.stage)
    PlayScene("CountryScene", CountryNames[reached.stage])
end

function CountrySceneHandler(message)
    local sender = message:getPublisher()
    if IsPressed(message, "Continue") or sender == "Escape" or sender == "Enter" then
        if reached.afterwards == nil or IsFading() then
            return
        end
        local afterwards = reached.afterwards
        reached.afterwards = nil
        AtNextBlack(function()
            StopScene("CountryScene")
        end)
        afterwards()
    end
end
