#include "identity/base64.h"

#include <array>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kPad = 0xFFFF;
constexpr int kSkip = -1;

int decodeValue(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    // A blank counts as '+': form-encoded bodies turn '+' into a blank on the way.
    if (c == '+' || c == ' ')
        return 62;
    if (c == '/')
        return 63;
    if (c == '=')
        return kPad;
    return kSkip;
}

} // namespace

QByteArray Base64Encode(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (qsizetype i = 0; i < bytes.size(); i += 3) {
        const qsizetype left = bytes.size() - i;
        const unsigned b1 = static_cast<unsigned char>(bytes[i]);
        const unsigned b2 = left > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const unsigned b3 = left > 2 ? static_cast<unsigned char>(bytes[i + 2]) : 0;
        out.append(kAlphabet[b1 >> 2]);
        out.append(kAlphabet[((b1 << 4) | (b2 >> 4)) & 63]);
        out.append(left > 1 ? kAlphabet[((b2 << 2) | (b3 >> 6)) & 63] : '=');
        out.append(left > 2 ? kAlphabet[b3 & 63] : '=');
    }
    return out;
}

QByteArray Base64Decode(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() / 4 * 3);
    std::array<unsigned, 4> c{};
    int count = 0;
    for (const char ch : text) {
        const int value = decodeValue(static_cast<unsigned char>(ch));
        if (value == kSkip)
            continue;
        c[count++] = static_cast<unsigned>(value);
        if (count < 4)
            continue;
        count = 0;
        // A pad in the first two places takes part as 0xFFFF; only the low 8 bits are kept.
        out.append(static_cast<char>(((c[0] << 2) | (c[1] >> 4)) & 0xFF));
        if (c[2] == kPad)
            break;
        out.append(static_cast<char>(((c[1] << 4) | (c[2] >> 2)) & 0xFF));
        if (c[3] == kPad)
            break;
        out.append(static_cast<char>(((c[2] << 6) | c[3]) & 0xFF));
    }
    // An incomplete final group is dropped.
    return out;
}
