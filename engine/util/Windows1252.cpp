#include "engine/util/Windows1252.h"

namespace {

// Code points of the bytes 0x80..0x9F; 0 where the byte is unassigned.
const unsigned kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

int CodePointToWindows1252(unsigned codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

std::string Utf8ToWindows1252(const std::string& utf8)
{
    std::string out;
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        unsigned codePoint = 0;
        std::size_t length = 0;
        if (lead < 0x80) {
            codePoint = lead;
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            codePoint = lead & 0x1F;
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            codePoint = lead & 0x0F;
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            codePoint = lead & 0x07;
            length = 4;
        } else {
            ++i; // a stray continuation byte or an invalid lead
            continue;
        }
        if (i + length > n) {
            break; // cut short at the end
        }
        bool valid = true;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (!valid) {
            ++i;
            continue;
        }
        i += length;
        const int byte = CodePointToWindows1252(codePoint);
        if (byte >= 0)
            out.push_back(static_cast<char>(byte));
    }
    return out;
}
