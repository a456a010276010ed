-- Setting out for a country: the sail billows over the sea until a click,
-- or for three seconds once it is fully up.

local voyage = { stage = 1, afterwards = nil }

-- stage: the country set out for (1 to 7); afterwards runs when the player
-- goes on.
function SetOutFor(stage, afterwards)
    voyage.stage = stage
    voyage.afterwards = afterwards
    GoTo("Sail", "OnSailShown", function()
        Tell("Sail", "Wait", "View")
    end)
end

-- At full black: the destination on the papyrus.
function OnSailShown()
    Tell("Sail", "Destination", "SetString", "#Country" .. voyage.stage)
end

local function GoOn()
    if voyage.afterwards == nil or IsFading() then
        return
    end
    local afterwards = voyage.afterwards
    voyage.afterwards = nil
    afterwards()
end

function SailHandler(message)
    local sender = message:getPublisher()
    if message:is("Panel", "press") or sender == "Escape" or sender == "Enter" then
        GoOn()
    end
end

-- The words on the papyrus in ink; the country's name over its scene in
-- the gold of the title.
function PrepareVoyageScreens()
    Ink("Sail", "BoundFor", "Destination")
    local caption = FindWidget("CountryScene", "Caption")
    if caption ~= nil then
        caption:setColor(Color(255, 222, 150, 255))
    end
end
