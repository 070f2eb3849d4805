#include "identity/md5.h"

#include <cstring>

namespace {

struct Md5Context
{
    std::uint32_t state[4];
    std::uint32_t count[2]; // bits hashed, low half first
    std::uint8_t buffer[64];
};

constexpr std::uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr int kShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                            5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                            4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

std::uint32_t rotl(std::uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

void transform(std::uint32_t state[4], const std::uint8_t block[64])
{
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i) {
        x[i] = std::uint32_t(block[i * 4]) | (std::uint32_t(block[i * 4 + 1]) << 8) |
               (std::uint32_t(block[i * 4 + 2]) << 16) | (std::uint32_t(block[i * 4 + 3]) << 24);
    }
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int g;
        switch (i / 16) {
        case 0:
            f = (b & c) | (~b & d);
            g = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            g = (5 * i + 1) % 16;
            break;
        case 2:
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
            break;
        default:
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
            break;
        }
        const std::uint32_t next = b + rotl(a + f + kSine[i] + x[g], kShift[i]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

void init(Md5Context& ctx)
{
    ctx = Md5Context{{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, {0, 0}, {}};
}

void update(Md5Context& ctx, const std::uint8_t* input, std::size_t length)
{
    std::size_t index = (ctx.count[0] >> 3) & 0x3F;
    const std::uint64_t bits =
        (std::uint64_t(ctx.count[1]) << 32 | ctx.count[0]) + (std::uint64_t(length) << 3);
    ctx.count[0] = std::uint32_t(bits);
    ctx.count[1] = std::uint32_t(bits >> 32);
    const std::size_t partLen = 64 - index;
    std::size_t i = 0;
    if (length >= partLen) {
        std::memcpy(&ctx.buffer[index], input, partLen);
        transform(ctx.state, ctx.buffer);
        for (i = partLen; i + 63 < length; i += 64)
            transform(ctx.state, &input[i]);
        index = 0;
    }
    std::memcpy(&ctx.buffer[index], &input[i], length - i);
}

Md5Value finish(Md5Context& ctx)
{
    std::uint8_t bits[8];
    for (int i = 0; i < 4; ++i) {
        bits[i] = std::uint8_t(ctx.count[0] >> (8 * i));
        bits[i + 4] = std::uint8_t(ctx.count[1] >> (8 * i));
    }
    static const std::uint8_t padding[64] = {0x80};
    const std::size_t index = (ctx.count[0] >> 3) & 0x3F;
    update(ctx, padding, index < 56 ? 56 - index : 120 - index);
    update(ctx, bits, 8);
    Md5Value digest;
    for (int i = 0; i < 16; ++i)
        digest[i] = std::uint8_t(ctx.state[i / 4] >> (8 * (i % 4)));
    ctx = Md5Context{}; // leave nothing of the input behind
    return digest;
}

} // namespace

Md5Value MD5Digest(const QByteArray& bytes)
{
    Md5Context ctx;
    init(ctx);
    update(ctx, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
           static_cast<std::size_t>(bytes.size()));
    return finish(ctx);
}

QString DigestToHex(const Md5Value& digest)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(32);
    for (const std::uint8_t b : digest) {
        out.append(QLatin1Char(kDigits[b >> 4]));
        out.append(QLatin1Char(kDigits[b & 0x0F]));
    }
    return out;
}
