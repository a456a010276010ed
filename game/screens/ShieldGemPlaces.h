#pragma once

// Where the shield's seven gems lie: each gem's kind (its picture is "#" +
// kind + "Gem"), the top-left corner of its picture counted from the top of
// the screen, and its outline in screen space (y upward), which the hit test
// uses and the pictures of the shield are drawn to. Plain data, so that the
// picture generator draws the gems, their sockets and their glows to the
// same outlines the screen tests.

constexpr int kShieldGemCount = 7;
constexpr int kShieldOutlineMax = 5;

struct ShieldGemPlace {
    const char* kind;
    int x;
    int y; // from the top
    int corners;
    int outline[kShieldOutlineMax][2];
};

inline constexpr ShieldGemPlace kShieldGemPlaces[kShieldGemCount] = {
    {"Gold", 598, 249, 5, {{698, 430}, {752, 387}, {726, 355}, {605, 375}, {599, 388}}},
    {"Sky", 589, 325, 4, {{603, 365}, {716, 342}, {673, 280}, {589, 349}}},
    {"Sun", 538, 409, 4, {{577, 340}, {664, 266}, {622, 192}, {540, 254}}},
    {"Water", 440, 336, 4, {{519, 265}, {559, 346}, {536, 360}, {441, 318}}},
    {"Weapon", 373, 271, 5, {{373, 358}, {407, 405}, {528, 383}, {528, 371}, {424, 330}}},
    {"Grass", 420, 206, 5, {{421, 425}, {538, 397}, {550, 401}, {523, 474}, {447, 468}}},
    {"Fire", 552, 201, 5, {{567, 402}, {584, 399}, {677, 446}, {633, 482}, {552, 477}}},
};
