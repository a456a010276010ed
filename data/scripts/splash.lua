-- The opening pictures: each waits a few seconds, or less when the player
-- clicks or presses a key, and then fades to the next screen. The title
-- picture's own widget waits for the click or the three seconds once the
-- picture is fully up.

local splashSeconds = 3
local shownSplash = nil

function ShowSplash()
    shownSplash = "Splash"
    Screen:pushLayer(GUI:getLayer("Splash"))
    StartDelay("Splash", "Timer", splashSeconds, LeaveSplash)
end

-- Leaves the splash screen that is up; does nothing once it has gone.
function SkipSplash()
    if shownSplash == "Splash" then
        LeaveSplash()
    elseif shownSplash == "TitleSplash" then
        LeaveTitleSplash()
    end
end

function LeaveSplash()
    if shownSplash ~= "Splash" or IsFading() then
        return
    end
    shownSplash = "TitleSplash"
    StopDelay()
    GoTo("TitleSplash", "OnTitleSplashShown", function()
        Tell("TitleSplash", "Wait", "View")
    end)
end

-- At full black: the engine's splash picture has done its work.
function OnTitleSplashShown()
    ResetSplash()
    Sound:FadeInTrack("menu", 2.0, true)
end

function LeaveTitleSplash()
    if shownSplash ~= "TitleSplash" or IsFading() then
        return
    end
    shownSplash = nil
    GoTo("MainMenu", "OnMainMenuShown")
end

local function WantsToSkip(message)
    local sender = message:getPublisher()
    return (sender == "Click" and message:getData() == "press") or sender == "Escape" or sender == "Enter"
end

function SplashHandler(message)
    if WantsToSkip(message) then
        LeaveSplash()
    end
end

function TitleSplashHandler(message)
    if message:is("Panel", "press") or WantsToSkip(message) then
        LeaveTitleSplash()
    end
end
