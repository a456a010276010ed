-- The help screen: its boards play while it is shown; "Back" stops them and
-- goes on to what the screen was opened for.

local afterHelp = nil

-- Shows the help; then (after "Back") runs the action, or returns to the menu.
function ShowHelp(action)
    afterHelp = action
    GoTo("Help", "OnHelpShown")
end

function OnHelpShown()
    Tell("Help", "Show", "Start")
end

function PrepareHelp()
    FindWidget("Help", "Title"):setColor(Color(255, 222, 150, 255))
end

function HelpHandler(message)
    if IsPressed(message, "Back") or message:getPublisher() == "Escape" then
        if IsFading() then
            return
        end
        Tell("Help", "Show", "Stop")
        local action = afterHelp
        afterHelp = nil
        if action ~= nil then
            action()
        else
            GoTo("MainMenu", "OnMainMenuShown")
        end
    end
end
