-- The pages over the board at the end of a level.

-- The next wise tip for the next statistics page.
local function NextWiseTip()
    local total = gameInfo:GetWiseTipsTotal()
    if total > 0 then
        gameInfo:setWiseTipNumber((gameInfo:getWiseTipNumber() + 1) % total)
    end
end

-- A click anywhere on the page skips its play-in; "Ok" (enabled once the
-- page has played) goes on to the map, where the flag sails on.
function StatisticsHandler(message)
    if IsPressed(message, "Statistics") then
        Tell("Statistics", "GameStatistics", "Finish")
    elseif IsPressed(message, "Ok") then
        NextWiseTip()
        gameInfo:Save()
        if gameInfo:getNeedCollectArtefact() then
            CollectArtefact()
            return
        end
        ShowMapAfterLevel()
    end
end

function LoseLifeHandler(message)
    if IsPressed(message, "TryAgain") then
        StartChosenLevel()
    end
end

-- The game goes on with three new lives from the start of the country.
function GameOverHandler(message)
    if IsPressed(message, "ToMap") then
        gameInfo:setLives(3)
        gameInfo:Save()
        ShowMapAfterGameOver()
    end
end
