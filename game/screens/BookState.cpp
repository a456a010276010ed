#include "game/screens/BookState.h"

BookState& Books()
{
    static BookState books;
    return books;
}
