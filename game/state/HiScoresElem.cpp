#include "game/state/HiScoresElem.h"

#include <algorithm>

void InsertHiScore(std::vector<HiScoresElem>& table, const HiScoresElem& entry)
{
    const auto same = std::find_if(table.begin(), table.end(),
                                   [&entry](const HiScoresElem& e) { return e.uid == entry.uid; });
    if (same != table.end())
        table.erase(same);

    // From the last entry toward the first, pass every lower score.
    std::size_t place = table.size();
    while (place > 0 && table[place - 1].score < entry.score)
        --place;
    table.insert(table.begin() + static_cast<std::ptrdiff_t>(place), entry);
    while (table.size() > static_cast<std::size_t>(HI_SCORE_LINES))
        table.pop_back();
}
