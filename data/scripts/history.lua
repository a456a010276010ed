-- The books of pages: the story on a profile's first voyage and the closing
-- pages at the end of a cycle. Each shows its three pages one after
-- another; a click completes a page still burning in, the next turns it.

local book = { layer = nil, page = 0, afterwards = nil }

local function OpenBook(layerName, afterwards)
    book.layer = layerName
    book.page = 0
    book.afterwards = afterwards
    GoTo(layerName, "OnBookShown")
end

-- At full black: the first page starts.
function OnBookShown()
    Tell(book.layer, "Book", "Show", 1)
    Tell(book.layer, "Book", "SetPage", 0)
end

local function TurnPage()
    if book.afterwards == nil then
        return
    end
    if book.page < 2 then
        book.page = book.page + 1
        Tell(book.layer, "Book", "SetPage", book.page)
        return
    end
    Tell(book.layer, "Book", "Show", 0)
    local afterwards = book.afterwards
    book.afterwards = nil
    afterwards()
end

-- The story; once read, the profile does not see it again.
function ShowHistory()
    OpenBook("History", function()
        gameInfo:setViewHistory(true)
        gameInfo:Save()
        ShowHelpThenMap()
    end)
end

-- The closing pages: when the last level of Troy is won, before the map
-- ends the cycle. afterwards (optional) runs once they are read; without
-- it the menu follows.
function ShowClosingPages(afterwards)
    OpenBook("CompleteScreen", afterwards or function()
        GoTo("MainMenu", "OnMainMenuShown")
    end)
end

function HistoryHandler(message)
    if message:is("Next", "press") then
        TurnPage()
    end
end

function CompleteScreenHandler(message)
    if message:is("Next", "press") then
        TurnPage()
    end
end
